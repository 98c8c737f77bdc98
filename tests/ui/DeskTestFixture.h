// The fixture of the main-window command tests: a temporary directory for
// the database and the per-user store, a scripted prompter, and helpers that
// read the state of a command by its object name.
#pragma once

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTemporaryDir>
#include <QToolButton>

#include "core/Prompter.h"
#include "core/UserStore.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/DeskView.h"
#include "ui/DialogRunner.h"
#include "ui/FileChooser.h"
#include "ui/ViewManager.h"

namespace uitest {

inline bool Enabled(TDeskView& w, const QString& name) {
  if (QMenu* menu = w.findChild<QMenu*>(name)) return menu->menuAction()->isEnabled();
  if (QAction* a = w.findChild<QAction*>(name)) return a->isEnabled();
  if (QToolButton* b = w.findChild<QToolButton*>(name)) return b->isEnabled();
  qFatal("no command %s", qPrintable(name));
}

inline TTestView* ActiveTestView(TDeskView& w) { return qobject_cast<TTestView*>(w.Views()->ActiveView()); }

class TDeskFixture {
 protected:
  void Init() {
    tmp_ = new QTemporaryDir;
    qputenv("XDG_CONFIG_HOME", tmp_->filePath("config").toUtf8());
    userstore::Reset();
    prompter_ = TScriptedPrompter{};
  }
  void Cleanup() {
    SetFileChooser({});
    SetDialogRunner({});
    QApplication::clipboard()->clear();
    delete tmp_;
  }
  QString Project(const QByteArray& text = "[Allgemein]\r\nTitel=Test\r\n") {
    return MakeDatabase(tmp_->filePath("db"), text);
  }
  std::string Warning() const {
    return prompter_.asked.empty() ? std::string() : prompter_.asked.back().text;
  }

  QTemporaryDir* tmp_ = nullptr;
  TScriptedPrompter prompter_;
};

}  // namespace uitest
