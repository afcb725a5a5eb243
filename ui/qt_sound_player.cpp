#include "ui/qt_sound_player.h"

#include <QSoundEffect>
#include <QString>
#include <QUrl>

QtSoundPlayer::QtSoundPlayer() = default;
QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::PlayLooping(const std::string& utf8Path) {
  // A fresh effect per start: it begins at the track's start whatever the old one did.
  m_effect = std::make_unique<QSoundEffect>();
  m_effect->setLoopCount(QSoundEffect::Infinite);
  m_effect->setSource(QUrl::fromLocalFile(QString::fromStdString(utf8Path)));
  m_effect->play();
}

void QtSoundPlayer::Stop() {
  m_effect.reset();
}
