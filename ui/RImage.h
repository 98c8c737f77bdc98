// TRImage: a picture control showing one image file. With zoom on it takes
// the picture's aspect ratio within MaxWidth x MaxHeight (integer sizes,
// truncated) and stretches the picture to itself.
#pragma once

#include <QImage>
#include <QLabel>

// SetFileName hides the control while loading and gives it back its former
// visibility; when loading fails, the error (EInOutError of LoadPicture)
// passes on and the control stays hidden without a picture. An empty name
// clears the picture. A picture that cannot be made displayable (no graphic
// memory) is no error: the control stays hidden. Hidden by a failure only,
// the control shows again with the next picture that loads, unless the
// window has set the visibility itself in between.
class TRImage : public QLabel {
  Q_OBJECT

 public:
  explicit TRImage(QWidget* parent = nullptr);

  const QString& FileName() const { return fileName_; }
  void SetFileName(const QString& fileName);
  // The loaded picture; null when there is none.
  const QImage& Picture() const { return picture_; }

  void setVisible(bool visible) override;

  // Changing zoom or the bounds applies to the picture already shown.
  bool Zoom() const { return zoom_; }
  void SetZoom(bool zoom);
  int MaxWidth() const { return maxWidth_; }
  void SetMaxWidth(int width);
  int MaxHeight() const { return maxHeight_; }
  void SetMaxHeight(int height);

 private:
  void ApplyZoom();

  QString fileName_;
  QImage picture_;
  bool zoom_ = true;
  int maxWidth_ = 100;
  int maxHeight_ = 100;
  bool loading_ = false;
  bool hiddenByFailure_ = false;
};

// The zoomed size of a width x height picture within maxWidth x maxHeight.
QSize ZoomedPictureSize(int width, int height, int maxWidth, int maxHeight);
