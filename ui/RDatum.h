// TRDatum: the date entry control. It holds a date string "yyyy.mm.dd" and
// shows it in its short display form; while focused it offers dd.mm.yyyy
// under a digit mask, and only a checked entry ever reaches Datum.
#pragma once

#include <QLineEdit>
#include <string>

// Signals, and what never emits them:
// - DatumChanged() follows a user entry that was accepted (on leaving, or by
//   ApplyEntry) and changed Datum. SetDatum never emits it.
// - textChanged / textEdited come only from real edits of the entry text;
//   the control's own rewrites (entering, leaving, SetDatum) are silent.
// Leaving without having typed anything leaves Datum exactly as it was.
class TRDatum : public QLineEdit {
  Q_OBJECT

 public:
  explicit TRDatum(QWidget* parent = nullptr);

  // The committed date; while the user types, still the value before.
  const std::string& Datum() const { return datum_; }
  // Stores the first 10 characters and shows them; while the entry form is
  // up, the entry form of the new value replaces what was typed.
  void SetDatum(const std::string& datum);

  bool ReadOnly() const { return isReadOnly(); }
  // Read-only: no entry form, no editing. Switching on while the entry form
  // is up drops what was typed.
  void SetReadOnly(bool readOnly);

  // Checks and takes over what is typed, as leaving the control does, but
  // keeps the focus (for saving while the control still has it). On an
  // invalid entry the error box is shown and false is returned.
  bool ApplyEntry();
  bool InEntryMode() const { return entryMode_; }

 signals:
  void DatumChanged();

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void EnterEntryMode();
  void ShowDisplayForm();
  // Sets the text with every signal held back.
  void Rewrite(const QString& text);

  std::string datum_;
  bool entryMode_ = false;
  bool edited_ = false;
};

// The unfocused form: 05.01.1900, "Jan 1900", "1900" or nothing.
QString DatumDisplayText(const std::string& datum);
// The entry form dd.mm.yyyy, zeros for unknown or missing parts.
QString DatumEntryText(const std::string& datum);
