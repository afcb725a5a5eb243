"""What every end-to-end test module shares: its arguments from CMake, the skip when there
is no desktop to play on, and programs that are always ended, also when a test fails."""

import argparse
import os
import sys
import unittest

from game_copy import GameCopy
from vantosh import Game

SKIPPED = 77  # ctest's SKIP_RETURN_CODE for these tests

_ARGS = None


class GameTestCase(unittest.TestCase):
    """A test that runs copies of the installed program; each copy ends with the test."""

    def new_copy(self, folder_parts=("game",)):
        copy = GameCopy(_ARGS.installed, folder_parts)
        self.addCleanup(self.end, copy)
        return copy

    def launch(self, copy=None):
        """Starts the program (in a fresh folder unless `copy` is given)."""
        return Game(copy or self.new_copy(), _ARGS.templates).launch()

    @staticmethod
    def end(copy):
        """Ends the copy's processes and removes its folder; once is enough."""
        if copy.closed:
            return
        # ctest shows this only for a test that failed.
        output = copy.log().strip()
        if output:
            print("--- the program's output ---\n" + output)
        copy.close()


def argument_parser():
    """The paths that CMake hands over, so that nothing here guesses where they are."""
    parser = argparse.ArgumentParser(description=sys.modules["__main__"].__doc__)
    parser.add_argument("--installed", required=True,
                        help="the folder where an install put the program and its music")
    parser.add_argument("--templates", required=True, help="the folder of the dialog templates")
    return parser


def missing_desktop():
    """Why the game cannot be played here, or None when it can."""
    missing = [name for name in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS") if not os.environ.get(name)]
    if not missing:
        return None
    return ("%s not set. The game is played on an X display with the accessibility bus; "
            "scripts/test.sh starts both before it runs ctest." % " and ".join(missing))


def main():
    global _ARGS  # pylint: disable=global-statement
    _ARGS, rest = argument_parser().parse_known_args()
    why_not = missing_desktop()
    if why_not:
        print("SKIPPED: " + why_not)
        sys.exit(SKIPPED)
    # warnings=False keeps the filters in force; unittest's own would show pyatspi's.
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2, warnings=False)
