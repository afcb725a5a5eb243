"""The installed game played through real X input and read through the accessibility bus:
a Random game and a Fixed one, the ways out, and how its windows show to window managers."""

import json
import os
import pathlib
import unittest

import pyatspi

from desktop import (MAIN, MESSAGE, START, Copy, Program, children, click, find, focus, has,
                     hear_names, main, name, press, type_text, wait_until, window_kind, x_window)

# A window of its own, neither modal nor skipping the taskbar: taskbars and switchers list it.
TOP_LEVEL = (["NORMAL"], [], [])


def names(window, template_id):
    """The names of the controls a player operates: on the bus, and as the template gives."""
    path = pathlib.Path(os.environ["QUELLABOX_TEMPLATES"], "%d.json" % template_id)
    return (sorted(name(child) for child in children(window) if child.getRole() in (
        pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_TEXT)),
            sorted(control.get("accessibleName", control["caption"])
                   for control in json.loads(path.read_text(encoding="utf-8"))["controls"]
                   if control["kind"] in ("button", "checkbox", "edit")))


class Play(unittest.TestCase):

    def test_random_game_ends_on_a_miss_and_keeps_the_record(self):
        heard = hear_names(self.addCleanup)
        copy = Copy(self.addCleanup)
        game = copy.start()
        self.assertEqual(*names(game.window(START), 129))
        self.assertEqual(window_kind(game.pid, START), TOP_LEVEL)
        window = game.enter()
        self.assertEqual(window_kind(game.pid, MAIN), TOP_LEVEL)
        on_the_bus, templated = names(window, 102)
        self.assertEqual(on_the_bus, templated)
        self.assertNotIn("", templated)  # the input box shows no caption: it needs a name

        display = find(window, pyatspi.ROLE_LABEL, "ARE YOU READY?")
        game.start_game(window, "Random mode")
        game.wait("the countdown", lambda: name(display) == "3")
        press("Escape")
        really = game.window(MESSAGE, "Really?")
        self.assertEqual(window_kind(game.pid, MESSAGE)[1], [hex(x_window(game.pid, MAIN))])
        game.wait("the countdown to go on under the question", lambda: name(display) == "2")
        click(find(really, pyatspi.ROLE_PUSH_BUTTON, "Cancel"))
        game.wait("the question to close", lambda: really not in children(game.app))
        focus(game.pid, MAIN)
        shown = ["2"]
        for typed in (str.lower, str.lower, lambda key: "s" if key == "A" else "a"):  # the miss
            shown.append(game.next_key(display, shown[-1]))
            type_text(typed(shown[-1][0]))
        game.window(MESSAGE, "You make the new highest score!")
        focus(game.pid, MESSAGE)
        press("KP_Enter")  # answers the message box as Return does
        game.wait("the end of the game", lambda: name(display) == "FINISH")
        self.assertEqual(pathlib.Path(copy.program).with_name("best.data").read_bytes(),
                         b"2\0\0\0\0\0\0\0")
        self.assertEqual([text for source, text in heard if source == display],
                         ["3", "2", "1"] + shown[1:] + ["FINISH"])

    def test_fixed_game_from_a_non_ascii_folder_is_won_then_reset_starts_afresh(self):
        copy = Copy(self.addCleanup)
        key_file = os.path.join(copy.root, "Tasten für 游戏", "zwei.vts")
        os.makedirs(os.path.dirname(key_file))
        pathlib.Path(key_file).write_bytes(b"2\0\0\0\0\0\0\0kj")
        game = copy.start()
        window = game.enter()
        display = find(window, pyatspi.ROLE_LABEL, "ARE YOU READY?")
        click(find(window, pyatspi.ROLE_PUSH_BUTTON, "Fixed mode"))
        chooser = game.window("Open")
        self.assertEqual(window_kind(game.pid, "Open")[1], [hex(x_window(game.pid, MAIN))])
        file_name = game.wait("the file name box",
                              lambda: find(chooser, pyatspi.ROLE_TEXT, "File name:"))
        game.focused(chooser, file_name)
        type_text(key_file)
        game.wait("the typed path", lambda: file_name.queryText().getText(0, -1) == key_file)
        press("Return")
        game.start_game(window)
        shown = "1"
        for key in "kj":
            shown = game.next_key(display, shown)
            type_text(key)
        game.wait("the win", lambda: name(display) == "YOU WIN!")

        click(find(window, pyatspi.ROLE_PUSH_BUTTON, "Reset"))
        self.assertEqual(game.ended(), 0)
        fresh = Program(wait_until("a new copy", lambda: next(iter(copy.pids()), None)))
        start = fresh.window(START)
        self.assertEqual(window_kind(fresh.pid, START), TOP_LEVEL)
        exit_button = find(start, pyatspi.ROLE_PUSH_BUTTON, "EXIT")
        focus(fresh.pid, START)
        press("Tab")  # from STRAT GAME
        fresh.wait("EXIT to have the focus", lambda: has(exit_button, pyatspi.STATE_FOCUSED))
        press("KP_Enter")
        fresh.ended()

    def test_return_or_keypad_enter_in_the_input_box_ends_the_program_at_once(self):
        copy = Copy(self.addCleanup)
        for key in ("Return", "KP_Enter"):
            with self.subTest(key=key):
                game = copy.start()
                game.start_game(game.enter(), "Random mode")
                press(key)
                self.assertEqual(game.ended(), 0)


if __name__ == "__main__":
    main()
