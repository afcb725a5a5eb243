// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/qt_dialog_window.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QFontMetrics>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include "qt/resource_images.h"
#include "qt/utf8.h"
#include "seam/host.h"
#include "seam/ids.h"
#include "seam/wrapped_caption.h"

namespace {

QPixmap ResourcePixmap(const ControlTemplate& control) {
  const QString path = ResourceImagePath(control.kind, control.resource);
  if (control.kind == ControlKind::Icon) return QIcon(path).pixmap(32, 32);
  return QPixmap(path);
}

Qt::Alignment StaticAlignment(const ControlTemplate& control) {
  Qt::Alignment alignment = control.Has("center") ? Qt::AlignHCenter : Qt::AlignLeft;
  return alignment | (control.Has("centerimage") ? Qt::AlignVCenter : Qt::AlignTop);
}

// A line of text as a label lays it out, a pixel or so more than the font's bare height, or
// the distance from one line to the next where the font puts leading between lines: with it
// as the vertical unit, a label sized for n lines shows n lines whole.
int LabelLineHeight(const QFont& font) {
  QLabel probe(QStringLiteral("X"));
  probe.setFont(font);
  probe.setWordWrap(true);
  return std::max(probe.heightForWidth(1000), QFontMetrics(font).lineSpacing());
}

// The width of the letters A-Z and a-z side by side, the horizontal dialog unit's base. Each
// letter counts whole pixels, as the system's own measure does; fractional advances can round
// the average down a pixel and leave a template's captions no room.
int LettersWidth(const QFontMetrics& metrics) {
  int width = 0;
  for (const char letter :
       std::string_view("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) {
    width += metrics.horizontalAdvance(QChar(letter));
  }
  return width;
}

// A font for the asked cell height: the largest pixel size whose line height fits it.
QFont FontForSpec(const FontSpec& spec) {
  QFont font(QString::fromUtf8(spec.face));
  font.setStyleHint(QFont::SansSerif);
  int pixels = spec.height;
  font.setPixelSize(pixels);
  while (pixels > 1 && QFontMetrics(font).height() > spec.height) font.setPixelSize(--pixels);
  return font;
}

}  // namespace

QtDialogWindow::QtDialogWindow(DialogEvents& dialog, const DialogTemplate& tpl, QWidget* owner)
    // A window with no owner is the program's own top-level window, listed in taskbars
    // and window switchers; the ones it opens stay dialogs over it.
    : QDialog(owner, (owner ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      m_dialog(dialog),
      m_template(tpl),
      m_systemMenu(new QMenu(this)) {
  setObjectName(QString::number(tpl.id));
  setWindowTitle(Qs(tpl.caption));
  QFont font(Qs(tpl.fontFace));
  font.setPointSize(tpl.fontPoints);
  setFont(font);

  // Dialog units follow the dialog's font, as the platform's dialog manager counts them.
  m_units = DialogUnits(LettersWidth(QFontMetrics(font)), LabelLineHeight(font));
  setFixedSize(m_units.X(tpl.width), m_units.Y(tpl.height));

  QAction* close = m_systemMenu->addAction(tr("Close"));
  connect(close, &QAction::triggered, this, [this] { m_dialog.OnSysCommand(ids::kCloseCommand); });

  // Creation order is the template order, and Qt's focus chain follows it.
  for (const ControlTemplate& control : tpl.controls) {
    QWidget* widget = MakeControl(control);
    if (control.id != -1) m_items.insert(control.id, widget);
  }
  m_dialog.AttachWindow(this);
}

QtDialogWindow::~QtDialogWindow() { m_dialog.AttachWindow(nullptr); }

QWidget* QtDialogWindow::MakeControl(const ControlTemplate& control) {
  QWidget* widget = nullptr;
  const QString caption = Qs(control.caption);
  switch (control.kind) {
    case ControlKind::PushButton: {
      auto* button = new QPushButton(this);
      button->setAutoDefault(false);
      button->setDefault(control.Has("default"));
      connect(button, &QPushButton::clicked, this,
              [this, id = control.id] { m_dialog.OnCommand(id); });
      widget = button;
      break;
    }
    case ControlKind::CheckBox: {
      auto* box = new QCheckBox(caption, this);
      connect(box, &QCheckBox::clicked, this, [this, id = control.id] { m_dialog.OnCommand(id); });
      widget = box;
      break;
    }
    case ControlKind::Edit: {
      auto* edit = new QLineEdit(this);
      if (control.Has("center")) edit->setAlignment(Qt::AlignCenter);
      edit->installEventFilter(this);
      widget = edit;
      break;
    }
    case ControlKind::Static: {
      auto* label = new QLabel(caption, this);
      label->setTextFormat(Qt::PlainText);
      label->setAlignment(StaticAlignment(control));
      label->setWordWrap(!control.Has("centerimage") && !control.Has("nowrap"));
      widget = label;
      break;
    }
    case ControlKind::Icon:
    case ControlKind::Bitmap: {
      auto* picture = new QLabel(this);
      picture->setPixmap(ResourcePixmap(control));
      widget = picture;
      break;
    }
  }
  if (control.id != -1) widget->setObjectName(QString::number(control.id));
  widget->setGeometry(m_units.X(control.x), m_units.Y(control.y), m_units.X(control.width),
                      m_units.Y(control.height));
  if (control.kind == ControlKind::Icon || control.kind == ControlKind::Bitmap) {
    // A picture takes its own size, not the rectangle's, and stays under the controls it
    // overlaps so they can always be seen and clicked.
    widget->resize(static_cast<QLabel*>(widget)->pixmap().deviceIndependentSize().toSize());
    widget->lower();
  }
  if (auto* button = qobject_cast<QPushButton*>(widget)) {
    const QFontMetrics metrics = button->fontMetrics();
    button->setText(control.Has("multiline")
                        ? Qs(WrappedCaption(control.caption, button->width() - 6,
                                            [&metrics](const std::string& text) {
                                              return metrics.horizontalAdvance(Qs(text));
                                            }))
                        : caption);
    button->setAccessibleName(caption);
  }
  if (!control.accessibleName.empty()) widget->setAccessibleName(Qs(control.accessibleName));
  const bool input = control.kind == ControlKind::PushButton ||
                     control.kind == ControlKind::CheckBox || control.kind == ControlKind::Edit;
  widget->setFocusPolicy(!input                   ? Qt::NoFocus
                         : control.Has("tabstop") ? Qt::StrongFocus
                                                  : Qt::ClickFocus);
  widget->setEnabled(!control.Has("disabled"));
  return widget;
}

int QtDialogWindow::Run(ModalRunner& runner) {
  const bool focusFirst = m_dialog.OnInitDialog();
  if (m_endRequested) return m_endCode;
  if (focusFirst) {
    for (const ControlTemplate& control : m_template.controls) {
      QWidget* widget = Item(control.id);
      if (widget && control.Has("tabstop") && !widget->isHidden() && widget->isEnabled()) {
        widget->setFocus(Qt::OtherFocusReason);
        break;
      }
    }
  }
  m_running = true;
  const ModalRunner::RunningLoop running(runner, *this);
  return parentWidget() ? exec() : RunAsOwnWindow();
}

int QtDialogWindow::RunAsOwnWindow() {
  // A window of its own blocks no other, and exec() would mark it modal to the window
  // manager, which some taskbars leave out; a plain event loop runs it just the same.
  // Unlike exec(), show() leaves the keyboard focus where it was when no window manager
  // hands it over (a bare X session, a kiosk), so the window asks for it.
  show();
  activateWindow();
  QEventLoop loop;
  connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
  loop.exec(QEventLoop::DialogExec);
  return result();
}

QWidget* QtDialogWindow::Item(int id) const { return m_items.value(id, nullptr); }

std::string QtDialogWindow::ItemText(int id) const {
  QWidget* widget = Item(id);
  if (auto* label = qobject_cast<QLabel*>(widget)) return Utf8(label->text());
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return Utf8(edit->text());
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return Utf8(button->text());
  return {};
}

void QtDialogWindow::SetItemText(int id, const std::string& text) {
  QWidget* widget = Item(id);
  if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(Qs(text));
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->setText(Qs(text));
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) button->setText(Qs(text));
}

int QtDialogWindow::ItemCheck(int id) const {
  auto* box = qobject_cast<QCheckBox*>(Item(id));
  return box && box->isChecked() ? 1 : 0;
}

void QtDialogWindow::SetItemCheck(int id, int state) {
  if (auto* box = qobject_cast<QCheckBox*>(Item(id))) box->setChecked(state != 0);
}

void QtDialogWindow::EnableItem(int id, bool enable) {
  if (QWidget* widget = Item(id)) widget->setEnabled(enable);
}

void QtDialogWindow::ShowItem(int id, bool show) {
  if (QWidget* widget = Item(id)) widget->setVisible(show);
}

void QtDialogWindow::SetItemFont(int id, const FontSpec& font) {
  if (QWidget* widget = Item(id)) widget->setFont(FontForSpec(font));
}

void QtDialogWindow::SetTimer(unsigned id, int periodMs) {
  QTimer*& timer = m_timers[id];
  if (!timer) {
    // The default coarse timer may be 5% late; a game's schedule needs every millisecond.
    timer = new QTimer(this);
    timer->setTimerType(Qt::PreciseTimer);
    connect(timer, &QTimer::timeout, this, [this, id] { m_dialog.OnTimer(id); });
  }
  timer->start(periodMs);
}

void QtDialogWindow::KillTimer(unsigned id) {
  if (QTimer* timer = m_timers.value(id, nullptr)) timer->stop();
}

void QtDialogWindow::EndDialog(int code) {
  if (m_running) {
    done(code);
  } else {
    m_endRequested = true;
    m_endCode = code;
  }
}

void QtDialogWindow::AppendSystemMenu(unsigned commandId, const std::string& text) {
  m_systemMenu->addSeparator();
  QAction* action = m_systemMenu->addAction(Qs(text));
  connect(action, &QAction::triggered, this,
          [this, commandId] { m_dialog.OnSysCommand(commandId); });
}

void QtDialogWindow::SetIcon(int iconId) {
  // One window icon serves the caption and the taskbar; it holds both sizes.
  setWindowIcon(QIcon(ResourceImagePath(ControlKind::Icon, iconId)));
}

void QtDialogWindow::reject() { m_dialog.OnCommand(ids::kCancel); }

void QtDialogWindow::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  // Keypad Enter comes with the keypad modifier; it is Enter all the same.
  if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    // Enter on a push button clicks it; anywhere else it is the OK command.
    if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
      button->click();
    } else {
      m_dialog.OnCommand(ids::kOk);
    }
  } else if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    m_dialog.OnCommand(ids::kCancel);
  } else if (event->key() == Qt::Key_Space && event->modifiers() == Qt::AltModifier) {
    ShowSystemMenu(mapToGlobal(QPoint(0, 0)));
  } else {
    QDialog::keyPressEvent(event);
  }
}

void QtDialogWindow::contextMenuEvent(QContextMenuEvent* event) {
  ShowSystemMenu(event->globalPos());
}

void QtDialogWindow::ShowSystemMenu(const QPoint& at) { m_systemMenu->popup(at); }

bool QtDialogWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    m_dialog.OnNotify(Notification::SetFocus, watched->objectName().toInt());
  }
  return QDialog::eventFilter(watched, event);
}
