# SPDX-FileCopyrightText: 2026 Quellabox maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The Wine desktop as win-inspect reads it from outside: every visible window and its
controls. The Wine prefix and the X display are those of scripts/test.sh; QUELLABOX_WINE
names the wine64 program and QUELLABOX_INSPECT win-inspect."""

import json
import os
import pathlib
import struct
import subprocess

from x_input import click_at, wait_until

WINE = os.environ.get("QUELLABOX_WINE", "wine64")
TEMPLATES = pathlib.Path(__file__).resolve().parents[2] / "res" / "dialogs"


class Desktop:
    """The windows on the Wine desktop, each with its controls by id and all of them in
    order (pictures and labels with no id of their own share one)."""

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
        windows = {}
        for line in iter(self.inspector.stdout.readline, ""):
            record = json.loads(line)
            if record.get("done"):
                return list(windows.values())
            if "control" in record:
                windows[record["window"]]["controls"][record["control"]] = record
                windows[record["window"]]["children"].append(record)
            else:
                windows[record["window"]] = dict(record, controls={}, children=[])
        raise AssertionError("win-inspect ended")

    def window(self, caption, text=None):
        """Waits for a window with this caption (and a control with this text)."""
        return wait_until("the window %r %s" % (caption, text or ""), lambda: next(
            (shown for shown in self.windows() if shown["caption"] == caption and (
                text is None or any(c["text"] == text for c in shown["children"]))), None))

    def now(self, window, template=None):
        """The window as it is now."""
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
    """The %LOCALAPPDATA% of the Wine prefix's user."""
    users = pathlib.Path(os.environ["WINEPREFIX"], "drive_c", "users")
    return next(path for path in users.glob("*/AppData/Local") if path.parts[-3] != "Public")
