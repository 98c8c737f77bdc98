// The main window as the host of the core: log, status line, the window
// steps of opening and closing a database, and the person views that
// changes of the database affect.
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include "core/Configuration.h"
#include "ui/AhnenView.h"
#include "ui/DeskView.h"
#include "ui/DialogRunner.h"
#include "ui/MenuCommands.h"
#include "ui/QtText.h"
#include "ui/SchluesselWorteDlg.h"
#include "ui/ViewManager.h"

void TDeskView::Log(const std::string& text) { logWindow_->appendPlainText(ToQ(text)); }

void TDeskView::ShowStatus(const std::string& text) {
  statusBar()->showMessage(ToQ(text));
  statusTimer_->start();
}

void TDeskView::ShowStatusFixed(const std::string& text) {
  statusTimer_->stop();
  statusBar()->showMessage(ToQ(text));
}

void TDeskView::ProcessMessages() { QCoreApplication::processEvents(); }

void TDeskView::SetCaption(const std::string& caption) { setWindowTitle(ToQ(caption)); }

void TDeskView::EnableDatabaseCommands(bool enabled, bool showToolbar) {
  for (QAction* a : databaseCommands_) EnableCommand(a, enabled);
  findChild<QAction*>(QStringLiteral("WerkzeugleisteItem"))->setChecked(showToolbar);
  toolBar_->setVisible(showToolbar);
  UpdateWritingCommands();
}

void TDeskView::ApplyDisplaySettings(const DisplayFlags& flags) {
  findChild<QAction*>(QStringLiteral("NeueFensterItem"))->setChecked(flags.neueFenster);
  findChild<QAction*>(QStringLiteral("KomplexeSucheItem"))->setChecked(flags.komplexeSuche);
  findChild<QAction*>(QStringLiteral("WerkzeugleisteItem"))->setChecked(flags.werkzeugleiste);
  findChild<QAction*>(QStringLiteral("StatuszeileItem"))->setChecked(flags.statuszeile);
  toolBar_->setVisible(flags.werkzeugleiste);
  statusBar()->setVisible(flags.statuszeile);
  extendedSearch_ = flags.komplexeSuche;
}

void TDeskView::SelectSearchDialog(bool extended) { extendedSearch_ = extended; }

void TDeskView::ShowKeywordBuildDialog() {
  // A read-only database gets no keywords written.
  if (!Config || Config->NurLesen) return;
  // The opening is not over yet: the commands already show the open database.
  UpdateWritingCommands();
  TSchluesselWorteDlg dialog(this, true);
  ExecDialog(dialog);
}

void TDeskView::OpeningFailed() { EnableDatabaseCommands(false, false); }

bool TDeskView::CloseChildWindows() {
  const QList<QMdiSubWindow*> windows = mdi_->subWindowList(QMdiArea::CreationOrder);
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    QPointer<QMdiSubWindow> w = *it;
    if (!w || !views_->OpenWindowOf(w)) continue;
    try {
      mdi_->setActiveSubWindow(w);
      w->close();
    } catch (const std::exception&) {
      // A window that fails while closing is asked no further.
    }
    ProcessMessages();
  }
  for (QMdiSubWindow* w : mdi_->subWindowList())
    if (views_->OpenWindowOf(w)) return false;
  return true;
}

bool TDeskView::ClosePersonView(int id) {
  TAhnenView* view = views_->FindPersonView(id);
  if (!view) return true;
  QMdiSubWindow* sub = views_->SubWindowOf(view);
  return sub ? sub->close() : view->close();
}

void TDeskView::DropMarriage(int viewPersonId, int marriageId) {
  if (TAhnenView* view = views_->FindPersonView(viewPersonId)) view->DropMarriage(marriageId);
}

void TDeskView::RefreshChildren(int personId) {
  if (TAhnenView* view = views_->FindPersonView(personId)) view->RefreshChildren();
}

void TDeskView::RefreshLinks(int personId) {
  if (TAhnenView* view = views_->FindPersonView(personId)) view->RefreshLinks();
}

void TDeskView::PersonDeleted(int id) {
  // The selection, favourites and result lists drop the id once they exist;
  // the person's own data view was closed before the deletion.
}
