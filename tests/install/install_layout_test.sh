#!/usr/bin/env bash
# Installs the built game into a fresh prefix, and once more through DESTDIR as a package
# build does, and checks each tree: exactly the expected files, a relative command link that
# reaches the program, the music beside the program, each icon at the size its folder names,
# and the desktop files naming what was installed.
# Usage: install_layout_test.sh BUILD_DIR BINDIR LIBDIR DATADIR MUSIC_FILE
# (the three folders relative to the prefix, as GNUInstallDirs gives them)
set -euo pipefail
build=$1 bindir=$2 libdir=$3 datadir=$4 music=$5
program_dir=$libdir/quellabox
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

expected_tree() {
  printf '%s\n' \
    "$bindir/quellabox" \
    "$bindir/vts-make" \
    "$program_dir/Quellabox" \
    "$program_dir/BackgroundMusic.wav" \
    "$datadir/applications/com.example.quellabox.desktop" \
    "$datadir/metainfo/com.example.quellabox.metainfo.xml" \
    "$datadir/quellabox/examples/alphabet.vts" \
    "$datadir/quellabox/examples/home_row.vts" \
    "$datadir/quellabox/examples/long_mixed.vts"
  for size in 16 32 48 128 256; do
    echo "$datadir/icons/hicolor/${size}x${size}/apps/quellabox.png"
  done
}

# The width and height in a PNG's header, as "WxH".
png_size() {
  local b
  read -ra b <<<"$(od -An -tu1 -j16 -N8 "$1")"
  echo "$((b[0] << 24 | b[1] << 16 | b[2] << 8 | b[3]))x$((b[4] << 24 | b[5] << 16 | b[6] << 8 | b[7]))"
}

check_tree() {
  local root=$1
  diff -u <(expected_tree | sort) <(cd "$root" && find . \( -type f -o -type l \) | sed 's|^\./||' | sort) ||
    fail "$root: the installed files differ from the expected ones (- expected, + installed)"

  local link=$root/$bindir/quellabox
  if [ ! -L "$link" ]; then
    fail "$bindir/quellabox is no symbolic link"
  else
    case $(readlink "$link") in
      /*) fail "$bindir/quellabox points to an absolute path: $(readlink "$link")" ;;
    esac
    [ "$(readlink -f "$link")" = "$(readlink -f "$root/$program_dir/Quellabox")" ] ||
      fail "$bindir/quellabox leads to $(readlink -f "$link"), not the program"
  fi
  [ -x "$root/$program_dir/Quellabox" ] || fail "the program is not executable"
  cmp -s "$music" "$(dirname "$(readlink -f "$link")")/BackgroundMusic.wav" ||
    fail "the music beside the program is not the built track"

  for size in 16 32 48 128 256; do
    local png=$root/$datadir/icons/hicolor/${size}x${size}/apps/quellabox.png
    [ ! -f "$png" ] || [ "$(png_size "$png")" = "${size}x${size}" ] ||
      fail "the icon in ${size}x${size} is $(png_size "$png")"
  done

  local desktop=$root/$datadir/applications/com.example.quellabox.desktop
  grep -qx 'Exec=quellabox' "$desktop" || fail "the desktop entry starts no installed command"
  grep -qx 'Icon=quellabox' "$desktop" || fail "the desktop entry names no installed icon"
  grep -q '<launchable type="desktop-id">com.example.quellabox.desktop</launchable>' \
    "$root/$datadir/metainfo/com.example.quellabox.metainfo.xml" ||
    fail "the metainfo does not launch the installed desktop entry"

  # The key-file maker is a plain command: it runs with no display.
  env -u DISPLAY -u WAYLAND_DISPLAY "$root/$bindir/vts-make" --info \
    "$root/$datadir/quellabox/examples/home_row.vts" >/dev/null ||
    fail "the installed vts-make does not run"
}

work=$(mktemp -d)
# Every install rewrites the build tree's install_manifest.txt; the player's own install
# keeps its manifest, so that it can still be removed by it.
manifest=$build/install_manifest.txt
[ ! -f "$manifest" ] || cp -p "$manifest" "$work/manifest"
restore() {
  if [ -f "$work/manifest" ]; then cp -p "$work/manifest" "$manifest"; else rm -f "$manifest"; fi
  rm -rf "$work"
}
trap restore EXIT

cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" ||
  { cat "$work/install.log"; exit 1; }
check_tree "$work/prefix"

DESTDIR=$work/stage cmake --install "$build" --prefix /opt/quellabox >"$work/stage.log" ||
  { cat "$work/stage.log"; exit 1; }
check_tree "$work/stage/opt/quellabox"
[ "$(cd "$work/stage" && find . -mindepth 1 -maxdepth 1)" = "./opt" ] ||
  fail "DESTDIR install wrote outside the prefix"

# The tree works from wherever it is moved to.
mv "$work/prefix" "$work/moved"
[ -x "$(readlink -f "$work/moved/$bindir/quellabox")" ] || fail "a moved tree loses its command"

[ "$failures" -eq 0 ] || exit 1
echo "install layout: as expected"
