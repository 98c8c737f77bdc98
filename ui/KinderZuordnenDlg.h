// TKinderZuordnenDlg ("Kinder zuordnen"): picks, from a list of children,
// those that get a new parent. Two multi-select lists with move buttons;
// the result is the right-hand list in its order after "&Ok".
#pragma once

#include <QDialog>
#include <utility>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

class TKinderZuordnenDlg : public QDialog {
  Q_OBJECT

 public:
  // available: person id and list caption of each child, in list order.
  TKinderZuordnenDlg(QWidget* parent, const QString& text, const std::vector<std::pair<int, QString>>& available);

  // The ids in "Zugeordnete Kinder:", top to bottom.
  std::vector<int> AssignedIds() const;

 private:
  // Moves the marked entries (all when `all`) from one list to the other.
  void Move(QListWidget* from, QListWidget* to, bool all);
  void UpdateButtons();

  QLabel* info_ = nullptr;
  QListWidget* left_ = nullptr;
  QListWidget* right_ = nullptr;
  QPushButton* toRight_ = nullptr;
  QPushButton* allToRight_ = nullptr;
  QPushButton* toLeft_ = nullptr;
  QPushButton* allToLeft_ = nullptr;
};
