#include "ui/RDatum.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QSignalBlocker>

#include "core/MonthNames.h"
#include "core/Prompter.h"
#include "ui/QtText.h"

namespace {

const char* const kInvalidDate =
    "Es wurde ein ungültiger Datumswert eingegeben!\n\n"
    "Das gültige Format ist tt.mm.jjjj, wobei\n"
    "tt zwischen 00 und 31, mm zwischen 00 und 12 und\n"
    "jjjj zwischen 0000 und 9999 liegen muss.";

const QString kEntryMask = QStringLiteral("99.99.9999");

// A date set from code may be short; the missing parts count as unknown.
QString Padded(const std::string& datum) {
  QString d = ToQ(datum).left(10);
  const QString none = QStringLiteral("0000.00.00");
  if (d.size() < none.size()) d += none.mid(d.size());
  return d;
}

}  // namespace

QString DatumDisplayText(const std::string& datum) {
  const QString d = Padded(datum);
  const QString year = d.mid(0, 4), month = d.mid(5, 2), day = d.mid(8, 2);
  if (day != QLatin1String("00")) return day + '.' + month + '.' + year;
  if (month != QLatin1String("00")) return ToQ(MonthAbbrev(month.toInt())) + ' ' + year;
  if (year != QLatin1String("0000")) return year;
  return QString();
}

QString DatumEntryText(const std::string& datum) {
  const QString d = Padded(datum);
  return d.mid(8, 2) + '.' + d.mid(5, 2) + '.' + d.mid(0, 4);
}

TRDatum::TRDatum(QWidget* parent) : QLineEdit(parent) {
  connect(this, &QLineEdit::textEdited, this, [this] {
    if (entryMode_) edited_ = true;
  });
}

void TRDatum::SetDatum(const std::string& datum) {
  datum_ = datum.substr(0, 10);
  edited_ = false;
  Rewrite(entryMode_ ? DatumEntryText(datum_) : DatumDisplayText(datum_));
  if (entryMode_) setCursorPosition(0);
}

void TRDatum::SetReadOnly(bool readOnly) {
  setReadOnly(readOnly);
  if (readOnly && entryMode_) {
    ShowDisplayForm();
  } else if (!readOnly && !entryMode_ && hasFocus()) {
    EnterEntryMode();
  }
}

void TRDatum::Rewrite(const QString& text) {
  const QSignalBlocker quiet(this);
  setText(text);
}

void TRDatum::EnterEntryMode() {
  {
    const QSignalBlocker quiet(this);
    setInputMask(kEntryMask);
    setText(DatumEntryText(datum_));
    setCursorPosition(0);
  }
  entryMode_ = true;
  edited_ = false;
}

void TRDatum::ShowDisplayForm() {
  {
    const QSignalBlocker quiet(this);
    setInputMask(QString());
    setText(DatumDisplayText(datum_));
  }
  entryMode_ = false;
  edited_ = false;
}

bool TRDatum::ApplyEntry() {
  if (!entryMode_ || !edited_) return true;
  // The mask shows unfilled positions as blanks; they stand for zeros.
  QString entry = displayText();
  for (int i = 0; i < entry.size(); ++i) {
    if (i != 2 && i != 5 && entry[i] == ' ') entry[i] = '0';
  }
  const int cursor = cursorPosition();
  Rewrite(entry);
  setCursorPosition(cursor);
  const QString day = entry.mid(0, 2), month = entry.mid(3, 2), year = entry.mid(6, 4);
  if (day.toInt() >= 32 || month.toInt() >= 13) {
    ShowErrorBox(kInvalidDate);
    return false;
  }
  const std::string before = datum_.empty() ? std::string("0000.00.00") : datum_;
  datum_ = FromQ(year + '.' + month + '.' + day);
  edited_ = false;
  if (datum_ != before) emit DatumChanged();
  return true;
}

void TRDatum::focusInEvent(QFocusEvent* event) {
  // Coming back after a refused entry or a window switch keeps what is typed.
  if (!entryMode_ && !isReadOnly()) EnterEntryMode();
  QLineEdit::focusInEvent(event);
}

void TRDatum::focusOutEvent(QFocusEvent* event) {
  const Qt::FocusReason reason = event->reason();
  // Another window or a context menu taking the focus is no leaving.
  const bool leaving = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
  if (entryMode_ && leaving) {
    if (isReadOnly() || ApplyEntry()) {
      ShowDisplayForm();
    } else {
      if (isVisible() && isEnabled()) {
        setFocus(Qt::OtherFocusReason);
        if (hasFocus()) return;
      }
      // The focus cannot be held (the control is going away): the entry is
      // dropped and the old date shown again.
      ShowDisplayForm();
    }
  }
  QLineEdit::focusOutEvent(event);
}

void TRDatum::keyPressEvent(QKeyEvent* event) {
  if (entryMode_ && !isReadOnly()) {
    const bool control = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (event->key() == Qt::Key_Backspace || (event->text() == QLatin1String(" ") && !control)) {
      QKeyEvent zero(QEvent::KeyPress, Qt::Key_0, Qt::NoModifier, QStringLiteral("0"));
      QLineEdit::keyPressEvent(&zero);
      event->setAccepted(zero.isAccepted());
      return;
    }
  }
  QLineEdit::keyPressEvent(event);
}
