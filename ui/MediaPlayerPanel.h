// The player of the media page: plays a sound or video file, video shown
// inside the panel, with start and stop buttons. Loading a new file or
// stopping ends what is playing; the panel shows no error boxes itself.
#pragma once

#include <QWidget>

class QAudioOutput;
class QMediaPlayer;
class QPushButton;
class QVideoWidget;

class TMediaPlayerPanel : public QWidget {
  Q_OBJECT

 public:
  explicit TMediaPlayerPanel(QWidget* parent = nullptr);
  ~TMediaPlayerPanel() override;

  // Loads the file; with video the picture appears in the panel.
  void Load(const QString& path, bool video);
  void Play();
  void Stop();
  bool IsPlaying() const;
  QString FileName() const { return file_; }

 private:
  QMediaPlayer* player_ = nullptr;
  QAudioOutput* audio_ = nullptr;
  QVideoWidget* video_ = nullptr;
  QPushButton* playBtn_ = nullptr;
  QPushButton* stopBtn_ = nullptr;
  QString file_;
};
