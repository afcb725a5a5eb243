#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quellabox maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes the Windows packages with cpack and checks what a player gets, under Wine: the zip
# holds the game, its music, vts-make, the sample key files, the licence and a read-me in one
# folder; the installer asks for no administrator rights, installs for this user alone with
# a Start-menu entry and an entry in the installed-programs list, the installed game starts,
# and the uninstaller removes all of it.
# Usage: packages_test.sh BUILD_DIR   (the Wine prefix and X display of scripts/test.sh)
set -euo pipefail
build=$1
wine=${QUELLABOX_WINE:-/usr/lib/wine/wine64}
work=$(mktemp -d) pid=
fail() { echo "FAIL: $*" >&2 && exit 1; }
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
[ -n "${DISPLAY:-}" ] && [ -n "${WINEPREFIX:-}" ] ||
  { [ -z "${QUELLABOX_REQUIRE_DESKTOP:-}" ] && exit 77 || fail "no X display or Wine prefix"; }

cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" ||
  { cat "$work/cpack.log"; fail "cpack made no packages"; }
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
name=quellabox-$version-win64

files=(BackgroundMusic.wav LICENSE.txt Quellabox.exe README.txt vts-make.exe
  examples/{alphabet,home_row,long_mixed}.vts)
diff -u <(printf "$name/%s\n" "${files[@]}" | sort) \
  <(unzip -Z1 "$work/$name.zip" | grep -v '/$' | sort) || fail "the zip's files differ (- expected)"

# Windows' own DLLs only: the C and C++ runtimes are in the programs. And only what the start
# dialog needs: the Open dialog's, the shell's and COM's (comdlg32, shell32, ole32) come later.
for program in Quellabox vts-make; do
  unzip -p "$work/$name.zip" "$name/$program.exe" >"$work/$program.exe"
  imports=$(x86_64-w64-mingw32-objdump -p "$work/$program.exe" | sed -n 's/^\tDLL Name: //p')
  ! grep -viE '^(kernel32|user32|gdi32|comctl32|winmm|msvcrt)\.dll$' \
    <<<"$imports" || fail "$program.exe imports more than the start dialog needs of Windows: $imports"
done

installer=$work/$name.exe
grep -qa 'requestedExecutionLevel level="asInvoker"' "$installer" ||
  fail "the installer asks for more than the player's own rights"
"$wine" "$installer" /S
user=$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 ! -name Public)  # the player
folder=$user/AppData/Local/Programs/Quellabox
shortcut="$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Quellabox.lnk"
diff -u <(printf '%s\n' "${files[@]}" Uninstall.exe | sort) \
  <(cd "$folder" && find . -type f | sed 's|^\./||' | sort) ||
  fail "the installed files differ (- expected)"
[ -f "$shortcut" ] || fail "no Start-menu entry"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quellabox'
entry=$("$wine" reg query "$key" | tr -d '\r') || fail "not in the installed-programs list"
for value in DisplayName "DisplayVersion +REG_SZ +$version" UninstallString QuietUninstallString; do
  grep -qE "^ +$value" <<<"$entry" || fail "the list's entry lacks $value: $entry"
done
! "$wine" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quellabox' \
  >/dev/null 2>&1 || fail "installed for all users"

# The installed game shows its start dialog, which takes the keyboard focus; Esc is its EXIT.
"$wine" "$folder/Quellabox.exe" >/dev/null 2>&1 &
pid=$!
for _ in $(seq 200); do
  window=$(xdotool search --name '^Game-start dialog' | head -n 1) &&
    [ "$(xdotool getwindowfocus -f 2>/dev/null)" = "$window" ] && break
  kill -0 "$pid" 2>/dev/null || fail "the installed game ended before its start dialog"
  sleep 0.1
done
xdotool key Escape
wait "$pid" || fail "the installed game ended with $?"
pid=

# The uninstaller, copied out of the folder it removes so that it can wait for its work.
install_location=$(sed -n 's/^ *InstallLocation *REG_SZ *//p' <<<"$entry")
cp "$folder/Uninstall.exe" "$work/"
"$wine" "$work/Uninstall.exe" /S "_?=$install_location"
[ ! -e "$folder" ] || fail "left behind: $(find "$folder")"
[ ! -e "$shortcut" ] || fail "the Start-menu entry is left"
! "$wine" reg query "$key" >/dev/null 2>&1 || fail "still in the installed-programs list"
