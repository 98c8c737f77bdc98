// Drags over and drops onto the person data view outside its relation
// lists: the view comes to the front, the tabs of the relation pages open,
// and a person dropped there is shown, unless it comes from a person data view.
#include <QDragEnterEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>

#include "db/AhnenDB.h"
#include "ui/PersonStdViewPrivate.h"
#include "ui/RImage.h"
#include "ui/ViewManager.h"

namespace {

TPersonStdView* OwningPersonView(QObject* source) {
  for (QObject* o = source; o; o = o->parent())
    if (auto* view = qobject_cast<TPersonStdView*>(o)) return view;
  return nullptr;
}

}  // namespace

void TPersonStdView::dragEnterEvent(QDragEnterEvent* event) {
  if (!event->mimeData()->hasFormat(QString::fromLatin1(kPersonMimeType))) return event->ignore();
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
    if (sub->mdiArea()) sub->mdiArea()->setActiveSubWindow(sub);
  } else if (!isActiveWindow()) {
    raise();
  }
  // Accepted everywhere, so that moving over the tabs can open a page.
  event->acceptProposedAction();
}

void TPersonStdView::dragMoveEvent(QDragMoveEvent* event) {
  QTabBar* tabs = PageControl->tabBar();
  const QPoint onTabs = tabs->mapFrom(this, event->position().toPoint());
  const int tab = tabs->rect().contains(onTabs) ? tabs->tabAt(onTabs) : -1;
  if (tab == ppEhe || tab == ppElternKinder) PageControl->setCurrentIndex(tab);
  if (OwningPersonView(event->source())) {
    event->ignore();
  } else {
    event->acceptProposedAction();
  }
}

void TPersonStdView::dropEvent(QDropEvent* event) {
  // A person data view hands its person over only onto the relation lists.
  if (OwningPersonView(event->source())) return event->ignore();
  event->acceptProposedAction();
  QWidget* source = qobject_cast<QWidget*>(event->source());
  if (ViewManager()) {
    ViewManager()->ViewFromDragDrop(this, event->mimeData(), source);
    return;
  }
  const std::vector<int> ids = TViewManager::PersonIds(event->mimeData());
  if (!ids.empty() && AhnenDB) ChangePerson(AhnenDB->getPerson(ids.front()));
}

bool TPersonStdView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Foto && event->type() == QEvent::MouseButtonDblClick) {
    FotoDoubleClicked();
    return true;
  }
  if (Diverses && watched == Diverses->widget() && event->type() == QEvent::Resize) {
    for (std::size_t i = 0; i < diverseRows_.Count(); ++i) diverseRows_[i].SetRow(static_cast<int>(i));
  }
  return TAhnenView::eventFilter(watched, event);
}
