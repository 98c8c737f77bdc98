// What the main-window tests share: databases made in a temporary
// directory, small views and person lists that record what the main window
// and the view manager ask of them, and helpers to find actions and log lines.
#pragma once

#include <QAction>
#include <QCloseEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QString>
#include <initializer_list>
#include <memory>
#include <vector>

#include "ui/AhnenView.h"

class TDeskView;
class TRDatum;

namespace uitest {

// A new database in dir (created when missing) with a project file of the
// given text under name; the path of the project file.
QString MakeDatabase(const QString& dir, const QByteArray& projectText, const QString& name = "Test.ov");
// A person with these names inserted into the open database; its id.
int AddPerson(const std::string& vorname, const std::string& nachname);

QAction* Action(QWidget* w, const char* name);
bool LogHas(TDeskView& desk, const QString& line);
QStringList LogLines(TDeskView& desk);
// The sub-windows of the MDI area that are not closed.
int OpenWindows(TDeskView& desk);
// Lets closed windows go (their deletion is deferred).
void Settle();

// A view of any kind: shows the person it is given, reads it anew when
// asked, and counts the calls of the main window.
class TTestView : public TAhnenView {
  Q_OBJECT

 public:
  explicit TTestView(QWidget* parent = nullptr);

  std::unique_ptr<TPerson> GetPerson() override;
  void setPerson(std::unique_ptr<TPerson> person) override;
  void DeleteCommand() override;
  void DeleteMarriageCommand() override { ++marriageDeletes; }
  bool CanDeleteMarriage() const override { return marriageChosen; }
  void DropMarriage(int marriageId) override { droppedMarriages.push_back(marriageId); }
  void RefreshChildren() override { ++childRefreshes; }
  void RefreshLinks() override { ++linkRefreshes; }

  QLineEdit* edit = nullptr;
  TRDatum* date = nullptr;
  bool refuseClose = false;
  bool closeOnDelete = false;
  bool marriageChosen = false;
  int personsSet = 0;
  int deletes = 0;
  int marriageDeletes = 0;
  int childRefreshes = 0;
  int linkRefreshes = 0;
  std::vector<int> droppedMarriages;

 protected:
  void closeEvent(QCloseEvent* event) override;
};

// A person list with its marked persons.
class TTestList : public TSuchenDlg {
  Q_OBJECT

 public:
  explicit TTestList(std::vector<int> marked, QWidget* parent = nullptr);
  std::unique_ptr<TPerson> GetSelectedPerson() override;
  std::vector<std::unique_ptr<TPerson>> GetSelectedPersons() override;

  QListWidget* list = nullptr;
  std::vector<int> marked;
};

// Makes TTestView the view of the kinds given while it lives.
class TTestFactories {
 public:
  explicit TTestFactories(std::initializer_list<int> kinds);
  ~TTestFactories();
  TTestFactories(const TTestFactories&) = delete;
  TTestFactories& operator=(const TTestFactories&) = delete;

 private:
  std::vector<int> kinds_;
};

}  // namespace uitest
