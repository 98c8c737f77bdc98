// TRComboBox: a combo box for values from a helper list. Editable ones
// complete the value being typed from the list (several values separated by
// ";" or "," each on its own) and can start with a capital; any can be read-only.
#pragma once

#include <QComboBox>

class TREdit;

// Completion: after each edit by the user, unless the last key was Backspace
// or Delete, and only with the cursor at the end of the text (completing
// there must not move a cursor standing inside the text).
// Read-only: keys, mouse, wheel and clipboard change nothing and the list
// does not drop down; setCurrentIndex and setEditText still work.
// Keep the editable state given at construction (setEditable would replace
// the edit field and lose completion and capitals).
class TRComboBox : public QComboBox {
  Q_OBJECT

 public:
  explicit TRComboBox(QWidget* parent = nullptr, bool editable = true);

  bool StartWithUpper() const;
  // Only editable combo boxes have a text to start.
  void SetStartWithUpper(bool on);

  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);

  void showPopup() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void Complete(const QString& text);

  TREdit* edit_ = nullptr;
  bool readOnly_ = false;
};

// Where the value being typed starts in text: after the last ";", then
// after the last "," behind it, blanks on its left skipped.
int CompletionFragmentStart(const QString& text);
