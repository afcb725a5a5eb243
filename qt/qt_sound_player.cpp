// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/qt_sound_player.h"

#include <QSoundEffect>
#include <QString>
#include <QUrl>

#include "qt/utf8.h"

// Qt reads a track in one piece on its loading thread and holds the track's lock while
// it reads; touching that track meanwhile (asking for it again, letting go of it) waits
// for the whole read, over 100 ms for 50 MB. So an effect that is still loading is kept
// when it is stopped or its file is asked for again, and is only told whether to play
// once it has its data. Only a different file asked for meanwhile waits for the read.

QtSoundPlayer::QtSoundPlayer() = default;
QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::PlayLooping(const std::string& utf8Path) {
  const QUrl url = QUrl::fromLocalFile(Qs(utf8Path));
  if (Loading() && m_effect->source() == url) {
    m_effect->play();  // it has not played yet, so it will begin at the track's start
    return;
  }
  // A fresh effect per start: one effect stopped and started again stays silent on
  // PulseAudio, and a fresh one always begins at the track's start.
  m_effect = std::make_unique<QSoundEffect>();
  m_effect->setLoopCount(QSoundEffect::Infinite);
  m_effect->setSource(url);
  m_effect->play();
}

void QtSoundPlayer::Stop() {
  if (Loading()) {
    m_effect->stop();  // drops the queued start
  } else {
    m_effect.reset();
  }
}

bool QtSoundPlayer::Loading() const {
  return m_effect && m_effect->status() == QSoundEffect::Loading;
}
