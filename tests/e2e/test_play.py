# SPDX-FileCopyrightText: 2026 Quellabox maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The installed game played with real X input, read through the accessibility bus as a
screen reader reads it."""

import os
import pathlib
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import unittest

import pyatspi
from gi.repository import GLib

import x_input
from x_input import MAIN, MESSAGE, START, TIMEOUT, press, run, type_text


def pump():
    """pyatspi sees new windows and changed names only while GLib's main loop runs."""
    while GLib.MainContext.default().iteration(False):
        pass


def wait_until(what, probe):
    return x_input.wait_until(what, probe, pump)


def name(accessible):
    accessible.clear_cache()  # the name as the program says it now
    return accessible.name


def children(accessible):
    accessible.clear_cache()
    return [accessible.getChildAtIndex(index) for index in range(accessible.childCount)]


def find(root, role, wanted=None):
    return pyatspi.findDescendant(
        root, lambda found: found.getRole() == role and wanted in (None, name(found)))


def window(caption, text=None):
    """Waits for a window of any program with this caption and a label (with this text)."""
    return wait_until("the window %r %s" % (caption, text or ""), lambda: next(
        (shown for app in children(pyatspi.Registry.getDesktop(0)) for shown in children(app)
         if name(shown) == caption and find(shown, pyatspi.ROLE_LABEL, text)), None))


def click(accessible):
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    x_input.click_at(box.x, box.y, box.width, box.height)


def x_window(shown):
    return wait_until("the X window %r" % name(shown), lambda: int(run(
        "xdotool", "search", "--onlyvisible", "--name", "^%s$" % re.escape(name(shown)))))


def xprop(shown):
    """What window managers see of the window: its class, types, owner and states."""
    return re.findall(r"[=#] (.*)", run("xprop", "-notype", "-id", str(x_window(shown)), "WM_CLASS",
                                        "_NET_WM_WINDOW_TYPE", "WM_TRANSIENT_FOR", "_NET_WM_STATE"))


def focus(shown, control=None):
    """Waits until the window has the keyboard focus, and the control in it if named. There is
    no window manager to hand it over: each window of the game's takes it as it appears."""
    window_id = x_window(shown)
    wait_until("%r to have the focus" % name(control or shown), lambda: int(run(
        "xdotool", "getwindowfocus", "-f")) == window_id and (
            control is None or control.getState().contains(pyatspi.STATE_FOCUSED)))


class Copy:
    """The installed tree copied into a new folder with a non-ASCII name and started there,
    with settings and data of its own (best: its record); on_close(f, *args) cleans up."""

    def __init__(self, on_close):
        self.root = pathlib.Path(tempfile.mkdtemp(prefix="quellabox-e2e-"))
        prefix = self.root / "für 游戏"
        shutil.copytree(os.environ["QUELLABOX_PREFIX"], prefix, symlinks=True)
        self.program = str(prefix / os.path.relpath(os.environ["QUELLABOX_INSTALLED"],
                                                    os.environ["QUELLABOX_PREFIX"]) / "Quellabox")
        self.best = self.root / "data" / "Quellabox" / "Quellabox" / "best.data"
        on_close(shutil.rmtree, self.root)
        on_close(lambda: [os.kill(pid, signal.SIGKILL) for pid in self.pids()])  # runs first
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   XDG_CONFIG_HOME=str(self.root / "config"), XDG_DATA_HOME=str(self.root / "data"))
        self.process = subprocess.Popen([self.program], cwd=self.root, env=env)

    def pids(self):
        """The live processes of this copy (a zombie has no command line): ours, and Reset's."""
        found = subprocess.run(["pgrep", "-xf", self.program], capture_output=True, text=True)
        return [int(pid) for pid in found.stdout.split()]


