#include "ui/LinkView.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kLinkTextWidth = 40;
}

TlinkView::TlinkView(QWidget* parent, const QString& personCaption, const QString& text, bool readOnly)
    : QDialog(parent) {
  setObjectName(QStringLiteral("LinkView"));
  setWindowTitle(QStringLiteral("Weitere Beziehung"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  auto* person = new QLabel(personCaption, this);
  person->setObjectName(QStringLiteral("PersonLabel"));
  form->addRow(QStringLiteral("Beziehung zu Person:"), person);
  text_ = new QLineEdit(text, this);
  text_->setObjectName(QStringLiteral("BeziehungText"));
  text_->setMaxLength(kLinkTextWidth);
  text_->setReadOnly(readOnly);
  text_->setMinimumWidth(320);
  form->addRow(QStringLiteral("Art der Beziehung:"), text_);
  layout->addLayout(form);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  auto* save = new QPushButton(QStringLiteral("&Speichern"), this);
  save->setObjectName(QStringLiteral("SpeichernBtn"));
  save->setDefault(true);
  save->setVisible(!readOnly);
  auto* cancel = new QPushButton(QStringLiteral("&Abbrechen"), this);
  cancel->setObjectName(QStringLiteral("AbbrechenBtn"));
  buttons->addWidget(save);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
  connect(save, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString TlinkView::Text() const { return text_->text().left(kLinkTextWidth); }
