#include "ui/BildView.h"

#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QVBoxLayout>

TBildView::TBildView(const QImage& picture, const QString& caption, QWidget* parent)
    : QWidget(parent), picture_(picture) {
  setObjectName(QStringLiteral("BildView"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(caption);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  // A picture larger than the screen can still be seen in full by scrolling.
  auto* area = new QScrollArea(this);
  area->setFrameShape(QFrame::NoFrame);
  auto* label = new QLabel;
  label->setObjectName(QStringLiteral("Bild"));
  label->setPixmap(QPixmap::fromImage(picture_));
  label->resize(picture_.size());
  area->setWidget(label);
  layout->addWidget(area);
  resize(picture_.size());
}
