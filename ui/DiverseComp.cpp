#include "ui/DiverseComp.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>

#include "ui/QtText.h"

namespace {

constexpr int kRowStep = 45;
constexpr int kLabelTop = 3;
constexpr int kEditTop = 19;
constexpr int kLeft = 8;

}  // namespace

TDiverseComp::TDiverseComp(QScrollArea* area, int row, const std::string& caption)
    : area_(area), row_(row) {
  QWidget* host = area->widget();
  label_ = new QLabel(ToQ(caption), host);
  label_->setObjectName(QStringLiteral("DiversesLabel%1").arg(row));
  edit_ = new QLineEdit(host);
  edit_->setObjectName(QStringLiteral("DiversesEdit%1").arg(row));
  SetRow(row);
  label_->show();
  edit_->show();
}

TDiverseComp::~TDiverseComp() {
  delete label_;
  delete edit_;
}

void TDiverseComp::SetRow(int row) {
  row_ = row;
  QWidget* host = area_->widget();
  // The edit takes the width the page offers, so long values stay readable.
  const int width = qMax(200, host->width() - 2 * kLeft);
  label_->setGeometry(kLeft, kLabelTop + kRowStep * row, width, label_->sizeHint().height());
  edit_->setGeometry(kLeft, kEditTop + kRowStep * row, width, edit_->sizeHint().height());
  label_->setObjectName(QStringLiteral("DiversesLabel%1").arg(row));
  edit_->setObjectName(QStringLiteral("DiversesEdit%1").arg(row));
  host->setMinimumHeight(qMax(host->minimumHeight(), kEditTop + kRowStep * row + edit_->sizeHint().height() + 8));
}

std::string TDiverseComp::Caption() const { return FromQ(label_->text()); }

void TDiverseCompList::Remove(std::size_t index) {
  rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(index));
  for (std::size_t i = index; i < rows_.size(); ++i) rows_[i]->SetRow(static_cast<int>(i));
}

bool TDiverseCompList::AnyChanged() const {
  for (const auto& row : rows_)
    if (row->Changed) return true;
  return false;
}
