// TREdit: a one-line edit field that can start its text with a capital.
// With StartWithUpper, a lower-case "a" to "z" typed into the empty field is
// entered as its capital; every other key, umlauts included, as typed.
#pragma once

#include <QLineEdit>

class TREdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit TREdit(QWidget* parent = nullptr);

  bool StartWithUpper() const { return startWithUpper_; }
  void SetStartWithUpper(bool on) { startWithUpper_ = on; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool startWithUpper_ = false;
};
