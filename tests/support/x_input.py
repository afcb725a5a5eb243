# SPDX-FileCopyrightText: 2026 Quellabox maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Real X input and waits on conditions, for the tests that play a program from outside."""

import subprocess
import time

TIMEOUT = 20.0  # generous for two busy cores; a wait that holds ends at once
# The captions of the start dialog, the main window and every message box.
START, MAIN, MESSAGE = "Game-start dialog   [game by orlavo]", "VANTOSH", "Quellabox"


def wait_until(what, probe, between=lambda: None, every=0.01):
    """Polls probe() every `every` seconds until it gives something true (a raise is a no)
    and returns that; between() runs before each try."""
    end, last = time.monotonic() + TIMEOUT, None
    while time.monotonic() < end:
        between()
        try:
            if value := probe():
                return value
        except Exception as error:  # pylint: disable=broad-except
            last = error
        time.sleep(every)
    raise AssertionError("waited %.0f s for %s (last error: %r)" % (TIMEOUT, what, last))


def next_key(read, after, between=lambda: None):
    """Waits until read() gives a key (a letter, perhaps marked) other than `after`."""
    is_key = lambda shown: shown != after and len(shown.rstrip("*")) == 1 and not shown.isdigit()
    return wait_until("a key after %r" % after, lambda: next(filter(is_key, [read()]), None),
                      between)


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True,
                          timeout=TIMEOUT).stdout


def click_at(left, top, width, height):
    """A real left click in the middle of the rectangle, in screen coordinates."""
    run("xdotool", "mousemove", str(left + width // 2), str(top + height // 2), "click", "1")


def press(*keys):
    run("xdotool", "key", "--clearmodifiers", *keys)


def type_text(text):
    run("xdotool", "type", "--delay", "80", text)  # slow: xdotool remaps keys for CJK
