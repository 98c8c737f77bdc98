#include "ui/PersonStdControls.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QSignalBlocker>

#include "core/Configuration.h"
#include "ui/QtText.h"
#include "ui/ViewManager.h"

TListCombo::TListCombo(QWidget* parent, THelperList list) : TRComboBox(parent, true), list_(list) {
  // Long helper lists must not make the field as wide as their longest entry.
  setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  setMinimumContentsLength(8);
  setMaxVisibleItems(20);
  Fill();
}

void TListCombo::Fill() {
  if (list_ == THelperList::None || !Config) return;
  std::vector<std::string> entries;
  switch (list_) {
    case THelperList::Surnames: Config->LoadNameList(entries); break;
    case THelperList::FirstNames: Config->LoadFirstNameList(entries); break;
    case THelperList::Places: Config->LoadPlaceList(entries); break;
    case THelperList::Sources: Config->LoadSourceList(entries); break;
    case THelperList::Occupations: Config->LoadOccupationList(entries); break;
    case THelperList::Religions: Config->LoadReligionList(entries); break;
    case THelperList::Countries: Config->LoadCountryList(entries); break;
    case THelperList::None: break;
  }
  // Adding to an empty combo selects the first entry; the text must stay.
  const QSignalBlocker quiet(this);
  const QString text = currentText();
  clear();
  for (const std::string& e : entries) addItem(ToQ(e));
  setCurrentIndex(-1);
  setEditText(text);
}

void TListCombo::SetText(const QString& text) {
  const QSignalBlocker quiet(this);
  setCurrentIndex(-1);
  setEditText(text);
}

void TListCombo::showPopup() {
  if (count() == 0) Fill();
  TRComboBox::showPopup();
}

TPersonDropList::TPersonDropList(QWidget* parent) : QListWidget(parent) {
  setAcceptDrops(true);
  viewport()->setAcceptDrops(true);
  setDragDropMode(QAbstractItemView::DropOnly);
  setSelectionMode(QAbstractItemView::SingleSelection);
}

int TPersonDropList::ItemValue(int row) const {
  const QListWidgetItem* it = item(row);
  return it ? it->data(Qt::UserRole).toInt() : -1;
}

int TPersonDropList::SelectedValue() const {
  const QList<QListWidgetItem*> items = selectedItems();
  return items.isEmpty() ? -1 : items.front()->data(Qt::UserRole).toInt();
}

void TPersonDropList::AddEntry(const QString& text, int value) {
  auto* it = new QListWidgetItem(text, this);
  it->setData(Qt::UserRole, value);
}

bool TPersonDropList::Offered(const QMimeData* data) const {
  return data && data->hasFormat(QString::fromLatin1(kPersonMimeType)) && accepts && accepts();
}

void TPersonDropList::dragEnterEvent(QDragEnterEvent* event) {
  // A person is always taken here, even when refused below, so that the
  // drag does not pass on to the view (which would show the person).
  if (event->mimeData() && event->mimeData()->hasFormat(QString::fromLatin1(kPersonMimeType))) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void TPersonDropList::dragMoveEvent(QDragMoveEvent* event) {
  if (Offered(event->mimeData())) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void TPersonDropList::dropEvent(QDropEvent* event) {
  if (!Offered(event->mimeData())) {
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    return;
  }
  const std::vector<int> ids = TViewManager::PersonIds(event->mimeData());
  event->acceptProposedAction();
  if (!ids.empty() && dropped) dropped(ids.front());
}

void TPersonDropList::mousePressEvent(QMouseEvent* event) {
  emit clickedInto();
  QListWidget::mousePressEvent(event);
}

void TPersonDropList::focusInEvent(QFocusEvent* event) {
  emit clickedInto();
  QListWidget::focusInEvent(event);
}

TPersonDragButton::TPersonDragButton(QWidget* parent) : QToolButton(parent) {}

void TPersonDragButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    pressAt_ = event->position().toPoint();
    pressed_ = true;
  }
  QToolButton::mousePressEvent(event);
}

void TPersonDragButton::mouseMoveEvent(QMouseEvent* event) {
  if (!pressed_ || !(event->buttons() & Qt::LeftButton) || !personId) return QToolButton::mouseMoveEvent(event);
  if ((event->position().toPoint() - pressAt_).manhattanLength() < QApplication::startDragDistance()) return;
  pressed_ = false;
  setDown(false);
  const int id = personId();
  if (id <= 0) return;
  auto* drag = new QDrag(this);
  drag->setMimeData(TViewManager::PersonMime({id}).release());
  drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::CopyAction);
}
