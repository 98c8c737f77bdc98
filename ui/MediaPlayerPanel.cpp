#include "ui/MediaPlayerPanel.h"

#include <QAudioOutput>
#include <QHBoxLayout>
#include <QMediaPlayer>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QVideoWidget>

TMediaPlayerPanel::TMediaPlayerPanel(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  video_ = new QVideoWidget(this);
  video_->setObjectName(QStringLiteral("MediaVideo"));
  layout->addWidget(video_, 1);
  auto* buttons = new QHBoxLayout;
  playBtn_ = new QPushButton(QStringLiteral("Abspielen"), this);
  playBtn_->setObjectName(QStringLiteral("MediaPlayBtn"));
  stopBtn_ = new QPushButton(QStringLiteral("Stopp"), this);
  stopBtn_->setObjectName(QStringLiteral("MediaStopBtn"));
  buttons->addWidget(playBtn_);
  buttons->addWidget(stopBtn_);
  buttons->addStretch();
  layout->addLayout(buttons);

  connect(playBtn_, &QPushButton::clicked, this, &TMediaPlayerPanel::Play);
  connect(stopBtn_, &QPushButton::clicked, this, &TMediaPlayerPanel::Stop);
}

TMediaPlayerPanel::~TMediaPlayerPanel() { Stop(); }

void TMediaPlayerPanel::Load(const QString& path, bool video) {
  // The backend starts with the first sound or video, not with every view.
  if (!player_) {
    player_ = new QMediaPlayer(this);
    audio_ = new QAudioOutput(this);
    player_->setAudioOutput(audio_);
  }
  player_->stop();
  file_ = path;
  player_->setVideoOutput(video ? video_ : nullptr);
  video_->setVisible(video);
  player_->setSource(QUrl::fromLocalFile(path));
}

void TMediaPlayerPanel::Play() {
  if (player_ && !file_.isEmpty()) player_->play();
}

void TMediaPlayerPanel::Stop() {
  if (player_) player_->stop();
}

bool TMediaPlayerPanel::IsPlaying() const {
  return player_ && player_->playbackState() == QMediaPlayer::PlayingState;
}
