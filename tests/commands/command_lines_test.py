# SPDX-FileCopyrightText: 2026 Quellabox maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The game's command and vts-make answer as Unix commands do. Each row: a command line, its
exit status and how the first lines it prints begin (on standard error when it fails). The
rows run in order in one folder, so a row meets the files that the rows before it wrote."""

import os
import pathlib
import subprocess
import sys
import tempfile
import unittest

GAME, VTS = sys.argv[1:3]
ROWS = [
    # The game: options answer with no display; anything else is named before the usage.
    ([GAME, "-h"], 0, "Usage: quellabox [-h | --help | --version]"),
    ([GAME, "--bogus"], 2, "quellabox: unknown option '--bogus'", "Usage: quellabox"),
    ([GAME, "--help", "--version"], 2, "quellabox: unexpected argument '--version'"),
    ([GAME, ""], 2, "quellabox: unexpected argument ''"),
    ([GAME, "--", "--help"], 2, "quellabox: unexpected argument '--help'"),
    ([GAME, "--"], 1, "quellabox: VANTOSH needs a desktop session, but neither DISPLAY nor"),
    (["env", "DISPLAY=:2999", GAME], 1, 'quellabox: VANTOSH needs a desktop session, but the '
     'display ":2999" does not answer'),
    (["env", "QT_QPA_PLATFORM=bogus", GAME], 1, "quellabox: VANTOSH could not start; Qt says:",
     'qt.qpa.plugin: Could not find the Qt platform plugin "bogus"'),
    # vts-make writes a new file only, and only keys a player can finish.
    ([VTS, "-o", "k.vts", "a\nb"], 1, "vts-make: key 2 is the byte 0x0A (LF), which only Return"),
    ([VTS, "-o", "k.vts", b"\xc3\xa9\xffb"], 1, "vts-make: key 2 (byte 3 of the keys, 0xFF) is no"),
    ([VTS, "-o", "k.vts", ""], 2, "vts-make: no keys given", "usage: vts-make"),
    ([VTS, "-o", "k.vts", "asdf"], 0, "k.vts: 4 keys"),
    ([VTS, "-o", "k.vts", "jkl"], 1, "vts-make: k.vts exists; --force replaces it"),
    ([VTS, "-o", "k.vts", "--force", "--", "-é "], 0, "k.vts: 3 keys"),
    ([VTS, "-o", "no/k.vts", "a"], 1, "vts-make: cannot write no/k.vts: No such file or directory"),
    # --info tells what the game reads, and fails on what is no key file at all.
    ([VTS, "--info", "seven.vts"], 1, "vts-make: seven.vts: too short to be a key file (7 bytes"),
    ([VTS, "--info", "/dev/null"], 1, "vts-make: /dev/null: too short to be a key file (0 bytes"),
    ([VTS, "--info", "."], 1, "vts-make: .: Is a directory"),
    ([VTS, "--info", "missing.vts"], 1, "vts-make: missing.vts: No such file or directory"),
    ([VTS, "--info", "words.vts"], 0, "count: 0", "keys (0): none",
     "warning: the count field holds no number, so the game plays no keys"),
    # It names the blanks, counts the keys no player can finish, and tells what the game reads.
    ([VTS, "--info", "odd.vts"], 0, "count: 9", "keys (5): A Tab B Space 0x85",
     "warning: the count is 9 but the game gets 5 keys", "warning: key 2 is the byte 0x09 (Tab), "
     "which only Tab would type, but Tab moves the focus; 1 more key after it no player can "
     "finish either", "warning: the byte 0x1A at byte 14 ends the file for the game, at key 6"),
]


class CommandLines(unittest.TestCase):

    def test_each_command_line_gives_its_status_and_first_lines(self):
        folder = pathlib.Path(tempfile.mkdtemp(prefix="quellabox-commands-"))
        self.addCleanup(subprocess.run, ["rm", "-rf", str(folder)])
        (folder / "seven.vts").write_bytes(b"1234567")
        (folder / "words.vts").write_bytes(b"keys:   asdf")
        (folder / "odd.vts").write_bytes(b"9       a\tb \x85\x1ac")
        env = {name: value for name, value in os.environ.items()
               if name not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        for command, status, *starts in ROWS:
            with self.subTest(command=command):
                done = subprocess.run(command, cwd=folder, env=env, capture_output=True)
                lines = (done.stdout if status == 0 else done.stderr).decode().splitlines()
                self.assertEqual((done.returncode, [line[:len(start)] for line, start in
                                                    zip(lines, starts)]), (status, starts))
        # Refused keys wrote nothing; the keys after "--" are the last ones written.
        self.assertEqual(sorted(path.name for path in folder.iterdir()),
                         ["k.vts", "odd.vts", "seven.vts", "words.vts"])
        self.assertEqual((folder / "k.vts").read_bytes(), b"3\0\0\0\0\0\0\0-\xe9 ")


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
