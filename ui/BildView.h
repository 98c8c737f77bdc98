// TBildView: a child window that shows one picture in its full size, the
// window sized to the picture. It frees itself when closed.
#pragma once

#include <QImage>
#include <QWidget>

class QLabel;

class TBildView : public QWidget {
  Q_OBJECT

 public:
  TBildView(const QImage& picture, const QString& caption, QWidget* parent = nullptr);
  const QImage& Picture() const { return picture_; }

 private:
  QImage picture_;
};
