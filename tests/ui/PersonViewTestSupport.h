// What the tests of the person data view share: a fresh database in a
// temporary directory opened through its project file, persons made in it,
// views shown and active, drops of persons onto lists, and typing.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPointer>
#include <QTemporaryDir>
#include <QtTest>
#include <string>
#include <vector>

#include "core/Configuration.h"
#include "core/Host.h"
#include "core/Project.h"
#include "core/Prompter.h"
#include "core/UserStore.h"
#include "db/AhnenDB.h"
#include "db/Schema.h"
#include "ui/DialogRunner.h"
#include "ui/FileChooser.h"
#include "ui/PersonStdView.h"
#include "ui/QtText.h"
#include "ui/ViewManager.h"

namespace pvtest {

// The project file of a new database with some keys set otherwise.
struct TSetting {
  std::string section, key, value;
};

inline std::string ProjectText(const std::string& mediaDir, const std::vector<TSetting>& settings) {
  QStringList lines = ToQ(NewProjectFileText("Test", mediaDir)).split("\r\n");
  for (const TSetting& s : settings) {
    const QString header = "[" + ToQ(s.section) + "]", line = ToQ(s.key + "=" + s.value);
    int at = lines.indexOf(header);
    if (at < 0) {
      lines << header << line;
      continue;
    }
    int end = at + 1;
    while (end < lines.size() && !lines[end].startsWith('[')) ++end;
    bool replaced = false;
    for (int i = at + 1; i < end; ++i)
      if (lines[i].startsWith(ToQ(s.key) + "=")) lines[i] = line, replaced = true;
    if (!replaced) lines.insert(at + 1, line);
  }
  return FromQ(lines.join("\r\n"));
}

class TDatabase {
 public:
  explicit TDatabase(const std::vector<TSetting>& settings = {}) {
    qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());
    userstore::Reset();
    const std::string path = FromQ(dir.path()) + "/";
    CreateDatabaseFiles(path, "");
    QDir(dir.path()).mkpath("media");
    project = dir.filePath("Test.ov");
    QFile f(project);
    f.open(QIODevice::WriteOnly);
    f.write(QByteArray::fromStdString(ProjectText(path + "media/", settings)));
    f.close();
    SetPrompter(&prompter);
    SetHost(&host);
    OpenProject(FromQ(project));
  }
  ~TDatabase() {
    SetDialogRunner({});
    SetFileChooser({});
    CloseProject();
    SetPrompter(nullptr);
    SetHost(nullptr);
  }
  void Reopen() {
    QVERIFY(CloseProject());
    OpenProject(FromQ(project));
  }
  std::string Path() const { return FromQ(dir.path()) + "/"; }

  QTemporaryDir dir;
  QString project;
  TScriptedPrompter prompter;
  TPlainHost host;
};

// A new person in the open database; its id.
inline int NewPerson(const std::string& vorname, const std::string& nachname, int sex, int vater = 0,
                     int mutter = 0) {
  TPersonDetail p;
  p.Vorname = vorname;
  p.Nachname = nachname;
  p.Geschlecht = sex;
  p.Vater = vater;
  p.Mutter = mutter;
  AhnenDB->insert(p);
  return p.Id;
}

inline std::string Caption(int id) { return AhnenDB->personText(id); }

// A view of the person, shown and active, as the view manager would leave it.
inline TPersonStdView* OpenView(int id) {
  auto* view = new TPersonStdView;
  view->setPerson(AhnenDB->getPerson(id));
  view->show();
  QApplication::setActiveWindow(view);
  if (!QTest::qWaitForWindowActive(view)) qWarning("view not active");
  return view;
}

// Closes the view without questions and lets it go.
inline void Discard(TPersonStdView* view) {
  QPointer<TPersonStdView> guard(view);
  if (!guard) return;
  delete view;
}

template <class T>
T* Child(QWidget* parent, const char* name) {
  T* w = parent->findChild<T*>(QString::fromLatin1(name));
  if (!w) qWarning("no child %s", name);
  return w;
}

inline void ShowPage(TPersonStdView* view, int page) {
  Child<QTabWidget>(view, "PageControl")->setCurrentIndex(page);
}

// Drags the person onto the list and drops it there; false when the list
// did not take the drag.
inline bool DropPerson(QWidget* list, int personId) {
  auto* view = qobject_cast<QAbstractItemView*>(list);
  QWidget* target = view ? view->viewport() : list;
  const std::unique_ptr<QMimeData> data = TViewManager::PersonMime({personId});
  const QPoint at(5, 5);
  QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  if (!enter.isAccepted()) return false;
  QDragMoveEvent move(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &move);
  if (!move.isAccepted()) return false;
  QDropEvent drop(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &drop);
  return drop.isAccepted();
}

// Types into a field that takes the focus first (date fields enter their
// entry form then).
inline void TypeInto(QWidget* field, const QString& text) {
  field->setFocus(Qt::TabFocusReason);
  QWidget* target = field;
  if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->lineEdit()) target = combo->lineEdit();
  QTest::keyClicks(target, text);
}

inline QStringList Entries(const QListWidget* list) {
  QStringList texts;
  for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
  return texts;
}

inline QString Last(const TScriptedPrompter& p) {
  return p.asked.empty() ? QString() : ToQ(p.asked.back().text);
}

}  // namespace pvtest
