#include "ui/KinderZuordnenDlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setAutoDefault(false);
  return b;
}

QListWidget* MakeList(QWidget* parent, const char* name) {
  auto* l = new QListWidget(parent);
  l->setObjectName(QString::fromLatin1(name));
  l->setSelectionMode(QAbstractItemView::ExtendedSelection);
  l->setMinimumWidth(260);
  return l;
}

}  // namespace

TKinderZuordnenDlg::TKinderZuordnenDlg(QWidget* parent, const QString& text,
                                       const std::vector<std::pair<int, QString>>& available)
    : QDialog(parent) {
  setObjectName(QStringLiteral("KinderZuordnenDlg"));
  setWindowTitle(QStringLiteral("Kinder zuordnen"));
  auto* layout = new QVBoxLayout(this);
  info_ = new QLabel(text, this);
  info_->setObjectName(QStringLiteral("InfoLabel"));
  info_->setWordWrap(true);
  layout->addWidget(info_);

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(QStringLiteral("Verfügbare Kinder:"), this), 0, 0);
  grid->addWidget(new QLabel(QStringLiteral("Zugeordnete Kinder:"), this), 0, 2);
  left_ = MakeList(this, "VerfuegbarList");
  right_ = MakeList(this, "ZugeordnetList");
  grid->addWidget(left_, 1, 0);
  grid->addWidget(right_, 1, 2);
  auto* moves = new QVBoxLayout;
  toRight_ = MakeButton(this, "RechtsBtn", QStringLiteral(">"));
  allToRight_ = MakeButton(this, "AlleRechtsBtn", QStringLiteral(">>"));
  toLeft_ = MakeButton(this, "LinksBtn", QStringLiteral("<"));
  allToLeft_ = MakeButton(this, "AlleLinksBtn", QStringLiteral("<<"));
  moves->addStretch();
  for (QPushButton* b : {toRight_, allToRight_, toLeft_, allToLeft_}) moves->addWidget(b);
  moves->addStretch();
  grid->addLayout(moves, 1, 1);
  layout->addLayout(grid, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  QPushButton* ok = MakeButton(this, "OkBtn", QStringLiteral("&Ok"));
  ok->setDefault(true);
  QPushButton* cancel = MakeButton(this, "AbbrechenBtn", QStringLiteral("&Abbrechen"));
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);

  for (const auto& [id, caption] : available) {
    auto* it = new QListWidgetItem(caption, left_);
    it->setData(Qt::UserRole, id);
  }
  connect(toRight_, &QPushButton::clicked, this, [this] { Move(left_, right_, false); });
  connect(allToRight_, &QPushButton::clicked, this, [this] { Move(left_, right_, true); });
  connect(toLeft_, &QPushButton::clicked, this, [this] { Move(right_, left_, false); });
  connect(allToLeft_, &QPushButton::clicked, this, [this] { Move(right_, left_, true); });
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  UpdateButtons();
}

std::vector<int> TKinderZuordnenDlg::AssignedIds() const {
  std::vector<int> ids;
  for (int i = 0; i < right_->count(); ++i) ids.push_back(right_->item(i)->data(Qt::UserRole).toInt());
  return ids;
}

void TKinderZuordnenDlg::Move(QListWidget* from, QListWidget* to, bool all) {
  int first = -1;
  if (all) {
    if (from->count() > 0) first = 0;
    while (from->count() > 0) to->addItem(from->takeItem(0));
  } else {
    // From the last to the first, so the marked entries arrive reversed.
    for (int i = from->count() - 1; i >= 0; --i) {
      if (!from->item(i)->isSelected()) continue;
      first = i;
      to->addItem(from->takeItem(i));
    }
  }
  to->clearSelection();
  from->clearSelection();
  if (first >= 0 && from->count() > 0) {
    const int keep = qMin(first, from->count() - 1);
    from->setCurrentRow(keep);
    from->item(keep)->setSelected(true);
  }
  from->setFocus();
  UpdateButtons();
}

void TKinderZuordnenDlg::UpdateButtons() {
  toRight_->setEnabled(left_->count() > 0);
  allToRight_->setEnabled(left_->count() > 0);
  toLeft_->setEnabled(right_->count() > 0);
  allToLeft_->setEnabled(right_->count() > 0);
}
