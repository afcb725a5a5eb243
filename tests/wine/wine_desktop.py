# SPDX-FileCopyrightText: 2026 Quellabox maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The Wine desktop as win-inspect reads it from outside: every visible window and its
controls. The Wine prefix and the X display are those of scripts/test.sh; QUELLABOX_WINE
names the wine64 program and QUELLABOX_INSPECT win-inspect."""

import json
import os
import pathlib
import re
import subprocess

from x_input import click_at, run, wait_until

WINE = os.environ.get("QUELLABOX_WINE", "wine64")


class Desktop:
    """The windows on the Wine desktop, each with its controls by id and all of them in
    order (pictures and labels with no id of their own share one)."""

    def __init__(self):
        self.inspector = subprocess.Popen([WINE, os.environ["QUELLABOX_INSPECT"]],
                                          stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                          stderr=subprocess.DEVNULL, text=True, encoding="utf-8")

    def close(self):
        self.inspector.communicate("quit\n", timeout=20)

    def windows(self):
        self.inspector.stdin.write("list\n")
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

    def now(self, window):
        """The window as it is now."""
        return next(shown for shown in self.windows() if shown["window"] == window["window"])

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


def click(control):
    left, top, right, bottom = control["rect"]
    click_at(left, top, right - left, bottom - top)


def x_icon_sizes(caption):
    """The sizes of the icons a taskbar gets for the window, from its X window."""
    window = run("xdotool", "search", "--name", "^%s$" % caption).split()[0]
    return re.findall(r"Icon \((\d+ x \d+)\)", run("xprop", "-id", window, "_NET_WM_ICON"))


def windows_path(path):
    """The path as a program under Wine names it: Linux's root is drive Z:."""
    return "Z:" + str(path).replace("/", "\\")


def local_app_data():
    """The %LOCALAPPDATA% of the Wine prefix's user."""
    users = pathlib.Path(os.environ["WINEPREFIX"], "drive_c", "users")
    return next(path for path in users.glob("*/AppData/Local") if path.parts[-3] != "Public")
