// TKindZuElternView ("Elternteil zuordnen"): asks whether a child just
// assigned to one parent also gets one of that parent's partners as its
// other parent. "&Ja" accepts with the selected partner, "&Nein" rejects.
#pragma once

#include <QDialog>
#include <vector>

class QListWidget;

class TKindZuElternView : public QDialog {
  Q_OBJECT

 public:
  // partners: the list captions; the first is selected.
  TKindZuElternView(QWidget* parent, const QString& text, const std::vector<QString>& partners);
  // The selected row, -1 when none.
  int SelectedPartner() const;

 private:
  QListWidget* list_ = nullptr;
};
