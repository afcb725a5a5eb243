// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/web_dialog_window.h"

#include "res/dialog_units.h"
#include "res/font_substitutes.h"
#include "web/page.h"
#include "web/page_text.h"

namespace {

// The kinds as the templates in res/ name them.
const char* KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::PushButton:
      return "button";
    case ControlKind::CheckBox:
      return "checkbox";
    case ControlKind::Edit:
      return "edit";
    case ControlKind::Icon:
      return "icon";
    case ControlKind::Bitmap:
      return "bitmap";
    case ControlKind::Static:
      break;
  }
  return "static";
}

std::string Joined(const std::vector<std::string>& styles) {
  std::string joined;
  for (const std::string& style : styles) joined += (joined.empty() ? "" : " ") + style;
  return joined;
}

// The CSS font family of a face the templates name: the face itself where the player has it,
// then the fonts that stand in for it on the other hosts.
std::string FontFamily(const std::string& face) {
  std::string family = '"' + face + '"';
  for (const FontSubstitute& substitute : FontSubstitutes()) {
    if (substitute.face != face) continue;
    for (const std::string& name : substitute.families) {
      // A generic family is a keyword; a named one is quoted.
      family += ", " + (name == "sans-serif" ? name : '"' + name + '"');
    }
  }
  return family;
}

// A template's size in points as pixels at the page's 96 per inch, as the desktop rounds.
int PointsToPixels(int points) { return (points * 96 + 36) / 72; }

}  // namespace

WebDialogWindow::WebDialogWindow(MessageLoop& loop, DialogEvents& dialog, const DialogTemplate& tpl,
                                 int owner)
    : m_loop(loop), m_dialog(dialog), m_template(tpl), m_handle(loop.Add(*this)) {
  const int fontPixels = PointsToPixels(tpl.fontPoints);
  int lettersWidth = 0, lineHeight = 0;
  const std::string family = FontFamily(tpl.fontFace);
  page_measure_font(family.c_str(), fontPixels, &lettersWidth, &lineHeight);
  const DialogUnits units(lettersWidth, lineHeight);
  page_open_window(m_handle, owner, tpl.id, tpl.caption.c_str(), family.c_str(), fontPixels,
                   units.X(tpl.width), units.Y(tpl.height));
  for (const ControlTemplate& c : tpl.controls) {
    page_add_control(m_handle, c.id, KindName(c.kind), c.caption.c_str(), Joined(c.styles).c_str(),
                     units.X(c.x), units.Y(c.y), units.X(c.width), units.Y(c.height), c.resource,
                     c.accessibleName.c_str());
  }
  m_dialog.AttachWindow(this);
}

WebDialogWindow::~WebDialogWindow() {
  m_dialog.AttachWindow(nullptr);
  m_loop.Remove(m_handle);
}

int WebDialogWindow::Run(ModalRunner& runner) {
  const bool focusFirst = m_dialog.OnInitDialog();
  if (m_ended) return m_endCode;  // ended before it was ever shown or took input
  page_show_window(m_handle, focusFirst ? 1 : 0);
  const ModalRunner::RunningLoop running(runner, *this);
  while (!m_ended) m_loop.DispatchNext();
  return m_endCode;
}

void WebDialogWindow::OnPageEvent(const PageEvent& event) {
  switch (event.kind) {
    case PageEventKind::Command:
      m_dialog.OnCommand(event.value);
      break;
    case PageEventKind::Focus:
      m_dialog.OnNotify(Notification::SetFocus, event.value);
      break;
    case PageEventKind::Timer:
      m_dialog.OnTimer(static_cast<unsigned>(event.value));
      break;
    case PageEventKind::MenuCommand:
      m_dialog.OnSysCommand(static_cast<unsigned>(event.value));
      break;
    case PageEventKind::Answer:
      break;
  }
}

std::string WebDialogWindow::ItemText(int id) const {
  return Has(id) ? TakePageText(page_item_text(m_handle, id)) : std::string();
}

void WebDialogWindow::SetItemText(int id, const std::string& text) {
  if (Has(id)) page_set_item_text(m_handle, id, text.c_str());
}

int WebDialogWindow::ItemCheck(int id) const { return Has(id) ? page_item_check(m_handle, id) : 0; }

void WebDialogWindow::SetItemCheck(int id, int state) {
  if (Has(id)) page_set_item_check(m_handle, id, state != 0 ? 1 : 0);
}

void WebDialogWindow::EnableItem(int id, bool enable) {
  if (Has(id)) page_enable_item(m_handle, id, enable ? 1 : 0);
}

void WebDialogWindow::ShowItem(int id, bool show) {
  if (Has(id)) page_show_item(m_handle, id, show ? 1 : 0);
}

void WebDialogWindow::SetItemFont(int id, const FontSpec& font) {
  if (Has(id)) page_set_item_font(m_handle, id, FontFamily(font.face).c_str(), font.height);
}

void WebDialogWindow::SetTimer(unsigned id, int periodMs) {
  page_set_timer(m_handle, id, periodMs);
}

void WebDialogWindow::KillTimer(unsigned id) { page_kill_timer(m_handle, id); }

void WebDialogWindow::EndDialog(int code) {
  m_ended = true;
  m_endCode = code;
}

void WebDialogWindow::AppendSystemMenu(unsigned commandId, const std::string& text) {
  page_append_menu(m_handle, commandId, text.c_str());
}

void WebDialogWindow::SetIcon(int iconId) { page_set_icon(m_handle, iconId); }
