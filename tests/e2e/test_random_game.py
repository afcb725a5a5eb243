"""A Random game played with real keys: hits in either case, a miss, and the record it sets,
on screen and in best.data byte for byte."""

import desktop
import e2e_case
from vantosh import BEST, DISPLAY, RANDOM_KEYS, SPEED, TIP


class RandomGame(e2e_case.GameTestCase):

    def test_three_hits_and_a_miss_set_a_record(self):
        game = self.launch()
        main = game.enter_main_window()
        main.arm_random()
        self.assertEqual(main.input_text(), "Click me")
        main.start_game()
        self.assertEqual(main.input_text(), "", "the prompt leaves the box as the game starts")
        main.focus()

        shown = main.wait_display("the count of 2", lambda text: text == "2")
        shown = main.wait_display("the count of 1", lambda text: text == "1")
        for typed_case in (str.lower, str.upper, str.lower):
            shown = main.hit(shown, typed_case)
            self.assertIn(shown[0], RANDOM_KEYS)
        missed = main.miss(shown)

        record = game.message("You make the new highest score!")
        self.assertEqual(main.display(), missed, "the missed key stays while the message shows")
        game.answer(record, "OK")
        main.wait_for(DISPLAY, "FINISH")
        self.assertEqual(main.name_of(TIP), "Your score: 3\nSELECT ONE MODE TO PLAY AGAIN")
        self.assertEqual(main.name_of(BEST), "Best score: 3")
        self.assertEqual(main.input_text(), "")
        # Four ticks went on: the first key and three hits, each 20 ms faster than 700 ms.
        self.assertEqual(main.name_of(SPEED), "Speed: 0.6200/s")
        self.assertEqual(game.copy.best_data(), b"3\0\0\0\0\0\0\0")

        # The game is over: nothing ticks on.
        desktop.pump(1.0)
        self.assertEqual(main.display(), "FINISH")
        self.assertTrue(game.alive())


if __name__ == "__main__":
    e2e_case.main()
