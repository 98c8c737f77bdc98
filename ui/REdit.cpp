#include "ui/REdit.h"

#include <QKeyEvent>

TREdit::TREdit(QWidget* parent) : QLineEdit(parent) {}

void TREdit::keyPressEvent(QKeyEvent* event) {
  const QString typed = event->text();
  const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  if (startWithUpper_ && text().isEmpty() && !command && typed.size() == 1 && typed[0] >= 'a' &&
      typed[0] <= 'z') {
    QKeyEvent upper(event->type(), event->key(), event->modifiers(), typed.toUpper(),
                    event->isAutoRepeat(), event->count());
    QLineEdit::keyPressEvent(&upper);
    event->setAccepted(upper.isAccepted());
    return;
  }
  QLineEdit::keyPressEvent(event);
}
