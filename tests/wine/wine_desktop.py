# SPDX-FileCopyrightText: 2026 Quellabox maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The game under Wine as a player meets it: real X input from xdotool, and every window read
from outside by win-inspect. The Wine prefix, the X display and the sound server are those of
scripts/test.sh; QUELLABOX_WINE names the wine64 program and QUELLABOX_INSPECT win-inspect."""

import json
import os
import re
import subprocess
import time

TIMEOUT = 20.0  # generous for two busy cores; a wait that holds ends at once
START, MAIN, MESSAGE = "Game-start dialog   [game by orlavo]", "VANTOSH", "Quellabox"
WINE = os.environ.get("QUELLABOX_WINE", "wine64")


def wait_until(what, probe):
    """Polls probe() until it gives something true (a raise is a no) and returns that."""
    end, last = time.monotonic() + TIMEOUT, None
    while time.monotonic() < end:
        try:
            if value := probe():
                return value
        except (LookupError, ValueError) as error:
            last = error
        time.sleep(0.02)
    raise AssertionError("waited %.0f s for %s (last: %r)" % (TIMEOUT, what, last))


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True,
                          timeout=TIMEOUT).stdout


class Desktop:
    """The windows on the Wine desktop, as win-inspect lists them."""

    def __init__(self):
        self.inspector = subprocess.Popen([WINE, os.environ["QUELLABOX_INSPECT"]],
                                          stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                          stderr=subprocess.DEVNULL, text=True, encoding="utf-8")

    def close(self):
        self.inspector.communicate("quit\n", timeout=TIMEOUT)

    def windows(self):
        """Every visible top-level window, with its controls by id, and all of them in order
        (pictures and labels with no id of their own share one)."""
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
        """Waits for a window with this caption (and a control with this text) and gives it."""
        return wait_until("the window %r %s" % (caption, text or ""), lambda: next(
            (shown for shown in self.windows() if shown["caption"] == caption and (
                text is None or any(c["text"] == text for c in shown["controls"].values()))),
            None))

    def gone(self, window):
        wait_until("window %r to close" % window["caption"], lambda: all(
            shown["window"] != window["window"] for shown in self.windows()))

    def control(self, window, control_id):
        """The control as it is now."""
        return next(shown for shown in self.windows()
                    if shown["window"] == window["window"])["controls"][control_id]

    def text(self, window, control_id):
        return self.control(window, control_id)["text"]

    def wait_text(self, window, control_id, wanted):
        wait_until("%d to read %r" % (control_id, wanted),
                   lambda: self.text(window, control_id) == wanted)

    def focused(self, window):
        """The id of the control that has the keyboard focus, once the window is active."""
        def probe():
            shown = next(w for w in self.windows() if w["window"] == window["window"])
            return shown["active"] and next(
                (i for i, c in shown["controls"].items() if c["focused"]), None)
        return wait_until("%r to have the focus" % window["caption"], probe)


def click(control):
    """A real left click in the middle of the control, where the screen shows it."""
    left, top, right, bottom = control["rect"]
    run("xdotool", "mousemove", str((left + right) // 2), str((top + bottom) // 2), "click", "1")


def press(*keys):
    run("xdotool", "key", "--clearmodifiers", *keys)


def type_text(text):
    run("xdotool", "type", "--delay", "60", text)  # slow: xdotool remaps keys for CJK


def x_icon_sizes(caption):
    """The sizes of the icons a taskbar gets for the window, from its X window."""
    window = run("xdotool", "search", "--name", "^%s$" % caption).split()[0]
    return re.findall(r"Icon \((\d+ x \d+)\)", run("xprop", "-id", window, "_NET_WM_ICON"))


def windows_path(path):
    """The path as a Windows program under Wine names it: Linux's root is drive Z:."""
    return "Z:" + str(path).replace("/", "\\")
