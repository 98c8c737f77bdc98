#include "ui/RComboBox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include "ui/REdit.h"

namespace {

// The combo's edit field; it remembers whether the last key deleted, which
// turns completion off for that change.
class TComboEdit : public TREdit {
 public:
  using TREdit::TREdit;
  bool LastKeyDeleted() const { return lastKeyDeleted_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    lastKeyDeleted_ = event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete;
    TREdit::keyPressEvent(event);
  }

 private:
  bool lastKeyDeleted_ = false;
};

int SkipBlanks(const QString& text, int from) {
  while (from < text.size() && text[from].isSpace()) ++from;
  return from;
}

}  // namespace

int CompletionFragmentStart(const QString& text) {
  int start = SkipBlanks(text, text.lastIndexOf(';') + 1);
  const int comma = text.lastIndexOf(',');
  if (comma >= start) start = SkipBlanks(text, comma + 1);
  return start;
}

TRComboBox::TRComboBox(QWidget* parent, bool editable) : QComboBox(parent) {
  if (!editable) return;
  setEditable(true);
  edit_ = new TComboEdit(this);
  setLineEdit(edit_);
  // Our own completion replaces Qt's; typed values never join the list.
  setCompleter(nullptr);
  setInsertPolicy(QComboBox::NoInsert);
  connect(edit_, &QLineEdit::textEdited, this, &TRComboBox::Complete);
}

bool TRComboBox::StartWithUpper() const { return edit_ && edit_->StartWithUpper(); }

void TRComboBox::SetStartWithUpper(bool on) {
  if (edit_) edit_->SetStartWithUpper(on);
}

void TRComboBox::SetReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  if (edit_) edit_->setReadOnly(readOnly);
  if (readOnly) hidePopup();
}

void TRComboBox::Complete(const QString& text) {
  if (readOnly_ || count() == 0) return;
  if (static_cast<TComboEdit*>(edit_)->LastKeyDeleted()) return;
  if (edit_->cursorPosition() != text.size() || edit_->hasSelectedText()) return;
  const int start = CompletionFragmentStart(text);
  // Upper-casing each side on its own keeps the positions in text right even
  // where a capital is longer than its small letter ("ß").
  const QString fragment = text.mid(start).toUpper();
  if (fragment.isEmpty()) return;
  for (int i = 0; i < count(); ++i) {
    const QString item = itemText(i);
    if (!item.toUpper().startsWith(fragment)) continue;
    const QString completed = text.left(start) + item;
    const int typedEnd = qMin(text.size(), completed.size());
    edit_->setText(completed);
    edit_->setSelection(typedEnd, completed.size() - typedEnd);
    return;
  }
}

void TRComboBox::showPopup() {
  if (!readOnly_) QComboBox::showPopup();
}

void TRComboBox::keyPressEvent(QKeyEvent* event) {
  if (readOnly_) {
    event->ignore();
    return;
  }
  QComboBox::keyPressEvent(event);
}

void TRComboBox::keyReleaseEvent(QKeyEvent* event) {
  if (readOnly_) {
    event->ignore();
    return;
  }
  QComboBox::keyReleaseEvent(event);
}

void TRComboBox::mousePressEvent(QMouseEvent* event) {
  if (readOnly_) return event->accept();
  QComboBox::mousePressEvent(event);
}

void TRComboBox::mouseReleaseEvent(QMouseEvent* event) {
  if (readOnly_) return event->accept();
  QComboBox::mouseReleaseEvent(event);
}

void TRComboBox::mouseDoubleClickEvent(QMouseEvent* event) {
  if (readOnly_) return event->accept();
  QComboBox::mouseDoubleClickEvent(event);
}

void TRComboBox::wheelEvent(QWheelEvent* event) {
  if (readOnly_) {
    event->ignore();
    return;
  }
  QComboBox::wheelEvent(event);
}
