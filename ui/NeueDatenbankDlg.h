// TNewDbDlg2: the new-database dialog, three steps (name, directory, media
// directory). "&Fertig >>" creates the database through the core and opens
// it in the main window; the dialog closes only when that was done.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QStackedWidget;
class TDeskView;

class TNewDbDlg2 : public QDialog {
  Q_OBJECT

 public:
  explicit TNewDbDlg2(TDeskView* desk);

  // The step shown, 0 to 2.
  int Step() const;

 private:
  QWidget* NamePage();
  QWidget* DirectoryPage();
  QWidget* MediaPage();
  // Shows step (0 to 2) with its field focused and its forward button as default.
  void ShowStep(int step);
  void ChooseDirectory();
  void Finish();

  TDeskView* desk_;
  QStackedWidget* steps_ = nullptr;
  QLineEdit* name_ = nullptr;
  QLineEdit* directory_ = nullptr;
  QLineEdit* media_ = nullptr;
  QPushButton* forward_[3] = {};
};
