// The main window's commands on what is open: clipboard commands on the
// focused text control, persons, display settings, child windows, drops of
// persons and the weekday hints of date fields.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolBar>
#include <QToolTip>

#include "core/Configuration.h"
#include "core/Dates.h"
#include "db/AhnenDB.h"
#include "ui/AhnenView.h"
#include "ui/DBLogDlg.h"
#include "ui/DialogRunner.h"
#include "ui/DeskView.h"
#include "ui/QtText.h"
#include "ui/RComboBox.h"
#include "ui/RDatum.h"
#include "ui/SchluesselWorteDlg.h"
#include "ui/ViewManager.h"

namespace {

constexpr int kDateHintMillis = 10000;

// A text control of the clipboard commands; a combo box counts by its edit field.
struct TTextControl {
  QLineEdit* line = nullptr;
  QTextEdit* rich = nullptr;
  QPlainTextEdit* plain = nullptr;
  QWidget* widget = nullptr;  // the control the user sees

  explicit operator bool() const { return line || rich || plain; }

  bool ReadOnly() const {
    if (auto* combo = qobject_cast<TRComboBox*>(widget); combo && combo->ReadOnly()) return true;
    if (line) return line->isReadOnly();
    if (rich) return rich->isReadOnly();
    return plain->isReadOnly();
  }
  bool HasSelection() const {
    if (line) return line->hasSelectedText();
    if (rich) return rich->textCursor().hasSelection();
    return plain->textCursor().hasSelection();
  }
  void Cut() const {
    if (line) line->cut();
    else if (rich) rich->cut();
    else plain->cut();
  }
  void Copy() const {
    if (line) line->copy();
    else if (rich) rich->copy();
    else plain->copy();
  }
  void Paste() const {
    if (line) line->paste();
    else if (rich) rich->paste();
    else plain->paste();
  }
  void DeleteSelection() const {
    if (line) {
      if (line->hasSelectedText()) line->del();
    } else {
      QTextCursor c = rich ? rich->textCursor() : plain->textCursor();
      c.removeSelectedText();
      if (rich) rich->setTextCursor(c);
      else plain->setTextCursor(c);
    }
  }
  void SelectAll() const {
    if (line) line->selectAll();
    else if (rich) rich->selectAll();
    else plain->selectAll();
  }
};

TTextControl TextControlOf(QWidget* w) {
  TTextControl c;
  if (!w) return c;
  // The edit field inside a combo box, or one of its own parts.
  for (QWidget* p = w; p; p = p->parentWidget()) {
    if (auto* combo = qobject_cast<QComboBox*>(p)) {
      if (combo->lineEdit()) {
        c.line = combo->lineEdit();
        c.widget = combo;
      }
      return c;
    }
    if (p->isWindow()) break;
  }
  if ((c.line = qobject_cast<QLineEdit*>(w))) {
  } else if ((c.rich = qobject_cast<QTextEdit*>(w))) {
  } else if (!(c.plain = qobject_cast<QPlainTextEdit*>(w))) {
    // A text area hands the focus to its viewport.
    if (QWidget* parent = w->parentWidget()) {
      c.rich = qobject_cast<QTextEdit*>(parent);
      if (!c.rich) c.plain = qobject_cast<QPlainTextEdit*>(parent);
    }
  }
  c.widget = w;
  return c;
}

bool IsPersonDataView(const TAhnenView* view) { return view && view->ViewKind() == vkPersonData; }

void Tile(QMdiArea* mdi, bool sideBySide) {
  QList<QMdiSubWindow*> windows;
  for (QMdiSubWindow* sub : mdi->subWindowList(QMdiArea::CreationOrder))
    if (!sub->isHidden() && !sub->isMinimized()) windows << sub;
  if (windows.isEmpty()) return;
  const QRect area = mdi->viewport()->rect();
  const int n = static_cast<int>(windows.size());
  for (int i = 0; i < n; ++i) {
    QMdiSubWindow* sub = windows[i];
    if (sub->isMaximized()) sub->showNormal();
    if (sideBySide) {
      const int w = area.width() / n;
      sub->setGeometry(i * w, 0, i == n - 1 ? area.width() - i * w : w, area.height());
    } else {
      const int h = area.height() / n;
      sub->setGeometry(0, i * h, area.width(), i == n - 1 ? area.height() - i * h : h);
    }
  }
}

}  // namespace

