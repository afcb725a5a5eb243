"""The desktop that scripts/test.sh starts, as a player and a screen reader meet it: X input
by xdotool, the accessibility bus, xprop, and copies of the installed program to play."""

import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest
import warnings

import pyatspi
from gi.repository import GLib

# pyatspi calls interface getters that its own libatspi marks as deprecated.
warnings.filterwarnings("ignore", category=DeprecationWarning, module="pyatspi")

TIMEOUT = 15.0  # generous for two busy cores; a wait that holds ends at once
# The captions of the start dialog, the main window and every message box.
START, MAIN, MESSAGE = "Game-start dialog   [game by orlavo]", "VANTOSH", "Quellabox"


def wait_until(what, probe, give_up=lambda: None):
    """Polls probe() until it gives neither None nor False (a raise is a no), returns that."""
    end, last = time.monotonic() + TIMEOUT, None
    while True:
        # pyatspi sees new windows and changed names only while GLib's loop runs.
        while GLib.MainContext.default().iteration(False):
            pass
        try:
            value = probe()
            if value is not None and value is not False:
                return value
        except Exception as error:  # pylint: disable=broad-except
            last = error
        why = give_up() or (time.monotonic() > end and "no luck in %.0f s" % TIMEOUT)
        if why:
            raise AssertionError("waiting for %s: %s (last error: %r)" % (what, why, last))
        time.sleep(0.01)


def name(accessible):
    accessible.clear_cache()  # the name as the program says it now
    return accessible.name


def children(accessible):
    accessible.clear_cache()
    found = map(accessible.getChildAtIndex, range(accessible.childCount))
    return [child for child in found if child is not None]


def find(root, role, wanted=None):
    """The first descendant of root with this role (and name), depth first, or None."""
    for child in children(root):
        if child.getRole() == role and wanted in (None, name(child)):
            return child
        found = find(child, role, wanted)
        if found is not None:
            return found
    return None


def has(accessible, state):
    return accessible.getState().contains(state)


def hear_names(on_close):
    """Listens for name changes as a screen reader does; the list fills with (source, name)."""
    heard, event = [], "object:property-change:accessible-name"
    listener = lambda change: heard.append((change.source, name(change.source)))  # noqa: E731
    pyatspi.Registry.registerEventListener(listener, event)
    on_close(pyatspi.Registry.deregisterEventListener, listener, event)
    return heard


def xdotool(*args):
    return subprocess.run(("xdotool",) + args, check=True, capture_output=True, text=True,
                          timeout=TIMEOUT).stdout


def click(accessible):
    """A real left click in the middle of the control, where the screen shows it."""
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    xdotool("mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2), "click", "1")


def press(key):
    """A key by its X name (Return, KP_Enter, Escape) to the window that has the focus."""
    xdotool("key", "--clearmodifiers", key)


def type_text(text):
    # xdotool maps a character missing from the keyboard to a spare key for a moment: slower.
    for run in re.findall(r"[\x00-\x7f]+|[^\x00-\x7f]+", text):
        xdotool("type", "--clearmodifiers", "--delay", "15" if run.isascii() else "80", run)


def x_window(pid, caption):
    # xdotool fails when it finds none, and may when a window goes away while it searches.
    return wait_until("the X window %r" % caption, lambda: int(xdotool(
        "search", "--all", "--onlyvisible", "--pid", str(pid), "--name",
        "^%s$" % re.escape(caption)).split()[0]))


def focus(pid, caption):
    """With no window manager the focus stays where it went last: send it to this window."""
    xdotool("windowfocus", "--sync", str(x_window(pid, caption)))


def window_kind(pid, caption):
    """What window managers see: the window's types, its owner and its states."""
    shown = subprocess.run(["xprop", "-id", str(x_window(pid, caption)), "_NET_WM_WINDOW_TYPE",
                            "WM_TRANSIENT_FOR", "_NET_WM_STATE"], check=True, capture_output=True,
                           text=True, timeout=TIMEOUT).stdout
    return (re.findall(r"_NET_WM_WINDOW_TYPE_(\w+)", shown),
            re.findall(r"WM_TRANSIENT_FOR\(WINDOW\): window id # (\w+)", shown),
            re.findall(r"_NET_WM_STATE_(\w+)", shown))


def alive(pid):
    try:
        with open("/proc/%s/stat" % pid, "rb") as stat:
            return stat.read().rsplit(b")", 1)[1].split()[0] != b"Z"
    except OSError:
        return False


class Copy:
    """The installed program's folder in a new temporary one; on_close(f) cleans it up."""

    def __init__(self, on_close):
        self.root = tempfile.mkdtemp(prefix="quellabox-e2e-")
        self.program = os.path.join(self.root, "game", "Quellabox")
        self.log = os.path.join(self.root, "program.log")
        shutil.copytree(os.environ["QUELLABOX_INSTALLED"], os.path.dirname(self.program))
        on_close(self.close)

    def start(self):
        home = os.path.join(self.root, "home")
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                   HOME=home, XDG_DATA_HOME=home + "/data", XDG_CONFIG_HOME=home + "/config")
        with open(self.log, "ab") as log:
            process = subprocess.Popen([self.program], cwd=self.root, env=env, stdout=log,
                                       stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)
        return Program(process.pid, process)

    def pids(self):
        """The live processes of this copy: ours, and those that Reset started."""
        def runs_it(pid):
            try:
                return os.readlink("/proc/%s/exe" % pid) == self.program and alive(pid)
            except OSError:
                return False
        return [int(pid) for pid in os.listdir("/proc") if pid.isdigit() and runs_it(pid)]

    def close(self):
        for pid in self.pids():
            os.kill(pid, signal.SIGKILL)
        wait_until("the copy's programs to end", lambda: not self.pids())
        with open(self.log, errors="replace") as log:
            print(log.read(), end="")  # ctest shows it for a failed test
        shutil.rmtree(self.root)


