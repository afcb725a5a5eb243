# SPDX-FileCopyrightText: 2026 Quellabox maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The Windows program under Wine, played with real X input and read from outside."""

import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

from null_sink import RATE, NullSink
from wine_desktop import WINE, Desktop, click, local_app_data
from x_input import MAIN, MESSAGE, START, TIMEOUT, press, run, type_text, wait_until

BUILD = pathlib.Path(os.environ.get("QUELLABOX_WINDOWS_BUILD", "."))
HELP_PICTURE = next((BUILD / "native-assets" / "res").glob("help*.bmp"), None)
# Control ids of the game window.
HOW_TO_PLAY, DISPLAY, EXIT, MUSIC, RANDOM, FIXED, INPUT, RESET, KEY_FILE_INFO = (
    1000, 1001, 1002, 1003, 1005, 1006, 1007, 1010, 1015)
TRACK_SECONDS = 0.4  # the music the test writes: a tone, short so that its loop shows soon


def heard(sink, sounding, seconds):
    """Waits until each tenth of a second of the last `seconds` recorded holds music (or
    silence)."""
    tenth, tenths = RATE // 10 * 2, round(seconds * 10)  # bytes, how many
    def probe():
        end = sink.size() // tenth * tenth
        return end >= tenth * tenths and all(
            (max(map(abs, sink.samples(at, at + tenth))) > 2000) == sounding
            for at in range(end - tenth * tenths, end, tenth))
    wait_until("%.1f s of %s" % (seconds, "music" if sounding else "silence"), probe)


