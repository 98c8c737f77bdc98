// Controls of the person data view: combo boxes that take their entries
// from a helper list of the database (filled on creation and again when
// dropped down empty), lists that accept dropped persons, and the drag
// handle that carries the shown person to other windows.
#pragma once

#include <QListWidget>
#include <QToolButton>
#include <functional>

#include "ui/RComboBox.h"

enum class THelperList { None, Surnames, FirstNames, Places, Sources, Occupations, Religions, Countries };

class TListCombo : public TRComboBox {
  Q_OBJECT

 public:
  TListCombo(QWidget* parent, THelperList list);
  // Reads the helper list again; the text typed stays.
  void Fill();
  QString Text() const { return currentText(); }
  // Sets the text without the change signal of an edit.
  void SetText(const QString& text);
  void showPopup() override;

 private:
  THelperList list_;
};

// A list of the relation page. Items carry a number in Qt::UserRole (a person
// id, or the index of a marriage or link). Drags of the person MIME type stop
// here; `accepts` decides whether they may drop, and `dropped` gets the
// first id.
class TPersonDropList : public QListWidget {
  Q_OBJECT

 public:
  explicit TPersonDropList(QWidget* parent = nullptr);

  std::function<bool()> accepts;
  std::function<void(int personId)> dropped;
  int ItemValue(int row) const;
  int SelectedValue() const;  // -1 when nothing is selected
  void AddEntry(const QString& text, int value);

 signals:
  // A click into the list (so that the other lists let go of their selection).
  void clickedInto();

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  bool Offered(const QMimeData* data) const;
};

// The drag handle: pressing and moving starts a drag of the person `personId()`.
class TPersonDragButton : public QToolButton {
  Q_OBJECT

 public:
  explicit TPersonDragButton(QWidget* parent = nullptr);
  std::function<int()> personId;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QPoint pressAt_;
  bool pressed_ = false;
};
