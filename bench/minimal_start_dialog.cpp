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
#include <QStringList>
#include <QUrl>

#include "res/dialog_template.h"
#include "res/dialog_units.h"
#include "res/font_substitutes.h"
#include "seam/ids.h"

namespace {

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
  // The fonts the game maps the templates' faces to on Linux.
  for (const FontSubstitute& font : FontSubstitutes()) {
    QStringList families;
    for (const std::string& family : font.families) families << QString::fromStdString(family);
    QFont::insertSubstitutions(QString::fromStdString(font.face), families);
  }
  QFont font(QString::fromStdString(tpl.fontFace));
  font.setPointSize(tpl.fontPoints);
  dialog.setFont(font);
  const QFontMetrics metrics(font);
  const DialogUnits units(metrics.horizontalAdvance(QStringLiteral(
                              "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")),
                          metrics.lineSpacing());
  dialog.setFixedSize(units.X(tpl.width), units.Y(tpl.height));
  for (const ControlTemplate& control : tpl.controls) {
    MakeControl(control, dialog)
        ->setGeometry(units.X(control.x), units.Y(control.y), units.X(control.width),
                      units.Y(control.height));
  }

  QSoundEffect music;
  music.setSource(QUrl::fromLocalFile(QApplication::applicationDirPath() +
                                      QStringLiteral("/BackgroundMusic.wav")));
  music.setLoopCount(QSoundEffect::Infinite);
  music.play();
  dialog.exec();
  return 0;
}