// --- "&Bearbeiten" ---------------------------------------------------------------------

namespace {
// The control the clipboard commands act on: the focused one, or else the
// one last focused in the active child window.
TTextControl CommandTarget(TViewManager* views) {
  if (TTextControl c = TextControlOf(QApplication::focusWidget())) return c;
  QWidget* active = views->ActiveWindow();
  return TextControlOf(active ? active->focusWidget() : nullptr);
}
}  // namespace

void TDeskView::CutCommand() {
  if (const TTextControl c = CommandTarget(views_); c && !c.ReadOnly()) c.Cut();
}

void TDeskView::CopyCommand() {
  if (const TTextControl c = CommandTarget(views_)) c.Copy();
}

void TDeskView::PasteCommand() {
  if (const TTextControl c = CommandTarget(views_); c && !c.ReadOnly()) c.Paste();
}

void TDeskView::DeleteTextCommand() {
  if (const TTextControl c = CommandTarget(views_); c && !c.ReadOnly()) c.DeleteSelection();
}

void TDeskView::SelectAllCommand() {
  if (const TTextControl c = CommandTarget(views_)) c.SelectAll();
}

void TDeskView::UpdateEditMenu() {
  const QList<QAction*> items = editMenu_->actions();
  const auto setAll = [&](bool on) {
    for (QAction* a : items) a->setEnabled(on);
  };
  QWidget* active = views_->ActiveWindow();
  if (!active) {
    setAll(false);
    return;
  }
  const TTextControl c = TextControlOf(active->focusWidget());
  if (!c) return;  // another control: the states stay
  if (c.ReadOnly()) {
    setAll(false);
    return;
  }
  const bool selected = c.HasSelection();
  findChild<QAction*>(QStringLiteral("AusschneidenItem"))->setEnabled(selected);
  findChild<QAction*>(QStringLiteral("KopierenItem"))->setEnabled(selected);
  findChild<QAction*>(QStringLiteral("LoeschenTextItem"))->setEnabled(selected);
  findChild<QAction*>(QStringLiteral("EinfuegenItem"))->setEnabled(!QApplication::clipboard()->text().isEmpty());
  findChild<QAction*>(QStringLiteral("AllesAuswaehlenItem"))->setEnabled(true);
}

// --- "&Person" ------------------------------------------------------------------------------

void TDeskView::UpdatePersonMenu() {
  TAhnenView* view = views_ ? views_->ActiveView() : nullptr;
  const bool personView = IsPersonDataView(view);
  const bool writable = DatabaseOpen() && !ReadOnlyDatabase();
  if (QAction* del = findChild<QAction*>(QStringLiteral("LoeschenPersonItem"))) del->setEnabled(writable && personView);
  if (QAction* marriage = findChild<QAction*>(QStringLiteral("EheLoeschenItem")))
    marriage->setEnabled(writable && personView && view->CanDeleteMarriage());
}

void TDeskView::NewPersonCommand() {
  if (!DatabaseOpen() || ReadOnlyDatabase()) return;
  TPerson person;
  AhnenDB->insert(person);
  views_->OpenView(vkPersonData, this, person.Id);
}

void TDeskView::DeletePersonCommand() {
  TAhnenView* view = views_->ActiveView();
  if (!IsPersonDataView(view) || ReadOnlyDatabase()) return;
  // When the view closes with its person, the view manager hears of it
  // from the MDI area; a view that stays (the user said no) stays active.
  view->DeleteCommand();
}

void TDeskView::DeleteMarriageCommand() {
  TAhnenView* view = views_->ActiveView();
  if (!IsPersonDataView(view) || ReadOnlyDatabase() || !view->CanDeleteMarriage()) return;
  view->DeleteMarriageCommand();
}

// --- "&Ansicht" and "&Einstellungen" ---------------------------------------------------------

void TDeskView::ChangeLogCommand() {
  if (!DatabaseOpen()) return;
  for (QMdiSubWindow* sub : mdi_->subWindowList()) {
    if (qobject_cast<TDBLogView*>(views_->OpenWindowOf(sub))) {
      mdi_->setActiveSubWindow(sub);
      return;
    }
  }
  auto* view = new TDBLogView;
  QMdiSubWindow* sub = views_->AddWindow(view);
  sub->resize(640, 420);
  sub->show();
  views_->FitIntoArea(sub);
  mdi_->setActiveSubWindow(sub);
}

