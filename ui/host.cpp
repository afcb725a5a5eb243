#include "ui/host.h"

#include <cassert>

namespace {
Host* g_host = nullptr;

std::string::size_type LastSeparator(const std::string& path) { return path.find_last_of("/\\"); }
}  // namespace

Host& CurrentHost() {
  assert(g_host != nullptr);
  return *g_host;
}

void SetCurrentHost(Host* host) { g_host = host; }

std::string ExeDirectory() {
  std::string path = CurrentHost().ExecutablePath();
  const auto cut = LastSeparator(path);
  if (cut != std::string::npos) path.erase(cut + 1);
  return path;
}

std::string ApplicationTitle() {
  const std::string path = CurrentHost().ExecutablePath();
  const auto cut = LastSeparator(path);
  std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
  const auto dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.erase(dot);
  return name;
}
