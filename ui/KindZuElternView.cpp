#include "ui/KindZuElternView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TKindZuElternView::TKindZuElternView(QWidget* parent, const QString& text, const std::vector<QString>& partners)
    : QDialog(parent) {
  setObjectName(QStringLiteral("KindZuElternView"));
  setWindowTitle(QStringLiteral("Elternteil zuordnen"));
  auto* layout = new QVBoxLayout(this);
  auto* info = new QLabel(text, this);
  info->setObjectName(QStringLiteral("InfoLabel"));
  info->setWordWrap(true);
  layout->addWidget(info);
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("PartnerList"));
  list_->setMinimumWidth(360);
  for (const QString& p : partners) list_->addItem(p);
  if (list_->count() > 0) list_->setCurrentRow(0);
  layout->addWidget(list_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  auto* yes = new QPushButton(QStringLiteral("&Ja"), this);
  yes->setObjectName(QStringLiteral("JaBtn"));
  yes->setDefault(true);
  auto* no = new QPushButton(QStringLiteral("&Nein"), this);
  no->setObjectName(QStringLiteral("NeinBtn"));
  buttons->addWidget(yes);
  buttons->addWidget(no);
  layout->addLayout(buttons);
  connect(yes, &QPushButton::clicked, this, &QDialog::accept);
  connect(no, &QPushButton::clicked, this, &QDialog::reject);
  connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

int TKindZuElternView::SelectedPartner() const { return list_->currentRow(); }
