#include "ui/RImage.h"

#include <QPixmap>
#include <QScopedValueRollback>

#include "ui/LoadPicture.h"

QSize ZoomedPictureSize(int width, int height, int maxWidth, int maxHeight) {
  // maxHeight / maxWidth > height / width, multiplied out: exact, and no
  // division by a zero bound.
  const qint64 w = width, h = height, mw = maxWidth, mh = maxHeight;
  if (mh * w > h * mw) return QSize(maxWidth, static_cast<int>(mw * h / w));
  return QSize(static_cast<int>(mh * w / h), maxHeight);
}

TRImage::TRImage(QWidget* parent) : QLabel(parent) { setScaledContents(zoom_); }

void TRImage::SetFileName(const QString& fileName) {
  fileName_ = fileName;
  const bool wasHidden = isHidden() && !hiddenByFailure_;
  {
    // Our own hiding is not the window's choice of visibility.
    const QScopedValueRollback<bool> loading(loading_, true);
    hide();
  }
  // Cleared first, so that a failed load never leaves the last file's
  // picture behind a later show().
  clear();
  picture_ = QImage();
  hiddenByFailure_ = !wasHidden;
  QImage image = LoadPicture(fileName);
  if (!image.isNull()) {
    const QPixmap pixmap = QPixmap::fromImage(image);
    if (pixmap.isNull()) return;
    setPixmap(pixmap);
    picture_ = std::move(image);
  }
  hiddenByFailure_ = false;
  ApplyZoom();
  setVisible(!wasHidden);
}

void TRImage::setVisible(bool visible) {
  if (!loading_) hiddenByFailure_ = false;
  QLabel::setVisible(visible);
}

void TRImage::SetZoom(bool zoom) {
  zoom_ = zoom;
  setScaledContents(zoom_);
  ApplyZoom();
}

void TRImage::SetMaxWidth(int width) {
  maxWidth_ = width;
  ApplyZoom();
}

void TRImage::SetMaxHeight(int height) {
  maxHeight_ = height;
  ApplyZoom();
}

void TRImage::ApplyZoom() {
  if (!zoom_ || picture_.width() <= 0 || picture_.height() <= 0) return;
  setFixedSize(ZoomedPictureSize(picture_.width(), picture_.height(), maxWidth_, maxHeight_));
}
