#include "seam/host.h"

namespace {
std::string::size_type LastSeparator(const std::string& path) { return path.find_last_of("/\\"); }
}  // namespace

std::string ExeDirectory(ProgramFiles& files) {
  std::string path = files.ExecutablePath();
  const auto cut = LastSeparator(path);
  if (cut != std::string::npos) path.erase(cut + 1);
  return path;
}

std::string ApplicationTitle(const std::string& executablePath) {
  const auto cut = LastSeparator(executablePath);
  std::string name = cut == std::string::npos ? executablePath : executablePath.substr(cut + 1);
  const auto dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.erase(dot);
  return name;
}
