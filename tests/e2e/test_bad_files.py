"""Files that go wrong under the running program: a key file removed during a game, a
best.data that cannot be written, a music file missing or not a wave file."""

import os

import e2e_case
from game_copy import BEST_NAME, MUSIC_NAME, write_key_file
from vantosh import DISPLAY, KEY_FILE_INFO, MUSIC, TIP


def make_best_unwritable(copy):
    """Puts a best.data in the way of any write; returns what must still be there after.
    Root writes through permission bits, so for root best.data is a folder instead."""
    path = copy.path(BEST_NAME)
    if os.geteuid() == 0:
        os.mkdir(path)
        return lambda: os.path.isdir(path) and not os.listdir(path)
    old = b"0\0\0\0\0\0\0\0"
    with open(path, "wb") as best:
        best.write(old)
    os.chmod(path, 0o444)
    return lambda: copy.best_data() == old


def write_text(path):
    with open(path, "wb") as music:
        music.write(b"This is no RIFF wave, just text.\n" * 64)


class BadFiles(e2e_case.GameTestCase):

    def test_key_file_removed_during_a_game_ends_it_with_finish(self):
        copy = self.new_copy()
        key_file = write_key_file(os.path.join(copy.root, "keys.vts"), "asdjk")
        game = self.launch(copy)
        main = game.enter_main_window()
        main.begin_fixed_game(key_file)
        first = main.next_key("1")
        os.remove(key_file)
        main.type_key(first[0])

        main.wait_for(DISPLAY, "FINISH")
        # The tick read the file afresh and found nothing: no keys, a count of 0.
        self.assertTrue(main.name_of(KEY_FILE_INFO).endswith("/0"), main.name_of(KEY_FILE_INFO))
        self.assertEqual(game.open_messages(), [])
        main.arm_random()
        self.assertTrue(game.alive())

    def test_best_score_that_cannot_be_written_is_reported_and_left_alone(self):
        copy = self.new_copy()
        still_intact = make_best_unwritable(copy)
        game = self.launch(copy)
        main = game.enter_main_window()
        main.begin_random_game()
        main.miss(main.hit("1"))

        game.answer(game.message("You make the new highest score!"), "OK")
        game.answer(game.message("The best score could not be saved."), "OK")
        main.wait_for(DISPLAY, "FINISH")
        self.assertEqual(main.name_of(TIP), "Your score: 1\nSELECT ONE MODE TO PLAY AGAIN")
        self.assertTrue(still_intact(), "best.data is as it was")
        self.assertTrue(game.alive())

    def test_game_plays_without_its_music(self):
        for case, spoil in (("missing", os.remove), ("not a wave file", write_text)):
            with self.subTest(music=case):
                copy = self.new_copy()
                spoil(copy.path(MUSIC_NAME))
                key_file = write_key_file(os.path.join(copy.root, "one.vts"), "j")
                game = self.launch(copy)
                main = game.enter_main_window()
                main.click(MUSIC)  # off
                main.click(MUSIC)  # and on again, with no file to play
                main.begin_fixed_game(key_file)
                main.hit("1")
                main.wait_for(DISPLAY, "YOU WIN!")
                self.assertEqual(game.open_messages(), [])
                self.assertTrue(game.alive())
                self.end(copy)


if __name__ == "__main__":
    e2e_case.main()
