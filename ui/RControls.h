// Check box, radio button and push button with a read-only mode, for the
// windows that show a record without letting it be changed. Read-only check
// and radio buttons ignore mouse, keys and shortcuts; setChecked still works.
#pragma once

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

class TRCheckBox : public QCheckBox {
  Q_OBJECT

 public:
  explicit TRCheckBox(QWidget* parent = nullptr);
  explicit TRCheckBox(const QString& text, QWidget* parent = nullptr);

  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }

 protected:
  bool event(QEvent* event) override;

 private:
  bool readOnly_ = false;
};

// In read-only mode the arrow keys do not move the choice within the group.
class TRRadioButton : public QRadioButton {
  Q_OBJECT

 public:
  explicit TRRadioButton(QWidget* parent = nullptr);
  explicit TRRadioButton(const QString& text, QWidget* parent = nullptr);

  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }

 protected:
  bool event(QEvent* event) override;

 private:
  bool readOnly_ = false;
};

// A button for a change; going read-only hides it, leaving read-only shows it
// again.
class TRButton : public QPushButton {
  Q_OBJECT

 public:
  explicit TRButton(QWidget* parent = nullptr);
  explicit TRButton(const QString& text, QWidget* parent = nullptr);

  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);

 private:
  bool readOnly_ = false;
};
