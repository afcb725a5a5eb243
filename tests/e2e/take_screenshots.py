"""Takes the README's pictures: the start dialog, and the game window in the middle of a
Random game. Run it where the tests run, with the display and buses that services.sh
starts, on the copy that the e2e tests install; e.g. from the repository's root after
scripts/test.sh:

  source scripts/common.sh; source scripts/services.sh; start_test_services
  /usr/bin/python3 tests/e2e/take_screenshots.py --templates res/dialogs --out docs \\
    --installed build/tests/e2e/installed/lib/quellabox

With no window manager the windows have no frame, so the pictures show the client area.
"""

import os
import subprocess
import sys

import desktop
import e2e_case
from game_copy import GameCopy
from vantosh import START_CAPTION, MAIN_CAPTION, Game


def capture(game, caption, path):
    """Saves the window's pixels as a PNG file (ImageMagick's import)."""
    window_id = desktop.x_window(game.pid, caption)
    subprocess.run(["import", "-window", window_id, "png:" + path], check=True, timeout=30)
    print("wrote " + path)


def main():
    parser = e2e_case.argument_parser()
    parser.add_argument("--out", required=True, help="the folder for the PNG files")
    args = parser.parse_args()
    why_not = e2e_case.missing_desktop()
    if why_not:
        sys.exit(why_not)

    copy = GameCopy(args.installed)
    try:
        with open(copy.path("best.data"), "wb") as best:
            best.write(b"12\0\0\0\0\0\0")
        game = Game(copy, args.templates).launch()
        start = game.start_dialog()
        desktop.wait_until("the title to show", lambda: start.name_of(1012) == "VANTOSH")
        capture(game, START_CAPTION, os.path.join(args.out, "start-dialog.png"))

        main_window = game.enter_main_window()
        main_window.begin_random_game()
        shown = "1"
        for _ in range(3):
            shown = main_window.hit(shown)
        main_window.next_key(shown)
        capture(game, MAIN_CAPTION, os.path.join(args.out, "game-window.png"))
    finally:
        copy.close()


if __name__ == "__main__":
    main()
