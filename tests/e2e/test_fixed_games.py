"""Fixed games from key files chosen in the Open dialog by typing their full path: one won,
then one lost, in the same window. The files lie on a path with spaces and non-ASCII
characters, as a player's own folders may."""

import os

import e2e_case
from game_copy import write_key_file
from vantosh import DISPLAY, KEY_FILE_INFO, MODE, TIP

NO_RECORD = "\nThis mode does not count the highest score."


class FixedGames(e2e_case.GameTestCase):

    def test_a_won_and_a_lost_game(self):
        copy = self.new_copy()
        folder = os.path.join(copy.root, "Meine Tasten für 游戏")
        # a, a, b: the repeated key shows with the marker the second time.
        winnable = write_key_file(os.path.join(folder, "Grüße drei.vts"), "aab")
        losable = write_key_file(os.path.join(folder, "vier Tasten ß.vts"), "sdkl")
        game = self.launch(copy)
        main = game.enter_main_window()

        main.arm_fixed(winnable)
        self.assertEqual(main.name_of(KEY_FILE_INFO), "vts info: 0/3")
        main.start_game()
        main.focus()
        shown_keys = ["1"]
        for typed_case in (str.lower, str.upper, str.lower):
            shown_keys.append(main.hit(shown_keys[-1], typed_case))
        main.wait_for(DISPLAY, "YOU WIN!")
        self.assertEqual(shown_keys, ["1", "A", "A*", "B"])
        self.assertEqual(main.name_of(TIP), "Your score: 3" + NO_RECORD)
        self.assertEqual(main.name_of(KEY_FILE_INFO), "vts info: 3/3")

        main.arm_fixed(losable)
        self.assertEqual(main.name_of(KEY_FILE_INFO), "vts info: 0/4")
        self.assertEqual(main.display(), "YOU WIN!", "arming leaves the display alone")
        main.start_game()
        main.focus()
        first = main.hit("1")
        self.assertEqual(first, "S")
        self.assertEqual(main.miss(first), "D")
        main.wait_for(DISPLAY, "FINISH")
        self.assertEqual(main.name_of(TIP), "Your score: 1" + NO_RECORD)
        self.assertEqual(main.name_of(KEY_FILE_INFO), "vts info: 1/4")
        self.assertEqual(main.name_of(MODE), "Mode:Fixed")
        self.assertIsNone(copy.best_data(), "Fixed mode keeps no best score")


if __name__ == "__main__":
    e2e_case.main()
