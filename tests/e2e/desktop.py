"""The desktop as a player and a screen reader meet it: what the accessibility bus shows,
waits on it with a deadline, and real X input through xdotool."""

import re
import subprocess
import time
import warnings

import pyatspi
from gi.repository import GLib

# pyatspi calls interface getters that its own libatspi marks as deprecated.
warnings.filterwarnings("ignore", category=DeprecationWarning, module="pyatspi")

# Generous, since CI runs the whole suite on two cores; a wait that holds ends early.
TIMEOUT = 15.0
POLL_SECONDS = 0.01


def pump(seconds=0.0):
    """Lets the bus deliver its events to our listeners, for at least `seconds`."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while True:
        while context.iteration(False):
            pass
        if time.monotonic() >= end:
            return
        time.sleep(POLL_SECONDS)


def wait_until(what, probe, timeout=TIMEOUT, give_up=None):
    """Polls `probe` until it returns something true and returns that. A probe that raises
    counts as not yet: a window may vanish or be half made while we look. `give_up` may
    tell why waiting on is pointless (the program ended); then it fails at once."""
    end = time.monotonic() + timeout
    last = None
    while True:
        pump()
        try:
            value = probe()
            if value:
                return value
        except Exception as error:  # pylint: disable=broad-except
            last = "%s: %s" % (type(error).__name__, error)
        reason = give_up() if give_up else None
        if reason:
            raise AssertionError("while waiting for %s: %s" % (what, reason))
        if time.monotonic() >= end:
            raise AssertionError("waited %.1f s for %s%s" % (
                timeout, what, "; last error: " + last if last else ""))
        time.sleep(POLL_SECONDS)


def wait_for_value(what, read, wanted, timeout=TIMEOUT, give_up=None):
    """Polls `read` until it gives `wanted`; a failure tells what it gave last."""
    seen = []

    def probe():
        seen.append(read())
        return seen[-1] == wanted

    try:
        wait_until(what, probe, timeout, give_up)
    except AssertionError as error:
        raise AssertionError("%s; it showed %r" % (error, seen[-1] if seen else None)) from None


def name(accessible):
    """The accessible name as the program says it now, not as a cache remembers it."""
    accessible.clear_cache()
    return accessible.name


def text(accessible):
    """The whole text of an input box, through the Text interface."""
    return accessible.queryText().getText(0, -1)


def children(accessible):
    accessible.clear_cache()
    return [accessible.getChildAtIndex(i) for i in range(accessible.childCount)]


def find(root, role, wanted_name=None):
    """The first descendant of `root` with this role (and name), depth first; or None."""
    for child in children(root):
        if child is None:
            continue
        if child.getRole() == role and (wanted_name is None or name(child) == wanted_name):
            return child
        found = find(child, role, wanted_name)
        if found is not None:
            return found
    return None


def applications(pid):
    """The programs on the bus whose process is `pid`."""
    return [app for app in children(pyatspi.Registry.getDesktop(0))
            if app is not None and app.get_process_id() == pid]


def top_window(app, role, wanted_name):
    """A top-level window of the program, by role and caption; or None."""
    for window in children(app):
        if window is not None and window.getRole() == role and name(window) == wanted_name:
            return window
    return None


def centre(accessible):
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    if box.width <= 0 or box.height <= 0:
        raise AssertionError("%r has no place on the screen" % name(accessible))
    return box.x + box.width // 2, box.y + box.height // 2


def _xdotool(*args):
    subprocess.run(("xdotool",) + args, check=True, timeout=TIMEOUT)


def click(accessible):
    """A real left click in the middle of the control, where the screen shows it."""
    x, y = centre(accessible)
    # No --sync: it waits for a move forever when the pointer is there already. XTEST
    # events keep their order, so the click lands where the pointer went.
    _xdotool("mousemove", str(x), str(y), "click", "1")


def press(*keys):
    """Key presses (X key names such as Return, Escape) to the window that has the focus."""
    _xdotool("key", "--clearmodifiers", *keys)


def type_text(characters):
    """Types text, non-ASCII characters included, into the focused window."""
    # xdotool types a character missing from the keyboard map by binding it to a spare key
    # for the moment; given less than about 40 ms, the program may read the map after it
    # was put back and lose the character. ASCII needs no binding and goes at full speed.
    for run in re.findall(r"[\x00-\x7f]+|[^\x00-\x7f]+", characters):
        delay = "15" if run.isascii() else "80"
        _xdotool("type", "--clearmodifiers", "--delay", delay, run)


def x_window(pid, caption):
    """The X window of process `pid` with this caption."""
    found = subprocess.run(
        ["xdotool", "search", "--all", "--onlyvisible", "--pid", str(pid), "--name",
         "^%s$" % re.escape(caption)],
        capture_output=True, text=True, timeout=TIMEOUT, check=False)
    window_ids = found.stdout.split()
    if not window_ids:
        raise AssertionError("no X window %r of process %d" % (caption, pid))
    return window_ids[0]


def focus_x_window(pid, caption):
    """Gives the keyboard focus to the program's window with this caption. With no window
    manager the focus stays with the window that took it last, so a test that plays two
    copies must move it."""
    _xdotool("windowfocus", "--sync", x_window(pid, caption))


def move_x_window(pid, caption, x, y):
    """Moves a window, so that two copies' windows, both centred, no longer cover each
    other."""
    _xdotool("windowmove", "--sync", x_window(pid, caption), str(x), str(y))


class NameEvents:
    """Listens on the bus for name changes, as a screen reader does, and notes each with
    the name that the source carried when the event came in."""

    EVENT = "object:property-change:accessible-name"

    def __init__(self):
        self.seen = []
        pyatspi.Registry.registerEventListener(self._on_event, self.EVENT)

    def _on_event(self, event):
        try:
            # Qt's event names its source; a reader asks the source for the new name at once.
            self.seen.append((event.source, name(event.source)))
        except Exception:  # pylint: disable=broad-except
            pass  # The window went away before we could ask.

    def names_of(self, accessible):
        pump()
        return [seen_name for source, seen_name in self.seen if source == accessible]

    def close(self):
        pyatspi.Registry.deregisterEventListener(self._on_event, self.EVENT)
