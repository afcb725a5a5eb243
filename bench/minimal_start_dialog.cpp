// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor for measure_desktop.sh: the game's first job and nothing else. It shows the
// start dialog's template, its controls placed by their dialog units in the template's
// font, and starts the looping track beside the program as the dialog opens. The game's
// start-up and memory read as a ratio to what any Qt program doing that job pays.
#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QSoundEffect>
#include <QUrl>

#include "res/dialog_template.h"
#include "seam/ids.h"

namespace {

constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// A dialog unit is a quarter of the font's average letter width, an eighth of its height.
class DialogUnits {
 public:
  explicit DialogUnits(const QFontMetrics& metrics)
      : m_baseX(metrics.horizontalAdvance(QLatin1String(kLetters)) / 52),
        m_baseY(metrics.height()) {}
  QRect Rect(int x, int y, int width, int height) const {
    return {x * m_baseX / 4, y * m_baseY / 8, width * m_baseX / 4, height * m_baseY / 8};
  }

 private:
  int m_baseX, m_baseY;
};

QWidget* MakeControl(const ControlTemplate& control, QDialog& dialog) {
  const QString caption = QString::fromStdString(control.caption);
  switch (control.kind) {
    case ControlKind::PushButton: {
      auto* button = new QPushButton(caption, &dialog);
      button->setDefault(control.Has("default"));
      return button;
    }
    case ControlKind::Icon: {
      auto* picture = new QLabel(&dialog);
      picture->setPixmap(
          QIcon(QStringLiteral(":/res/icon%1.ico").arg(control.resource)).pixmap(32));
      return picture;
    }
    default:
      return new QLabel(caption, &dialog);
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const DialogTemplate& tpl = *FindDialogTemplate(ids::kStartDialog);
  QDialog dialog;
  dialog.setWindowTitle(QString::fromStdString(tpl.caption));
  // The CJK sans font the game maps the template's face to on Linux.
  QFont::insertSubstitution(QString::fromStdString(tpl.fontFace),
                            QStringLiteral("WenQuanYi Micro Hei"));
  QFont font(QString::fromStdString(tpl.fontFace));
  font.setPointSize(tpl.fontPoints);
  dialog.setFont(font);
  const DialogUnits units{QFontMetrics(font)};
  dialog.setFixedSize(units.Rect(0, 0, tpl.width, tpl.height).size());
  for (const ControlTemplate& control : tpl.controls) {
    MakeControl(control, dialog)
        ->setGeometry(units.Rect(control.x, control.y, control.width, control.height));
  }

  QSoundEffect music;
  music.setSource(QUrl::fromLocalFile(QApplication::applicationDirPath() +
                                      QStringLiteral("/BackgroundMusic.wav")));
  music.setLoopCount(QSoundEffect::Infinite);
  music.play();
  dialog.exec();
  return 0;
}
