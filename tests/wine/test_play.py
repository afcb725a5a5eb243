# SPDX-FileCopyrightText: 2026 Quellabox maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The Windows program under Wine, played with real X input and read from outside."""

import os
import pathlib
import shutil
import subprocess
import sys
import tempfile
import unittest

from wine_desktop import (MAIN, MESSAGE, START, TIMEOUT, WINE, Desktop, click, press, type_text,
                          wait_until, windows_path, x_icon_sizes)

GAME = pathlib.Path(os.environ.get("QUELLABOX_WINDOWS_BUILD", "."))
KEY_FILE_KEYS = "asdfjkl;"  # home_row.vts, the sample key file

# Control ids of the game window.
HOW_TO_PLAY, DISPLAY, EXIT, RANDOM, FIXED, INPUT, RESET, BEST, KEY_FILE_INFO = (
    1000, 1001, 1002, 1005, 1006, 1007, 1010, 1011, 1015)


class Game:
    """A copy of the built game in a folder of its own, started under Wine."""

    def __init__(self, test, folder_name, music=None):
        self.root = pathlib.Path(tempfile.mkdtemp(prefix="quellabox-wine-"))
        test.addCleanup(shutil.rmtree, self.root)
        self.folder = self.root / folder_name
        self.folder.mkdir()
        shutil.copy(GAME / "bin" / "Quellabox.exe", self.folder)
        if music is None:
            shutil.copy(GAME / "native-assets" / "bin" / "BackgroundMusic.wav", self.folder)
        else:
            (self.folder / "BackgroundMusic.wav").write_bytes(music)
        self.test = test

    def start(self, *wrapper, **environment):
        self.process = subprocess.Popen([*wrapper, WINE, str(self.folder / "Quellabox.exe")],
                                        cwd=self.root, env=dict(os.environ, **environment),
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.test.addCleanup(lambda: self.process.poll() is None and self.process.kill())
        # Seen from outside once it shows: then win-inspect joins the game's own Wine server.
        wait_until("the start dialog", lambda: subprocess.run(
            ["xdotool", "search", "--name", "^Game-start dialog"], capture_output=True).stdout)
        self.desktop = Desktop()
        self.test.addCleanup(self.desktop.close)

    def enter(self):
        """Return on the start dialog's default button, which has the focus: the game window."""
        start = self.desktop.window(START)
        assert self.desktop.focused(start) == 1, "STRAT GAME has the focus"
        press("Return")
        return self.desktop.window(MAIN)

    def arm(self, main, mode_button):
        """Arms the mode (a Fixed one is armed already) and clicks into the input box."""
        desktop = self.desktop
        if mode_button:
            click(desktop.control(main, mode_button))
        wait_until("the input box to open", lambda: desktop.control(main, INPUT)["enabled"])
        click(desktop.control(main, INPUT))

    def next_key(self, main, after):
        """Waits until the display shows a key (a letter, perhaps marked), not `after`."""
        def probe():
            shown = self.desktop.text(main, DISPLAY)
            return shown != after and len(shown.rstrip("*")) == 1 and not shown.isdigit() and shown
        return wait_until("a key after %r" % after, probe)

    def record_of_two(self, main):
        """Two hits and a miss in Random mode: a record of 2 over no best score at all."""
        self.arm(main, RANDOM)
        shown = "1"
        for typed in (str.lower, str.lower, lambda key: "s" if key == "A" else "a"):
            shown = self.next_key(main, shown)
            press(typed(shown[0]))
        record = self.desktop.window(MESSAGE, "You make the new highest score!")
        press("Return")
        self.desktop.gone(record)
        self.desktop.wait_text(main, DISPLAY, "FINISH")

    def exit(self, main):
        click(self.desktop.control(main, EXIT))
        self.desktop.window(MESSAGE, "Really?")
        press("Return")
        return self.process.wait(TIMEOUT)


def stop_wine_server(test):
    """Ends the prefix's Wine server and its programs, now and after the test."""
    server = pathlib.Path(WINE).with_name("wineserver")
    for when in (lambda f: f(), test.addCleanup):
        when(lambda: subprocess.run([server, "-k"], check=False) and subprocess.run([server, "-w"]))


class Play(unittest.TestCase):

    def test_a_whole_visit_in_a_players_own_folder(self):
        game = Game(self, "Spieler 玩家")
        keys = game.root / "für 游戏"
        keys.mkdir()
        shutil.copy(GAME / "native-assets" / "examples" / "home_row.vts", keys)
        game.start()
        main = game.enter()
        desktop = game.desktop
        # A window of its own, on the taskbar, with its icon; as a new window shows it.
        self.assertEqual((main["owner"], main["appwindow"]), (0, True))
        self.assertEqual(sorted(x_icon_sizes(MAIN)), ["16 x 16", "32 x 32"])
        self.assertEqual(desktop.focused(main), HOW_TO_PLAY)
        self.assertEqual([desktop.text(main, i) for i in (DISPLAY, 1004, 1008, BEST)],
                         ["ARE YOU READY?", "Mode:None", "Please select a mode to start.",
                          "Best score: "])
        self.assertFalse(desktop.control(main, INPUT)["enabled"])
        self.assertFalse(desktop.control(main, 2)["visible"])

        # The About item, last in the window's own menu (Alt+Space), opens over the window.
        press("alt+space")
        press("Up", "Return")
        about = desktop.window("ABOUT VANTOSH")
        self.assertEqual(about["owner"], main["window"])
        self.assertTrue(any(c["image"] for c in about["children"]))  # the icon
        press("Return")
        desktop.gone(about)

        # Random: Esc asks while the countdown goes on; then a record, kept beside the game.
        game.arm(main, RANDOM)
        desktop.wait_text(main, DISPLAY, "3")
        press("Escape")
        really = desktop.window(MESSAGE, "Really?")
        self.assertEqual(really["owner"], main["window"])
        desktop.wait_text(main, DISPLAY, "2")
        click(desktop.control(really, 2))  # Cancel
        desktop.gone(really)
        game.record_of_two(main)
        self.assertEqual((game.folder / "best.data").read_bytes(), b"2\0\0\0\0\0\0\0")
        self.assertEqual(desktop.text(main, BEST), "Best score: 2")

        # Fixed: the sample key file from a non-ASCII folder, named without its extension.
        click(desktop.control(main, FIXED))
        chooser = desktop.window("Open")
        self.assertEqual(chooser["owner"], main["window"])
        type_text(windows_path(keys / "home_row"))
        press("Return")
        desktop.wait_text(main, KEY_FILE_INFO, "vts info: 0/8")
        game.arm(main, None)
        shown = "1"
        for key in KEY_FILE_KEYS:
            shown = game.next_key(main, shown)
            press({";": "semicolon"}.get(key, key))
        desktop.wait_text(main, DISPLAY, "YOU WIN!")

        self.assertEqual(game.exit(main), 0)

    def test_a_folder_it_may_not_write_and_music_that_is_no_wave(self):
        game = Game(self, "Program Files", music=b"not a wave file")
        # The folder read-only in a mount namespace of the game's own (root may write anywhere
        # else); Wine's server, which opens the files for its programs, starts in there with it.
        # And no sound device.
        stop_wine_server(self)
        own_namespace = ["unshare", "--mount"] if os.geteuid() == 0 else [
            "unshare", "--map-root-user", "--mount"]
        game.start(*own_namespace, "sh", "-c",
                   'mount --bind "$1" "$1" && mount -o remount,ro,bind "$1" && shift && exec "$@"',
                   "-", str(game.folder), PULSE_SERVER="unix:/nonexistent")
        main = game.enter()
        game.record_of_two(main)
        users = pathlib.Path(os.environ["WINEPREFIX"], "drive_c", "users")
        local = list(users.glob("*/AppData/Local/Quellabox/best.data"))
        self.assertEqual([path.read_bytes() for path in local], [b"2\0\0\0\0\0\0\0"])
        self.assertFalse((game.folder / "best.data").exists())
        # Reset: this copy ends, a new one comes up with its start dialog; its EXIT ends it.
        click(game.desktop.control(main, RESET))
        self.assertEqual(game.process.wait(TIMEOUT), 0)
        game.desktop.gone(main)
        game.desktop.window(START)
        press("Escape")
        wait_until("the new copy to end", lambda: not any(
            shown["caption"] in (START, MAIN) for shown in game.desktop.windows()))


if __name__ == "__main__":
    if not os.environ.get("DISPLAY") or not os.environ.get("WINEPREFIX"):  # scripts/test.sh
        sys.exit("No X display or Wine prefix" if os.environ.get("QUELLABOX_REQUIRE_DESKTOP") == "1"
                 else 77)
    unittest.main(verbosity=2)
