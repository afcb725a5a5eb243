"""Two copies of the program in one folder at once: both play, each record replaces
best.data whole, and nobody ever finds the file empty or half written."""

import threading
import time

import e2e_case
from vantosh import BEST, DISPLAY, Game


class BestDataWatch(threading.Thread):
    """Reads best.data as fast as it can and keeps every distinct content it found."""

    def __init__(self, path):
        super().__init__(daemon=True)
        self.path = path
        self.contents = set()
        self.reads = 0
        self._stop_event = threading.Event()

    def run(self):
        while not self._stop_event.is_set():
            try:
                with open(self.path, "rb") as best:
                    self.contents.add(best.read())
                self.reads += 1
            except FileNotFoundError:
                pass
            time.sleep(0.0005)  # leave the two programs some of the machine

    def stop(self):
        self._stop_event.set()
        self.join()


def play_random(main, hits):
    """Plays a Random game in `main`: `hits` keys hit, then a miss."""
    main.begin_random_game()
    shown = "1"
    for _ in range(hits):
        shown = main.hit(shown)
    main.miss(shown)


class TwoCopies(e2e_case.GameTestCase):

    def test_two_copies_play_side_by_side(self):
        copy = self.new_copy()
        first = self.launch(copy)
        second = Game(copy, first.templates_dir).launch()
        first_main = first.enter_main_window()
        second_main = second.enter_main_window()
        first_main.move_to(0, 0)
        second_main.move_to(0, 500)
        watch = BestDataWatch(copy.path("best.data"))
        watch.start()
        self.addCleanup(watch.stop)

        # The second copy's game ticks on by itself while the first one is played.
        second_main.arm_random()
        second_main.start_game()
        play_random(first_main, hits=1)
        first.answer(first.message("You make the new highest score!"), "OK")
        first_main.wait_for(DISPLAY, "FINISH")
        second_main.wait_for(DISPLAY, "FINISH")  # its first key went untyped
        self.assertEqual(copy.best_data(), b"1\0\0\0\0\0\0\0")

        # Now the second copy beats the record that the first one wrote.
        play_random(second_main, hits=2)
        second.answer(second.message("You make the new highest score!"), "OK")
        second_main.wait_for(BEST, "Best score: 2")
        self.assertEqual(first_main.name_of(BEST), "Best score: 1",
                         "the best line is read at start-up only")
        watch.stop()

        self.assertEqual(copy.best_data(), b"2\0\0\0\0\0\0\0")
        self.assertGreater(watch.reads, 100)
        self.assertEqual(watch.contents, {b"1\0\0\0\0\0\0\0", b"2\0\0\0\0\0\0\0"},
                         "best.data only ever held a whole record")
        self.assertTrue(first.alive() and second.alive())
        self.assertEqual(len(copy.running_pids()), 2)


if __name__ == "__main__":
    e2e_case.main()
