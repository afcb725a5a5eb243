# SPDX-FileCopyrightText: 2026 Quellabox maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by play.sh and test.sh: installs what is missing, then configures and builds.
# Sourced, not run.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$ROOT/build"

# What the program needs to build and run.
# The fonts stand in for the templates' faces (res/fonts.json).
RUN_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins libgl-dev
  fonts-wqy-microhei fonts-wqy-zenhei)

install_packages() {
  local missing=()
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends \
    "${missing[@]}"
}

# configure_and_build BUILD_DIR [cmake options...], with Ninja unless GENERATOR names another
configure_and_build() {
  local dir=$1
  shift
  cmake -S "$ROOT" -B "$dir" -G "${GENERATOR:-Ninja}" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  cmake --build "$dir" -j"$(nproc)"
}
