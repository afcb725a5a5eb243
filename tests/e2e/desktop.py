# SPDX-FileCopyrightText: 2026 Quellabox maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The desktop of scripts/services.sh as a player and a screen reader meet it, and the game."""

import os
import pathlib
import re
import shutil
import signal
import subprocess
import tempfile

import pyatspi
from gi.repository import GLib

import x_input
from x_input import MAIN, MESSAGE, START, TIMEOUT, press, run  # pylint: disable=unused-import


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
    """A real left click in the middle of the control, where the screen shows it."""
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    x_input.click_at(box.x, box.y, box.width, box.height)


def x_window(shown):
    return wait_until("the X window %r" % name(shown), lambda: int(run(
        "xdotool", "search", "--onlyvisible", "--name", "^%s$" % re.escape(name(shown)))))


def xprop(shown):
    """What window managers see of the window: the values of its class, types, owner and
    states."""
    return re.findall(r"[=#] (.*)", run("xprop", "-notype", "-id", str(x_window(shown)), "WM_CLASS",
                                        "_NET_WM_WINDOW_TYPE", "WM_TRANSIENT_FOR", "_NET_WM_STATE"))


def focus(shown, control=None):
    """Waits until the window has the keyboard focus, and the control in it if named. There is
    no window manager to hand it over: each window of the game's takes it as it appears."""
    window_id = x_window(shown)
    wait_until("%r to have the focus" % name(control or shown), lambda: int(run(
        "xdotool", "getwindowfocus", "-f")) == window_id and (
            control is None or control.getState().contains(pyatspi.STATE_FOCUSED)))


def enter():
    """Return on the start dialog's focused default button opens the main window."""
    start = window(START)
    focus(start, find(start, pyatspi.ROLE_PUSH_BUTTON, "STRAT GAME"))
    press("Return")
    return window(MAIN)


def start_game(main, mode=None):
    """Arms the mode (a Fixed one is armed already), clicks into the input box, returns it."""
    if mode:
        click(find(main, pyatspi.ROLE_PUSH_BUTTON, mode))
    box = find(main, pyatspi.ROLE_TEXT, "Type the key shown")
    wait_until("the input box to open", lambda: box.getState().contains(pyatspi.STATE_ENABLED))
    click(box)
    focus(main, box)
    return box


def next_key(display, after):
    """Waits until the display shows a key (a letter, perhaps marked), not `after`."""
    is_key = lambda shown: shown != after and len(shown.rstrip("*")) == 1 and not shown.isdigit()
    return wait_until("a key after %r" % after, lambda: next(filter(is_key, [name(display)]), None))


class Copy:
    """The installed tree (the program, its samples) copied into a new temporary folder with
    a non-ASCII name and started there, with settings and data of its own; on_close(f, *args)
    cleans up. best is where that installed copy keeps the player's best score."""

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
