// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/web_host.h"

#include <ctime>
#include <filesystem>
#include <system_error>
#include <vector>

#include "res/dialog_template.h"
#include "res/string_table.h"
#include "seam/ids.h"
#include "web/page.h"
#include "web/page_answer.h"
#include "web/page_text.h"
#include "web/web_dialog_window.h"

namespace {

// The program's folder in its file system is the page's folder: a file there has the URL
// of its name, relative to the page.
constexpr char kProgramPath[] = "/Quellabox";
constexpr char kDataFolder[] = "/data/";

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts(1);
  for (const char c : text) {
    if (c == separator) {
      parts.emplace_back();
    } else {
      parts.back() += c;
    }
  }
  return parts;
}

// The chooser's file types, ".vts,.txt", from the patterns of a "description|*.vts|...||"
// filter; a pattern of any file adds none.
std::string AcceptedTypes(const std::string& filter) {
  const std::vector<std::string> fields = Split(filter, '|');
  std::string accept;
  for (std::size_t i = 1; i < fields.size() && !fields[i - 1].empty(); i += 2) {
    for (const std::string& pattern : Split(fields[i], ';')) {
      if (pattern.rfind("*.", 0) == 0 && pattern != "*.*") {
        accept += (accept.empty() ? "" : ",") + pattern.substr(1);
      }
    }
  }
  return accept;
}

}  // namespace

int WebHost::Owner() const {
  const auto* owner = static_cast<const WebDialogWindow*>(OwnerOfNextRun());
  return owner ? owner->Handle() : 0;
}

int WebHost::RunModal(int templateId, DialogEvents& dialog) {
  const DialogTemplate* tpl = FindDialogTemplate(templateId);
  if (!tpl) return -1;
  WebDialogWindow window(m_loop, dialog, *tpl, Owner());
  return window.Run(*this);
}

int WebHost::ShowMessageBox(const std::string& caption, const std::string& text,
                            MessageButtons buttons) {
  const bool okCancel = buttons == MessageButtons::OkCancel;
  PageAnswer box(m_loop);
  page_open_message_box(box.Handle(), Owner(), caption.c_str(), text.c_str(), okCancel ? 1 : 0);
  return box.Wait();  // the page answers with the button's id: ids::kOk or ids::kCancel
}

std::optional<std::string> WebHost::ChooseFileToOpen(const OpenFileRequest& request) {
  PageAnswer chooser(m_loop);
  page_choose_file(chooser.Handle(), AcceptedTypes(request.filter).c_str());
  if (chooser.Wait() == 0) return std::nullopt;
  return TakePageText(page_chosen_path());
}

void WebHost::ShellOpen(const std::string& target) { page_open_tab(target.c_str()); }

// A page starts afresh by loading itself again.
void WebHost::StartProgram(const std::string&) { page_reload(); }

void WebHost::PlayLooping(const std::string& path) {
  page_play_looping(std::filesystem::path(path).relative_path().c_str());
}

void WebHost::StopSound() { page_stop_sound(); }

std::int64_t WebHost::CalendarTime() { return static_cast<std::int64_t>(std::time(nullptr)); }

std::string WebHost::ExecutablePath() { return kProgramPath; }

std::string WebHost::LoadText(int id) { return LoadResourceString(id); }

// The page's folder is the web server's, never the player's: nothing is written beside it.
bool WebHost::MayWriteIn(const std::string&) { return false; }

bool WebHost::IsInstalledCopy(const std::string&) { return true; }

// The player's data lives in a folder of its own, which the browser's storage keeps.
std::string WebHost::UserDataFolder() {
  std::error_code ignored;
  std::filesystem::create_directories(kDataFolder, ignored);
  return kDataFolder;
}

// The chooser shows the player's own files; the page keeps no samples.
std::string WebHost::SampleFolder() { return {}; }

SaveResult WebHost::SaveFileAtomically(const std::string& path, const std::string& expected,
                                       const std::string& bytes) {
  switch (page_save_file(path.c_str(), expected.data(), static_cast<int>(expected.size()),
                         bytes.data(), static_cast<int>(bytes.size()))) {
    case 0:
      return SaveResult::Saved;
    case 1:
      return SaveResult::Changed;
    default:
      return SaveResult::Failed;
  }
}
