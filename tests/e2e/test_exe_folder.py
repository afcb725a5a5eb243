"""The program in folders that old path buffers cannot hold: non-ASCII names, and a path
longer than 260 characters. It must start, and find its best.data there."""

import e2e_case
from game_copy import BEST_NAME
from vantosh import BEST

NON_ASCII = ("Spiele für Jürgen", "游戏 ゲーム")
LONG = ("Spiele für Jürgen", "a" * 100, "b" * 100, "c" * 60)


class ExeFolder(e2e_case.GameTestCase):

    def test_program_runs_from_an_unusual_folder(self):
        for label, parts, shortest in (("non-ASCII", NON_ASCII, 0),
                                       ("longer than 260", LONG, 261)):
            with self.subTest(folder=label):
                copy = self.new_copy(parts)
                self.assertGreaterEqual(len(copy.program), shortest)
                with open(copy.path(BEST_NAME), "wb") as best:
                    best.write(b"7\0\0\0\0\0\0\0")
                game = self.launch(copy)
                main = game.enter_main_window()
                main.wait_for(BEST, "Best score: 7")
                self.assertTrue(game.alive())
                self.end(copy)


if __name__ == "__main__":
    e2e_case.main()
