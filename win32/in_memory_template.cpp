// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "win32/in_memory_template.h"

#include "win32/wide_text.h"

namespace {

// The predefined window classes of controls, by atom.
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;
constexpr WORD kOrdinal = 0xFFFF;  // a number, not a name, follows

class TemplateWriter {
 public:
  void Word(WORD value) { m_words.push_back(value); }
  void Dword(DWORD value) {
    Word(LOWORD(value));
    Word(HIWORD(value));
  }
  void Text(const std::string& utf8) {
    for (wchar_t c : Wide(utf8)) Word(static_cast<WORD>(c));
    Word(0);
  }
  void Ordinal(WORD value) {
    Word(kOrdinal);
    Word(value);
  }
  // Every control's entry starts on a DWORD boundary.
  void AlignToDword() {
    if (m_words.size() % 2 != 0) Word(0);
  }
  std::vector<WORD> Take() { return std::move(m_words); }

 private:
  std::vector<WORD> m_words;
};

DWORD ControlStyle(const ControlTemplate& control) {
  DWORD style = WS_CHILD | WS_VISIBLE;
  if (control.Has("tabstop")) style |= WS_TABSTOP;
  if (control.Has("group")) style |= WS_GROUP;
  if (control.Has("disabled")) style |= WS_DISABLED;
  if (control.Has("border")) style |= WS_BORDER;
  switch (control.kind) {
    case ControlKind::PushButton:
      style |= control.Has("default") ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
      if (control.Has("multiline")) style |= BS_MULTILINE;
      break;
    case ControlKind::CheckBox:
      style |= BS_AUTOCHECKBOX;
      if (control.Has("flat")) style |= BS_FLAT;
      if (control.Has("left")) style |= BS_LEFT;
      break;
    case ControlKind::Edit:
      style |= control.Has("center") ? ES_CENTER : ES_LEFT;
      if (control.Has("autohscroll")) style |= ES_AUTOHSCROLL;
      break;
    case ControlKind::Static:
      if (control.Has("center")) {
        style |= SS_CENTER;
      } else {
        style |= control.Has("nowrap") ? SS_LEFTNOWORDWRAP : SS_LEFT;
      }
      if (control.Has("centerimage")) style |= SS_CENTERIMAGE;
      break;
    case ControlKind::Icon:
    case ControlKind::Bitmap:
      // A picture takes its own size, which may reach under other controls; it never paints
      // over them (the window puts it below them).
      style |= (control.kind == ControlKind::Icon ? SS_ICON : SS_BITMAP) | WS_CLIPSIBLINGS;
      break;
  }
  return style;
}

WORD ControlClass(ControlKind kind) {
  switch (kind) {
    case ControlKind::PushButton:
    case ControlKind::CheckBox:
      return kButtonClass;
    case ControlKind::Edit:
      return kEditClass;
    default:
      return kStaticClass;
  }
}

}  // namespace

std::vector<WORD> InMemoryTemplate(const DialogTemplate& tpl) {
  TemplateWriter out;
  out.Word(1);       // dlgVer
  out.Word(0xFFFF);  // signature: the extended template
  out.Dword(0);      // helpID
  out.Dword(tpl.Has("appwindow") ? WS_EX_APPWINDOW : 0);
  // Not visible at creation: the modal loop shows the window once OnInitDialog has run, so a
  // window that ends there (the game window after a refused start) never shows at all.
  out.Dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT);
  out.Word(static_cast<WORD>(tpl.controls.size()));
  out.Word(0);  // x, y: the window is centred when it opens
  out.Word(0);
  out.Word(static_cast<WORD>(tpl.width));
  out.Word(static_cast<WORD>(tpl.height));
  out.Word(0);  // no menu
  out.Word(0);  // the dialog's own window class
  out.Text(tpl.caption);
  out.Word(static_cast<WORD>(tpl.fontPoints));
  out.Word(0);       // weight: the font's own
  out.Word(0x0100);  // not italic; character set 1, DEFAULT_CHARSET
  out.Text(tpl.fontFace);
  for (const ControlTemplate& control : tpl.controls) {
    out.AlignToDword();
    out.Dword(0);  // helpID
    out.Dword(0);  // exStyle
    out.Dword(ControlStyle(control));
    out.Word(static_cast<WORD>(control.x));
    out.Word(static_cast<WORD>(control.y));
    out.Word(static_cast<WORD>(control.width));
    out.Word(static_cast<WORD>(control.height));
    out.Dword(static_cast<DWORD>(control.id));
    out.Ordinal(ControlClass(control.kind));
    if (control.kind == ControlKind::Icon || control.kind == ControlKind::Bitmap) {
      out.Ordinal(static_cast<WORD>(control.resource));
    } else {
      out.Text(control.caption);
    }
    out.Word(0);  // no creation data
  }
  return out.Take();
}
