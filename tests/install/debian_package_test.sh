#!/usr/bin/env bash
# Makes the Debian package from the build tree and checks what a player gets: the game's
# files and nothing else, a command link that reaches the program, the run-time packages in
# Depends, no lintian error, and the packaged program showing its start dialog.
# Usage: debian_package_test.sh BUILD_DIR LIBDIR
set -euo pipefail
build=$1 libdir=$2
work=$(mktemp -d) pid=
fail() { echo "FAIL: $*" >&2 && exit 1; }
trap '[ -z "$pid" ] || kill "$pid"; rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" ||
  { cat "$work/cpack.log"; fail "cpack made no package"; }
deb=$(echo "$work"/quellabox_*.deb) root=$work/root
dpkg-deb -x "$deb" "$root"

packaged=(games/{quellabox,vts-make} "$libdir"/quellabox/{Quellabox,BackgroundMusic.wav}
  share/{applications/com.example.quellabox.desktop,metainfo/com.example.quellabox.metainfo.xml}
  share/doc/quellabox/{copyright,changelog.gz} share/quellabox/examples/{alphabet,home_row}.vts
  share/quellabox/examples/long_mixed.vts
  share/icons/hicolor/{16x16,32x32,48x48,128x128,256x256}/apps/quellabox.png)
diff -u <(printf 'usr/%s\n' "${packaged[@]}" | sort) \
  <(cd "$root" && find . ! -type d | sed 's|^\./||' | sort) ||
  fail "the packaged files differ from the game's (- expected, + packaged)"
link=$root/usr/games/quellabox  # relative, so it reaches the program in any root
[ "$link" -ef "$root/usr/$libdir/quellabox/Quellabox" ] || fail "the command link misses"

[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the section is not games"
# Loaded at run time, found by no linker; libqt6multimedia6 shows that dpkg-shlibdeps ran.
depends=$(dpkg-deb -f "$deb" Depends)
for package in qt6-qpa-plugins fonts-wqy-microhei libqt6multimedia6; do
  tr -s ', ' '\n' <<<"$depends" | grep -qx "$package" || fail "Depends lacks $package: $depends"
done
lintian --fail-on error "$deb" || fail "lintian finds errors"

# scripts/test.sh always gives a display: a missing one there is a failure.
[ -n "${DISPLAY:-}" ] || { [ -z "${QUELLABOX_REQUIRE_DESKTOP:-}" ] && exit 77 || fail "no DISPLAY"; }
"$link" &
pid=$!
for _ in $(seq 300); do
  xdotool search --all --pid "$pid" --name '^Game-start dialog' >/dev/null && exit 0
  kill -0 "$pid" 2>/dev/null || fail "the packaged program ended before its start dialog"
  sleep 0.1
done
fail "the packaged program showed no start dialog within 30 s"
