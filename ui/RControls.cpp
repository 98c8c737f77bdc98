#include "ui/RControls.h"

#include <QKeyEvent>
#include <optional>

namespace {

// What a read-only button does with an event: nullopt lets the button
// handle it, otherwise the result for event().
std::optional<bool> ReadOnlyFilter(QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Shortcut:
      event->accept();
      return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
      // Tab still moves on; other keys go to the window (Return, Escape).
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Tab || key == Qt::Key_Backtab) return std::nullopt;
      event->ignore();
      return false;
    }
    default:
      return std::nullopt;
  }
}

}  // namespace

TRCheckBox::TRCheckBox(QWidget* parent) : QCheckBox(parent) {}
TRCheckBox::TRCheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent) {}

bool TRCheckBox::event(QEvent* event) {
  if (readOnly_) {
    if (const auto result = ReadOnlyFilter(event)) return *result;
  }
  return QCheckBox::event(event);
}

TRRadioButton::TRRadioButton(QWidget* parent) : QRadioButton(parent) {}
TRRadioButton::TRRadioButton(const QString& text, QWidget* parent) : QRadioButton(text, parent) {}

bool TRRadioButton::event(QEvent* event) {
  if (readOnly_) {
    if (const auto result = ReadOnlyFilter(event)) return *result;
  }
  return QRadioButton::event(event);
}

TRButton::TRButton(QWidget* parent) : QPushButton(parent) {}
TRButton::TRButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

void TRButton::SetReadOnly(bool readOnly) {
  // Only a change of mode touches the visibility the window gave the button.
  if (readOnly == readOnly_) return;
  readOnly_ = readOnly;
  setVisible(!readOnly);
}
