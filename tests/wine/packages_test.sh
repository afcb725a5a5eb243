#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quellabox maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes the Windows packages with cpack and checks, under Wine, what a player gets: the zip,
# the installer for this user alone over an earlier install, the installed game's first start
# and the uninstaller. Usage: packages_test.sh BUILD_DIR (the Wine prefix and X display of
# scripts/test.sh; QUELLABOX_INSPECT names win-inspect)
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

user=$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 ! -name Public)  # the player
folder=$user/AppData/Local/Programs/Quellabox
programs="$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
record=$user/AppData/Local/Quellabox/best.data
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quellabox'
installed=("${files[@]}" installed-copy Uninstall.exe)
installed_files() {
  diff -u <(printf '%s\n' "$@" | sort) <(cd "$folder" && find . -type f | sed 's|^\./||' | sort)
}
# Whether a window on the Wine desktop shows this text (a pattern), read from outside.
shows() { printf 'list\nquit\n' | "$wine" "$QUELLABOX_INSPECT" 2>/dev/null | grep -q "$1"; }
wait_for() { # what, then a command that says when it is there
  local what=$1 && shift
  for _ in $(seq 200); do "$@" && return 0; sleep 0.1; done
  fail "waited in vain for $what"
}
focused() { [ "$(xdotool getwindowfocus getwindowname 2>/dev/null)" = "$1" ]; }
start_game() { # the installed game, until its start dialog has the keyboard focus
  "$wine" "$folder/Quellabox.exe" >/dev/null 2>&1 &
  pid=$!
  wait_for "the installed game's start dialog" focused "Game-start dialog   [game by orlavo]"
}

# An earlier version's install: its record beside the program, its Start-menu entry under
# the program's name. Each run starts from a record of its own.
rm -rf "$folder" "${record%/*}" "$programs"/{Quellabox,VANTOSH}.lnk
mkdir -p "$folder" && printf '7\0\0\0\0\0\0\0' >"$folder/best.data" && touch "$programs/Quellabox.lnk"

installer=$work/$name.exe
grep -qa 'requestedExecutionLevel level="asInvoker"' "$installer" ||
  fail "the installer asks for more than the player's own rights"
"$wine" "$installer" /S
installed_files "${installed[@]}" best.data || fail "the installed files differ (- expected)"
[ -f "$programs/VANTOSH.lnk" ] && [ ! -e "$programs/Quellabox.lnk" ] ||
  fail "the Start-menu entries: $(ls "$programs")"
entry=$("$wine" reg query "$key" | tr -d '\r') || fail "not in the installed-programs list"
for value in "DisplayName +REG_SZ +VANTOSH \(Quellabox\)$" "DisplayVersion +REG_SZ +$version" \
  UninstallString QuietUninstallString; do
  grep -qE "^ +$value" <<<"$entry" || fail "the list's entry lacks $value: $entry"
done
! "$wine" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quellabox' \
  >/dev/null 2>&1 || fail "installed for all users"

# The installed game, started for the first time, moves the record to the player's data
# folder; Esc is its start dialog's EXIT.
start_game
xdotool key Escape
wait "$pid" || fail "the installed game ended with $?"
pid=
installed_files "${installed[@]}" || fail "the earlier record stayed beside the game"
cmp "$record" <(printf '7\0\0\0\0\0\0\0') || fail "the record did not move to $record"

# The uninstaller (copied out of the folder it removes, to wait for its work) removes nothing
# while the game runs: silent, it fails; else it asks, and goes on once the game has ended.
install_location=$(sed -n 's/^ *InstallLocation *REG_SZ *//p' <<<"$entry")
cp "$folder/Uninstall.exe" "$work/"
touch "$folder/mine.vts"  # a file of the player's own, in the folder the player chose
start_game
! "$wine" "$work/Uninstall.exe" /S "_?=$install_location" || fail "uninstalled a running game"
installed_files "${installed[@]}" mine.vts || fail "the uninstaller removed files of a running game"
"$wine" "$work/Uninstall.exe" "_?=$install_location" >/dev/null 2>&1 &
uninstaller=$!
wait_for "the uninstaller to ask" shows "VANTOSH is running. Close the game first"
kill "$pid" && wait "$pid" || true  # the player closes the game
pid=
xdotool key Return  # Retry
wait_for "the uninstaller's first page" shows "Click Uninstall to start"
xdotool key Return  # Uninstall
wait_for "the uninstaller's last page" shows "Your best score, if you made one, stays in C:.*Quellabox;"
xdotool key Return  # Finish
wait "$uninstaller" || fail "the uninstaller ended with $?"
installed_files mine.vts || fail "the uninstaller did not remove exactly what it installed"
[ ! -e "$programs/VANTOSH.lnk" ] || fail "the Start-menu entry is left"
! "$wine" reg query "$key" >/dev/null 2>&1 || fail "still in the installed-programs list"
cmp "$record" <(printf '7\0\0\0\0\0\0\0') || fail "the record went with the game"