void TDeskView::KeywordCommand() {
  if (!DatabaseOpen() || ReadOnlyDatabase()) return;
  TSchluesselWorteDlg dialog(this, false);
  ExecDialog(dialog);
}

void TDeskView::SetExtendedSearchDefault(bool on) {
  // The search windows follow: the one shown by the search commands.
  extendedSearch_ = on;
  if (!Config) return;
  Config->KomplexeSuche = on;
  Config->SaveDisplaySettings();
}

void TDeskView::SetNewWindows(bool on) {
  if (!Config) return;
  Config->NeueFenster = on;
  Config->SaveDisplaySettings();
}

void TDeskView::SetToolbarShown(bool on) {
  toolBar_->setVisible(on);
  if (!Config) return;
  Config->Werkzeugleiste = on;
  Config->SaveDisplaySettings();
}

void TDeskView::SetStatusLineShown(bool on) {
  statusBar()->setVisible(on);
  if (!Config) return;
  Config->Statuszeile = on;
  Config->SaveDisplaySettings();
}

// --- "&Fenster" -------------------------------------------------------------------------------

void TDeskView::TileSideBySide() { Tile(mdi_, true); }

void TDeskView::TileOneBelowTheOther() { Tile(mdi_, false); }

void TDeskView::ArrangeIcons() {
  const QRect area = mdi_->viewport()->rect();
  int x = 0;
  for (QMdiSubWindow* sub : mdi_->subWindowList(QMdiArea::CreationOrder)) {
    if (sub->isHidden() || !sub->isMinimized()) continue;
    if (x > 0 && x + sub->width() > area.width()) x = 0;
    sub->move(x, area.height() - sub->height());
    x += sub->width();
  }
}

void TDeskView::CopyActiveWindowImage() {
  QMdiSubWindow* sub = mdi_->currentSubWindow();
  if (!views_->OpenWindowOf(sub)) return;
  QApplication::clipboard()->setImage(sub->grab().toImage());
}

void TDeskView::CloseAllViews() {
  ProcessMessages();
  const QList<QMdiSubWindow*> windows = mdi_->subWindowList(QMdiArea::CreationOrder);
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    QPointer<QMdiSubWindow> sub = *it;
    if (!sub || !IsPersonDataView(qobject_cast<TAhnenView*>(views_->OpenWindowOf(sub)))) continue;
    mdi_->setActiveSubWindow(sub);
    sub->close();
    ProcessMessages();
  }
  if (auto* view = views_->ActiveView())
    views_->ViewActivated(view);
  else
    views_->ViewDeactivated(this);
}

// --- drops and hints -------------------------------------------------------------------------------

void TDeskView::dragEnterEvent(QDragEnterEvent* event) {
  if (views_->AcceptsDrop(this, event->mimeData(), qobject_cast<QWidget*>(event->source())))
    event->acceptProposedAction();
  else
    event->ignore();
}

void TDeskView::dragMoveEvent(QDragMoveEvent* event) {
  if (views_->AcceptsDrop(this, event->mimeData(), qobject_cast<QWidget*>(event->source())))
    event->acceptProposedAction();
  else
    event->ignore();
}

void TDeskView::dropEvent(QDropEvent* event) {
  QWidget* source = qobject_cast<QWidget*>(event->source());
  if (!views_->AcceptsDrop(this, event->mimeData(), source)) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  Guarded([&] { views_->ViewFromDragDrop(this, event->mimeData(), source); });
}

bool TDeskView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    if (auto* date = qobject_cast<TRDatum*>(watched)) {
      // A complete date shows its weekday; any other shows no hint at all.
      bool complete = false;
      try {
        complete = DateComplete(date->Datum());
      } catch (const std::exception&) {
      }
      if (complete) {
        const auto* help = static_cast<QHelpEvent*>(event);
        QToolTip::showText(help->globalPos(), ToQ(WeekdayName(date->Datum())), date, QRect(), kDateHintMillis);
      } else {
        QToolTip::hideText();
      }
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}
