#include "ui/AhnenView.h"

#include "ui/QtText.h"
#include "ui/ViewManager.h"

TAhnenView::TAhnenView(QWidget* parent) : QWidget(parent) {
  setWindowTitle(QStringLiteral("AhnenView"));
  // Close means free: the view and its person go with the window.
  setAttribute(Qt::WA_DeleteOnClose);
}

TAhnenView::~TAhnenView() = default;

void TAhnenView::FormActivate() {
  if (TViewManager* manager = ViewManager()) manager->ViewActivated(this);
}

void TAhnenView::FormDeactivate() {
  if (TViewManager* manager = ViewManager()) manager->ViewDeactivated(this);
}

void TAhnenView::UpdateCaption() {
  if (person_) setWindowTitle(CaptionPrefix() + ToQ(person_->listText()));
}

void TAhnenView::SetReadOnly(bool readOnly) { readOnly_ = readOnly; }

int TAhnenView::GetPersonId() const { return person_ ? person_->Id : 0; }