class Play(unittest.TestCase):

    def start(self, folder, music, read_only=False, **environment):
        """The built game copied into a new folder of that name, started under Wine; gives
        the game window once Return on the start dialog's focused STRAT GAME opened it."""
        root = pathlib.Path(self.enterContext(tempfile.TemporaryDirectory(prefix="quellabox-wine-")))
        self.folder = root / folder
        shutil.rmtree(local_app_data() / "Quellabox", ignore_errors=True)  # a record of its own
        self.folder.mkdir()
        shutil.copy(BUILD / "bin" / "Quellabox.exe", self.folder)
        (self.folder / "BackgroundMusic.wav").write_bytes(music)
        wrapper = []
        if read_only:
            # Read-only in a mount namespace of the game's own (root may write anywhere else);
            # Wine's server, which opens files for its programs, starts in there too.
            server = pathlib.Path(WINE).with_name("wineserver")
            for when in (lambda stop: stop(), self.addCleanup):
                when(lambda: subprocess.run([server, "-k"]) and subprocess.run([server, "-w"]))
            wrapper = ["unshare", "--mount"] + ([] if os.geteuid() == 0 else ["--map-root-user"])
            wrapper += ["sh", "-c", 'mount --bind "$1" "$1" && mount -o remount,ro,bind "$1" && '
                        'shift && exec "$@"', "-", str(self.folder)]
        self.process = subprocess.Popen([*wrapper, WINE, str(self.folder / "Quellabox.exe")],
                                        cwd=root, env=dict(os.environ, **environment),
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(lambda: self.process.poll() is None and self.process.kill())
        # Looked at once it shows: win-inspect then joins the game's Wine server.
        wait_until("the start dialog", lambda: run("xdotool", "search", "--name", "^Game-start"))
        self.desktop = Desktop()
        self.addCleanup(self.desktop.close)
        self.assertEqual(self.desktop.focused(self.desktop.window(START)), 1)
        press("Return")
        return self.desktop.window(MAIN)

    def arm(self, main, mode_button=None):
        """Arms the mode (a Fixed one is armed already) and clicks into the input box."""
        if mode_button:
            click(self.desktop.control(main, mode_button))
        wait_until("the input box to open", lambda: self.desktop.control(main, INPUT)["enabled"])
        click(self.desktop.control(main, INPUT))

    def type_keys(self, main, moves):
        """For each key shown from the countdown's "1" on, the key the move makes of it."""
        shown = "1"
        for move in moves:
            shown = wait_until("a key after %r" % shown, lambda after=shown: next(filter(
                lambda now: now != after and len(now.rstrip("*")) == 1 and not now.isdigit(),
                [self.desktop.text(main, DISPLAY)]), None))
            press(move(shown[0]))

    def record_of_two(self, main):
        """Two hits and a miss in Random mode: a record of 2 over no best score."""
        self.arm(main, RANDOM)
        self.type_keys(main, [str.lower, str.lower, lambda key: "s" if key == "A" else "a"])
        self.desktop.window(MESSAGE, "You make the new highest score!")
        press("Return")
        self.desktop.wait_text(main, DISPLAY, "FINISH")

    def test_a_whole_visit_in_a_players_own_folder(self):
        folder = pathlib.Path(self.enterContext(tempfile.TemporaryDirectory()))
        subprocess.run(["sox", "-n", "-r22050", "-b16", folder / "tone.wav", "synth",
                        str(TRACK_SECONDS), "sine", "440", "gain", "-12"], check=True)
        sink = self.enterContext(NullSink(folder))
        main = self.start("Spieler 玩家", (folder / "tone.wav").read_bytes(),
                          PULSE_SERVER=sink.env["PULSE_SERVER"])
        desktop = self.desktop
        # A window of its own, on the taskbar, with its icon; focus where a new window puts it.
        self.assertEqual((main["owner"], main["appwindow"]), (0, True))
        icons = run("xprop", "-id", run("xdotool", "search", "--name", "^VANTOSH$").split()[0],
                    "_NET_WM_ICON")  # the icons a taskbar gets for the window
        self.assertEqual(sorted(re.findall(r"Icon \((\d+ x \d+)\)", icons)), ["16 x 16", "32 x 32"])
        self.assertEqual(desktop.focused(main), HOW_TO_PLAY)
        self.assertEqual([desktop.text(main, DISPLAY), desktop.control(main, INPUT)["enabled"],
                          desktop.control(main, 2)["visible"]], ["ARE YOU READY?", False, False])

        # The music from a folder named in any letters, looping past its end; its button stops
        # it and starts it again.
        heard(sink, True, 3 * TRACK_SECONDS)
        click(desktop.control(main, MUSIC))
        heard(sink, False, 1)
        click(desktop.control(main, MUSIC))
        heard(sink, True, 3 * TRACK_SECONDS)

        # The About item, last in the window's own menu (Alt+Space), opens over the window.
        press("alt+space")
        press("Up", "Return")
        about = desktop.window("ABOUT VANTOSH")
        self.assertEqual(about["owner"], main["window"])
        self.assertTrue(any(c["image"] for c in about["children"]))  # the icon
        self.assertEqual(desktop.faults(about, 100), [])
        press("Return")
        desktop.gone(about)

        # The help, whole at the prefix's fonts: its picture and its wrapped button.
        click(desktop.control(main, HOW_TO_PLAY))
        help_dialog = desktop.window("How to play it?")
        self.assertEqual(desktop.faults(help_dialog, 130, HELP_PICTURE), [])
        press("Return")
        desktop.gone(help_dialog)

        # Random: Esc asks while the countdown goes on; then a record, kept beside the game.
        self.arm(main, RANDOM)
        desktop.wait_text(main, DISPLAY, "3")
        press("Escape")
        really = desktop.window(MESSAGE, "Really?")
        self.assertEqual(really["owner"], main["window"])
        self.assertEqual(desktop.faults(really), [])
        desktop.wait_text(main, DISPLAY, "2")
        click(desktop.control(really, 2))  # Cancel
        desktop.gone(really)
        self.record_of_two(main)
        self.assertEqual((self.folder / "best.data").read_bytes(), b"2\0\0\0\0\0\0\0")

        # Fixed: a sample key file in a non-ASCII folder, chosen in the Open dialog and
        # named without its extension.
        keys = self.folder.parent / "für 游戏"
        keys.mkdir()
        shutil.copy(BUILD / "native-assets" / "examples" / "home_row.vts", keys)
        click(desktop.control(main, FIXED))
        self.assertEqual(desktop.window("Open")["owner"], main["window"])
        type_text("Z:" + str(keys / "home_row").replace("/", "\\"))  # Linux's root under Wine
        press("Return")
        desktop.wait_text(main, KEY_FILE_INFO, "vts info: 0/8")  # the file is read: armed
        self.arm(main)
        self.type_keys(main, [lambda _, key=key: key for key in "asdfjkl"] + [lambda _: "semicolon"])
        desktop.wait_text(main, DISPLAY, "YOU WIN!")

        click(desktop.control(main, EXIT))
        desktop.window(MESSAGE, "Really?")
        press("Return")
        self.assertEqual(self.process.wait(TIMEOUT), 0)

    def test_a_folder_it_may_not_write_no_sound_device_and_music_that_is_no_wave(self):
        main = self.start("Program Files", b"not a wave file", read_only=True,
                          PULSE_SERVER="unix:/nonexistent")
        self.record_of_two(main)
        self.assertEqual((local_app_data() / "Quellabox" / "best.data").read_bytes(),
                         b"2\0\0\0\0\0\0\0")

        # Reset: this copy ends, a new one comes up with its start dialog; its EXIT ends it.
        click(self.desktop.control(main, RESET))
        self.assertEqual(self.process.wait(TIMEOUT), 0)
        self.desktop.gone(main)
        self.desktop.window(START)
        press("Escape")
        wait_until("the new copy to end", lambda: not any(
            shown["caption"] in (START, MAIN) for shown in self.desktop.windows()))


if __name__ == "__main__":
    if not os.environ.get("DISPLAY") or not os.environ.get("WINEPREFIX"):  # scripts/test.sh
        sys.exit("No X display or Wine prefix" if os.environ.get("QUELLABOX_REQUIRE_DESKTOP") == "1"
                 else 77)
    unittest.main(verbosity=2)