class Program:
    """One running program, seen on the accessibility bus."""

    def __init__(self, pid, process=None):
        self.pid, self.process = pid, process
        self.app = self.wait("process %d on the accessibility bus" % pid, lambda: next(
            (app for app in children(pyatspi.Registry.getDesktop(0))
             if app.get_process_id() == pid), None))

    def wait(self, what, probe):
        """Waits while the program runs; its end fails the wait at once."""
        return wait_until(what, probe, lambda: not alive(self.pid) and "the program ended")

    def window(self, caption, text=None):
        """Waits for a shown window with this caption (and a label with this text)."""
        return self.wait("the window %r %s" % (caption, text or ""), lambda: next(
            (window for window in children(self.app) if name(window) == caption
             and has(window, pyatspi.STATE_SHOWING)
             and (text is None or find(window, pyatspi.ROLE_LABEL, text) is not None)), None))

    def focused(self, window, control):
        """Gives the window the keyboard focus and waits until the control has it."""
        focus(self.pid, name(window))
        self.wait("%r to have the focus" % name(control),
                  lambda: has(control, pyatspi.STATE_FOCUSED))

    def enter(self):
        """Return on the start dialog's focused default button opens the main window."""
        start = self.window(START)
        self.focused(start, find(start, pyatspi.ROLE_PUSH_BUTTON, "STRAT GAME"))
        press("Return")
        return self.window(MAIN)

    def start_game(self, window, mode=None):
        """Arms the mode (a Fixed one is armed already) and clicks into the input box."""
        if mode:
            click(find(window, pyatspi.ROLE_PUSH_BUTTON, mode))
        box = find(window, pyatspi.ROLE_TEXT)
        self.wait("the input box to open", lambda: has(box, pyatspi.STATE_ENABLED))
        focus(self.pid, MAIN)
        click(box)
        self.wait("the input box to take the focus", lambda: has(box, pyatspi.STATE_FOCUSED))

    def next_key(self, display, after):
        """Waits until the display shows a key (a letter, perhaps marked), not `after`."""
        return self.wait("a key after %r" % after, lambda: next((
            shown for shown in [name(display)]
            if shown != after and len(shown.rstrip("*")) == 1 and not shown.isdigit()), None))

    def ended(self):
        """Waits for the program to end; returns its exit status if we started it."""
        wait_until("the program to end", lambda: not alive(self.pid))
        return self.process and self.process.wait()


def main():
    missing = [var for var in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS") if not os.environ.get(var)]
    if missing:
        print("No %s: scripts/test.sh starts the X display and the accessibility bus."
              % " and ".join(missing))
        required = os.environ.get("CI") or os.environ.get("QUELLABOX_REQUIRE_DESKTOP") == "1"
        sys.exit(1 if required else 77)  # 77: ctest's skip, for a bare ctest
    unittest.main(module="__main__", verbosity=2, warnings=False)  # keeps our filter
