# SPDX-FileCopyrightText: 2026 Quellabox maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Takes the README's pictures: the start dialog, and the game window in the middle of a
Random game. It plays the copy that the e2e tests install, on the display and buses that
services.sh starts, and ImageMagick's import (Debian package imagemagick) takes the pictures;
from the repository's root, after scripts/test.sh:

  source scripts/common.sh; source scripts/services.sh; start_test_services
  /usr/bin/python3 scripts/take_screenshots.py build/tests/e2e/installed docs

With no window manager the windows have no frame: the pictures show what is inside them.
"""

import contextlib
import os
import pathlib
import subprocess
import sys

import pyatspi

for folder in ("e2e", "support"):
    sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests" / folder))
import desktop  # noqa: E402  pylint: disable=wrong-import-position


def capture(window, path):
    """Saves the window's pixels as a PNG file (ImageMagick's import)."""
    subprocess.run(["import", "-window", str(desktop.x_window(window)), "png:" + path], check=True,
                   timeout=30)
    print("wrote " + path)


def main():
    prefix, out = sys.argv[1:3]
    os.environ["QUELLABOX_PREFIX"] = prefix
    os.environ["QUELLABOX_INSTALLED"] = os.path.join(prefix, "lib", "quellabox")
    with contextlib.ExitStack() as stack:
        copy = desktop.Copy(stack.callback)
        copy.best.parent.mkdir(parents=True)
        copy.best.write_bytes(b"12\0\0\0\0\0\0")
        copy.start()
        capture(desktop.window(desktop.START), os.path.join(out, "start-dialog.png"))
        window = desktop.enter()
        display = desktop.find(window, pyatspi.ROLE_LABEL, "ARE YOU READY?")
        desktop.start_game(window, "Random mode")
        shown = "1"
        for _ in range(3):
            shown = desktop.next_key(display, shown)
            desktop.press(shown[0].lower())
        desktop.next_key(display, shown)
        capture(window, os.path.join(out, "game-window.png"))


if __name__ == "__main__":
    main()
