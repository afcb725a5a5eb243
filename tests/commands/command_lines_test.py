# SPDX-FileCopyrightText: 2026 Quellabox maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The game's command and vts-make answer as Unix commands do: each row is a command line,
its exit status and the first line it prints, on standard error when it fails. The rows run
in order in one folder, so a row meets the files that those before it wrote."""

import os
import pathlib
import subprocess
import sys
import tempfile
import unittest

GAME, VTS_MAKE = sys.argv[1:3]
NOT_WRITTEN = "; nothing written"
ROWS = [
    # The game: options answer with no display; anything else is named before the usage.
    ([GAME, "-h"], 0, "Usage: quellabox [-h | --help | --version]"),
    ([GAME, "--bogus"], 2, "quellabox: unknown option '--bogus'"),
    ([GAME, "--help", "--version"], 2, "quellabox: unexpected argument '--version'"),
    ([GAME, ""], 2, "quellabox: unexpected argument ''"),
    ([GAME, "--", "--help"], 2, "quellabox: unexpected argument '--help'"),
    ([GAME, "--"], 1, "quellabox: VANTOSH needs a desktop session, but neither DISPLAY nor "
                      "WAYLAND_DISPLAY names one"),
    (["env", "QT_QPA_PLATFORM=bogus", GAME], 1, "quellabox: VANTOSH could not start; Qt says:",
     'qt.qpa.plugin: Could not find the Qt platform plugin "bogus" in ""'),
    # vts-make writes a new file only, and only keys a player can finish.
    ([VTS_MAKE, "-o", "k.vts", "a\tb"], 1, "vts-make: key 2 is the byte 0x09 (Tab), which only "
                                           "Tab would type, but Tab moves the focus" + NOT_WRITTEN),
    ([VTS_MAKE, "-o", "k.vts", b"a\xffb"], 1, "vts-make: key 2 (byte 2 of the keys, 0xFF) is no "
                                              "UTF-8 character" + NOT_WRITTEN),
    ([VTS_MAKE, "-o", "k.vts", ""], 2, "vts-make: no keys given"),
    ([VTS_MAKE, "-o", "k.vts", "asdf"], 0, "k.vts: 4 keys"),
    ([VTS_MAKE, "-o", "k.vts", "jkl"], 1, "vts-make: k.vts exists; --force replaces it"),
    ([VTS_MAKE, "-o", "k.vts", "--force", "--", "-é "], 0, "k.vts: 3 keys"),
    ([VTS_MAKE, "-o", "no/folder.vts", "a"], 1,
     "vts-make: cannot write no/folder.vts: No such file or directory"),
    ([VTS_MAKE, "--info", "k.vts", "--force"], 2, "vts-make: --force goes with -o only"),
    ([VTS_MAKE, "-o", "k.vts"], 2, "vts-make: no keys given"),
    ([VTS_MAKE, "-o"], 2, "vts-make: -o needs a FILE"),
    ([VTS_MAKE], 2, "vts-make: give either -o FILE KEYS or --info FILE"),
    # --info tells what the game reads, and fails on what is no key file at all.
    ([VTS_MAKE, "--info", "k.vts"], 0, "count: 3", "keys (3): - É Space"),
    ([VTS_MAKE, "--info", "seven.vts"], 1,
     "vts-make: seven.vts: too short to be a key file (7 bytes, and its count field takes 8)"),
    ([VTS_MAKE, "--info", "/dev/null"], 1, "vts-make: /dev/null: too short to be a key file "
                                           "(0 bytes, and its count field takes 8)"),
    ([VTS_MAKE, "--info", "."], 1, "vts-make: .: Is a directory"),
    ([VTS_MAKE, "--info", "missing.vts"], 1, "vts-make: missing.vts: No such file or directory"),
    ([VTS_MAKE, "--info", "words.vts"], 0, "count: 0", "keys (0): none",
     "warning: the count field holds no number, so the game plays no keys"),
]


class CommandLines(unittest.TestCase):

    def test_each_command_line_gives_its_status_and_first_line(self):
        folder = pathlib.Path(tempfile.mkdtemp(prefix="quellabox-commands-"))
        self.addCleanup(subprocess.run, ["rm", "-rf", str(folder)])
        (folder / "seven.vts").write_bytes(b"1234567")
        (folder / "words.vts").write_bytes(b"keys:   asdf")
        env = {name: value for name, value in os.environ.items()
               if name not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        for command, status, *lines in ROWS:
            with self.subTest(command=command):
                done = subprocess.run(command, cwd=folder, env=env, capture_output=True)
                output = (done.stdout if status == 0 else done.stderr).decode()
                self.assertEqual((done.returncode, output.splitlines()[:len(lines)]),
                                 (status, lines))
        # Refused keys wrote nothing; the keys after "--" are the last ones written.
        self.assertEqual(sorted(path.name for path in folder.iterdir()),
                         ["k.vts", "seven.vts", "words.vts"])
        self.assertEqual((folder / "k.vts").read_bytes(), b"3\0\0\0\0\0\0\0-\xe9 ")


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
