"""The start dialog, the main window's first state, and the ways out of the program: Esc with
its question, Reset with its new copy, and Enter in the input box."""

import pyatspi

import desktop
import e2e_case
from vantosh import (BEST, DISPLAY, HIDDEN_CANCEL, HOW_TO_PLAY, INPUT, KEY_FILE_INFO, MODE,
                     RESET, SPEED, TIP, Game, is_key)


class StartAndWaysOut(e2e_case.GameTestCase):

    def test_start_dialog_opens_the_game_window_in_its_first_state(self):
        game = self.launch()
        start = game.start_dialog()
        self.assertTrue(start.control(1).getState().contains(pyatspi.STATE_FOCUSED),
                        "STRAT GAME has the focus, so Enter starts the game")
        main = game.enter_main_window()

        self.assertFalse(start.is_open(), "the start dialog closed")
        first_state = {DISPLAY: "ARE YOU READY?", MODE: "Mode:None",
                       TIP: "Please select a mode to start.", BEST: "Best score: ",
                       KEY_FILE_INFO: "", SPEED: ""}
        desktop.wait_until("the first state",
                           lambda: all(main.name_of(control_id) == wanted
                                       for control_id, wanted in first_state.items()))
        self.assertEqual(main.input_text(), "")
        self.assertFalse(main.control(INPUT).getState().contains(pyatspi.STATE_ENABLED),
                         "the input box waits for a mode")
        self.assertFalse(main.control(HIDDEN_CANCEL).getState().contains(pyatspi.STATE_SHOWING))
        desktop.wait_until("How to play it? to have the focus",
                           lambda: main.control(HOW_TO_PLAY).getState().contains(
                               pyatspi.STATE_FOCUSED))

    def test_escape_asks_and_cancel_leaves_the_game_ticking(self):
        game = self.launch()
        main = game.enter_main_window()
        main.begin_random_game()
        desktop.press("Escape")
        question = game.message("Really?")

        # The game's timers run on while the question is open.
        main.next_change(main.display())
        self.assertIn("Really?", game.open_messages())
        game.answer(question, "Cancel")

        # The game goes on: a key typed in time is a hit, and the next key follows.
        main.focus()
        key = main.wait_display("a key", is_key)
        main.type_key(key[0])
        after = main.next_change(key)
        self.assertTrue(is_key(after), "a hit shows the next key, not %r" % after)
        main.wait_for(TIP, "Your score: 1")
        self.assertTrue(game.alive())

    def test_reset_ends_this_copy_and_starts_a_new_one(self):
        game = self.launch()
        main = game.enter_main_window()
        main.click(RESET)
        self.assertEqual(game.wait_exit(), 0)

        new_pid = desktop.wait_until("a new copy of the program",
                                     lambda: [pid for pid in game.copy.running_pids()
                                              if pid != game.pid])[0]
        fresh = Game(game.copy, game.templates_dir).attach(new_pid)
        fresh.start_dialog()
        self.assertIsNone(fresh.window("VANTOSH"), "the new copy begins at its start dialog")

    def test_enter_in_the_input_box_ends_the_program_at_once(self):
        game = self.launch()
        main = game.enter_main_window()
        main.begin_random_game()
        main.next_key("1")
        desktop.press("Return")
        self.assertEqual(game.wait_exit(timeout=5), 0)
        self.assertIsNone(game.copy.best_data(), "Enter stores nothing")


if __name__ == "__main__":
    e2e_case.main()
