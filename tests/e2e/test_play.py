# SPDX-FileCopyrightText: 2026 Quellabox maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The installed game played with real X input, read through the accessibility bus."""

import os
import pathlib
import re
import sys
import unittest

import pyatspi

from desktop import (MESSAGE, START, TIMEOUT, Copy, click, enter, find, focus, name, next_key,
                     press, start_game, wait_until, window, x_window, xprop)
from x_input import type_text

# A window of its own, neither modal nor skipping the taskbar: taskbars and switchers list it,
# and docks find its menu entry by the class the entry names.
ENTRY = pathlib.Path(os.environ["QUELLABOX_DESKTOP_ENTRY"]).read_text(encoding="utf-8")
TOP_LEVEL = ['"Quellabox", "%s"' % re.search(r"^StartupWMClass=(.+)$", ENTRY, re.M)[1],
             "_NET_WM_WINDOW_TYPE_NORMAL"]


class Play(unittest.TestCase):

    def test_random_game_ends_on_a_miss_fixed_one_is_won_and_reset_starts_afresh(self):
        copy = Copy(self.addCleanup)
        self.assertEqual(xprop(window(START)), TOP_LEVEL)
        main = enter()
        self.assertEqual(xprop(main), TOP_LEVEL)

        # Random: Esc asks while the countdown goes on; two hits and a miss make a record.
        display, heard = find(main, pyatspi.ROLE_LABEL, "ARE YOU READY?"), []
        pyatspi.Registry.registerEventListener(  # as a screen reader hears the display
            lambda change: change.source == display and heard.append(name(display)),
            "object:property-change:accessible-name")
        box = start_game(main, "Random mode")  # finds the input box by its accessible name
        wait_until("the countdown", lambda: name(display) == "3")
        press("Escape")
        really = window(MESSAGE, "Really?")
        self.assertIn(hex(x_window(main)), xprop(really))  # its owner
        wait_until("the countdown to go on under the question", lambda: name(display) == "2")
        click(find(really, pyatspi.ROLE_PUSH_BUTTON, "Cancel"))
        focus(main, box)
        shown = ["2"]
        for typed in (str.lower, str.lower, lambda key: "s" if key == "A" else "a"):  # the miss
            shown.append(next_key(display, shown[-1]))
            press(typed(shown[-1][0]))
        focus(window(MESSAGE, "You make the new highest score!"))
        press("KP_Enter")  # answers the message box as Return does
        wait_until("the end of the game", lambda: name(display) == "FINISH")
        self.assertEqual(copy.best.read_bytes(), b"2\0\0\0\0\0\0\0")  # not beside the program
        self.assertEqual(heard, ["3", "2", "1"] + shown[1:] + ["FINISH"])

        # Fixed, won: the Open dialog starts among the samples, where a name alone finds one.
        click(find(main, pyatspi.ROLE_PUSH_BUTTON, "Fixed mode"))
        chooser = window("Open")
        self.assertIn(hex(x_window(main)), xprop(chooser))  # its owner
        focus(chooser, find(chooser, pyatspi.ROLE_TEXT, "File name:"))
        type_text("home_row")
        press("Return")
        start_game(main)
        shown = "1"
        for key in "asdfjkl;":
            shown = next_key(display, shown)
            press("semicolon" if key == ";" else key)
        wait_until("the win", lambda: name(display) == "YOU WIN!")

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
