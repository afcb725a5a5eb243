#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quellabox maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes the Debian package from the build tree and checks what a player gets: the game's files
# and nothing else, hardened programs, the run-time packages in Depends, not one lintian tag,
# and the packaged programs running. (The end-to-end test plays the same installed program.)
# Usage: debian_package_test.sh BUILD_DIR LIBDIR
set -euo pipefail
build=$1 libdir=$2
work=$(mktemp -d)
fail() { echo "FAIL: $*" >&2 && exit 1; }
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" ||
  { cat "$work/cpack.log"; fail "cpack made no package"; }
deb=$(echo "$work"/quellabox_*.deb) root=$work/root
dpkg-deb -x "$deb" "$root"

program=$libdir/quellabox/Quellabox
packaged=(games/{quellabox,vts-make} "$program" "$libdir"/quellabox/{BackgroundMusic.wav,installed-copy}
  share/{applications/com.example.quellabox.desktop,metainfo/com.example.quellabox.metainfo.xml}
  share/doc/quellabox/{copyright,changelog.gz} share/man/man6/{quellabox,vts-make}.6.gz
  share/quellabox/examples/{alphabet,home_row,long_mixed}.vts
  share/icons/hicolor/{16x16,32x32,48x48,128x128,256x256}/apps/quellabox.png)
diff -u <(printf 'usr/%s\n' "${packaged[@]}" | sort) \
  <(cd "$root" && find . ! -type d | sed 's|^\./||' | sort) ||
  fail "the packaged files differ from the game's (- expected, + packaged)"
link=$root/usr/games/quellabox  # relative, so it reaches the program in any root
[ "$link" -ef "$root/usr/$program" ] || fail "the command link misses"
for elf in "$root/usr/$program" "$root/usr/games/vts-make"; do
  dynamic=$(readelf -d "$elf")
  grep -q 'BIND_NOW' <<<"$dynamic" || fail "$elf is not bound at load"
  ! grep -qE 'R(UN)?PATH' <<<"$dynamic" || fail "$elf has a library search path of its own"
done

[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the section is not games"
# Loaded at run time, found by no linker; libqt6multimedia6 shows that dpkg-shlibdeps ran.
depends=$(dpkg-deb -f "$deb" Depends)
for package in qt6-qpa-plugins fonts-wqy-microhei fonts-wqy-zenhei libqt6multimedia6; do
  tr -s ', ' '\n' <<<"$depends" | grep -qx "$package" || fail "Depends lacks $package: $depends"
done
tags=$(lintian -I --pedantic "$deb" 2>/dev/null) || fail "lintian could not check the package"
[ -z "$tags" ] || fail "lintian: $tags"

# The packaged programs run as packaged, stripped and bound at load (tests/commands pins each
# command line on the built ones).
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$link" --version | head -n 1)" = "quellabox 1.0.0.1" ] ||
  fail "the packaged game does not answer --version"
"$root/usr/games/vts-make" -o "$work/one.vts" a >/dev/null || fail "the packaged vts-make fails"
