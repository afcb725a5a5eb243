# SPDX-FileCopyrightText: 2026 Quellabox maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The Windows program under Wine, played with real X input and read from outside by
win-inspect. The Wine prefix and the X display are those of scripts/test.sh; QUELLABOX_WINE
names the wine64 program and QUELLABOX_INSPECT win-inspect."""

import json
import os
import pathlib
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest

from null_sink import RATE, NullSink
from x_input import (MAIN, MESSAGE, START, TIMEOUT, click_at, next_key, press, run, type_text,
                     wait_until)

WINE = os.environ.get("QUELLABOX_WINE", "wine64")
TEMPLATES = pathlib.Path(__file__).resolve().parents[2] / "res" / "dialogs"
BUILD = pathlib.Path(os.environ.get("QUELLABOX_WINDOWS_BUILD", "."))
HELP_PICTURE = next((BUILD / "native-assets" / "res").glob("help*.bmp"), None)
HOW_TO_PLAY, DISPLAY, EXIT, MUSIC, RANDOM, FIXED, INPUT, RESET, KEY_FILE_INFO = (
    1000, 1001, 1002, 1003, 1005, 1006, 1007, 1010, 1015)
TRACK_SECONDS = 0.4  # the music the test writes: a tone, short so that its loop shows soon


class Desktop:
    """The Wine desktop's windows, each with its controls by id and in order (pictures and
    labels with no id of their own share one)."""

    def __init__(self):
        self.inspector = subprocess.Popen([WINE, os.environ["QUELLABOX_INSPECT"]],
                                          stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                          stderr=subprocess.DEVNULL, text=True, encoding="utf-8")

    def close(self):
        self.inspector.communicate("quit\n", timeout=20)

    def windows(self, template=None):
        """The windows; texts measured in the font of the dialog template with this id, or
        in the message boxes' font."""
        font = json.loads((TEMPLATES / ("%d.json" % template)).read_text(encoding="utf-8"))[
            "font"] if template else None
        self.inspector.stdin.write("list %(points)d %(face)s\n" % font if font else "list\n")
        self.inspector.stdin.flush()
        records = [json.loads(line) for line in  # "" when it ended, which no JSON reads
                   iter(self.inspector.stdout.readline, '{"done":true}\n')]
        windows = {r["window"]: dict(r, controls={}, children=[]) for r in records
                   if "caption" in r}
        for control in (record for record in records if "control" in record):
            windows[control["window"]]["controls"][control["control"]] = control
            windows[control["window"]]["children"].append(control)
        return list(windows.values())

    def window(self, caption, text=None):
        """Waits for a window with this caption (and a control with this text)."""
        return wait_until("the window %r %s" % (caption, text or ""), lambda: next(
            (shown for shown in self.windows() if shown["caption"] == caption and (
                text is None or any(c["text"] == text for c in shown["children"]))), None))

    def now(self, window, template=None):
        return next(shown for shown in self.windows(template)
                    if shown["window"] == window["window"])

    def faults(self, window, template=None, bitmap=None):
        """What the window does not show whole: a text its control cuts, a picture the window
        cuts, a control over a drawn part of a picture (the .bmp `bitmap` gives a picture of its
        size its pixels; any other is drawn all over). `template` as for windows()."""
        shown = self.now(window, template)
        pixels = bitmap_pixels(bitmap) if bitmap else {}
        controls = [control for control in shown["children"] if control["visible"]]
        faults = ["%r needs %s, has %s" % (c["text"], c["needs"], c["room"]) for c in controls
                  if "needs" in c and any(n > r for n, r in zip(c["needs"], c["room"]))]
        client = shown["client"]
        for picture in (c for c in controls if c["image"]):
            left, top, right, bottom = picture["rect"]
            if left < client[0] or top < client[1] or right > client[2] or bottom > client[3]:
                faults.append("a picture at %s, the window %s" % (picture["rect"], client))
            drawn = pixels.get((right - left, bottom - top), lambda x, y: True)
            for other in (c for c in controls if c is not picture):
                x0, y0 = max(left, other["rect"][0]), max(top, other["rect"][1])
                x1, y1 = min(right, other["rect"][2]), min(bottom, other["rect"][3])
                if any(drawn(x - left, y - top) for x in range(x0, x1) for y in range(y0, y1)):
                    faults.append("%d over a picture at %s" % (other["control"], picture["rect"]))
        return faults

    def gone(self, window):
        wait_until("%r to close" % window["caption"], lambda: all(
            shown["window"] != window["window"] for shown in self.windows()))

    def control(self, window, control_id):
        return self.now(window)["controls"][control_id]

    def text(self, window, control_id):
        return self.control(window, control_id)["text"]

    def wait_text(self, window, control_id, wanted):
        wait_until("%d to read %r" % (control_id, wanted),
                   lambda: self.text(window, control_id) == wanted)

    def focused(self, window):
        """The id of the control with the keyboard focus, once the window is active."""
        def probe():
            shown = self.now(window)
            return shown["active"] and next(
                (i for i, c in shown["controls"].items() if c["focused"]), None)
        return wait_until("%r to have the focus" % window["caption"], probe)


def bitmap_pixels(path):
    """{(width, height): drawn(x, y)} of a 4-bit .bmp: whether a pixel is other than white."""
    data = pathlib.Path(path).read_bytes()
    (offset,), (width, height) = struct.unpack_from("<I", data, 10), struct.unpack_from(
        "<ii", data, 18)
    white = [data[54 + 4 * i:57 + 4 * i] == b"\xff\xff\xff" for i in range(16)]
    stride = (width * 4 + 31) // 32 * 4

    def drawn(x, y):
        byte = data[offset + (height - 1 - y) * stride + x // 2]
        return not white[byte >> 4 if x % 2 == 0 else byte & 15]
    return {(width, height): drawn}


def click(control):
    left, top, right, bottom = control["rect"]
    click_at(left, top, right - left, bottom - top)


def local_app_data():
    users = pathlib.Path(os.environ["WINEPREFIX"], "drive_c", "users")
    return next(path for path in users.glob("*/AppData/Local") if path.parts[-3] != "Public")


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
        root = pathlib.Path(self.enterContext(tempfile.TemporaryDirectory(
            prefix="quellabox-wine-")))
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

    def arm(self, main):
        click(self.desktop.control(main, RANDOM))
        wait_until("the input box to open", lambda: self.desktop.control(main, INPUT)["enabled"])
        click(self.desktop.control(main, INPUT))

    def record_of_two(self, main):
        """Two hits and a miss in Random mode: a record of 2 over no best score."""
        self.arm(main)
        shown = "1"  # the countdown's last
        for move in (str.lower, str.lower, lambda key: "s" if key == "A" else "a"):
            shown = next_key(lambda: self.desktop.text(main, DISPLAY), shown)
            press(move(shown[0]))
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

        # The music from a folder named in any letters loops; its button stops and restarts it.
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
        self.arm(main)
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

        # Fixed: the Open dialog starts among the samples beside the game (a non-ASCII folder),
        # where the name alone, without its extension, finds one.
        shutil.copytree(BUILD / "native-assets" / "examples", self.folder / "examples",
                        ignore=shutil.ignore_patterns("CMake*", "*.cmake"))
        click(desktop.control(main, FIXED))
        self.assertEqual(desktop.window("Open")["owner"], main["window"])
        type_text("home_row")
        press("Return")
        desktop.wait_text(main, KEY_FILE_INFO, "vts info: 0/8")  # read: the engine tests play it

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