# A window of its own, neither modal nor skipping the taskbar: taskbars and switchers list it,
# and docks find its menu entry by the class the entry names.
ENTRY = pathlib.Path(os.environ["QUELLABOX_DESKTOP_ENTRY"]).read_text(encoding="utf-8")
TOP_LEVEL = ['"Quellabox", "%s"' % re.search(r"^StartupWMClass=(.+)$", ENTRY, re.M)[1],
             "_NET_WM_WINDOW_TYPE_NORMAL"]


class Play(unittest.TestCase):

    def test_random_game_ends_on_a_miss_fixed_one_reads_a_sample_and_reset_starts_afresh(self):
        copy = Copy(self.addCleanup)
        start = window(START)
        self.assertEqual(xprop(start), TOP_LEVEL)
        focus(start, find(start, pyatspi.ROLE_PUSH_BUTTON, "STRAT GAME"))
        press("Return")  # on the focused default button
        main = window(MAIN)
        self.assertEqual(xprop(main), TOP_LEVEL)

        # Random: Esc asks while the countdown goes on; two hits and a miss make a record.
        display, heard = find(main, pyatspi.ROLE_LABEL, "ARE YOU READY?"), []
        pyatspi.Registry.registerEventListener(  # as a screen reader hears the display
            lambda change: change.source == display and heard.append(name(display)),
            "object:property-change:accessible-name")
        click(find(main, pyatspi.ROLE_PUSH_BUTTON, "Random mode"))
        box = find(main, pyatspi.ROLE_TEXT, "Type the key shown")  # by its accessible name
        wait_until("the input box to open", lambda: box.getState().contains(pyatspi.STATE_ENABLED))
        click(box)
        focus(main, box)
        wait_until("the countdown", lambda: name(display) == "3")
        press("Escape")
        really = window(MESSAGE, "Really?")
        self.assertIn(hex(x_window(main)), xprop(really))  # its owner
        wait_until("the countdown to go on under the question", lambda: name(display) == "2")
        click(find(really, pyatspi.ROLE_PUSH_BUTTON, "Cancel"))
        focus(main, box)
        shown = ["2"]
        for typed in (str.lower, str.lower, lambda key: "s" if key == "A" else "a"):  # the miss
            shown.append(x_input.next_key(lambda: name(display), shown[-1], pump))
            press(typed(shown[-1][0]))
        focus(window(MESSAGE, "You make the new highest score!"))
        press("KP_Enter")  # answers the message box as Return does
        wait_until("the end of the game", lambda: name(display) == "FINISH")
        self.assertEqual(copy.best.read_bytes(), b"2\0\0\0\0\0\0\0")  # not beside the program
        self.assertEqual(heard, ["3", "2", "1"] + shown[1:] + ["FINISH"])

        # Fixed: the Open dialog starts among the samples, where a name alone finds one.
        click(find(main, pyatspi.ROLE_PUSH_BUTTON, "Fixed mode"))
        chooser = window("Open")
        self.assertIn(hex(x_window(main)), xprop(chooser))  # its owner
        focus(chooser, find(chooser, pyatspi.ROLE_TEXT, "File name:"))
        type_text("home_row")
        press("Return")
        window(MAIN, "vts info: 0/8")  # read: the engine tests play the keys

        # Reset: this copy ends, a new one starts; keypad Enter on its focused EXIT ends that.
        click(find(main, pyatspi.ROLE_PUSH_BUTTON, "Reset"))
        self.assertEqual(copy.process.wait(TIMEOUT), 0)
        start = window(START)
        focus(start)
        press("Tab")  # from STRAT GAME
        focus(start, find(start, pyatspi.ROLE_PUSH_BUTTON, "EXIT"))
        press("KP_Enter")
        wait_until("the new copy to end", lambda: not copy.pids())


if __name__ == "__main__":
    if not os.environ.get("DISPLAY"):  # scripts/test.sh starts one
        sys.exit("No X display" if os.environ.get("QUELLABOX_REQUIRE_DESKTOP") == "1" else 77)
    unittest.main(verbosity=2, warnings=False)  # pyatspi's own deprecations stay quiet
