#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Quellabox maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Kills the record writer at each file-system call of its save over best.data, one call per
run, and checks that best.data then holds the whole old record or the whole new one. strace
counts each syscall from the start of the process, so the counts come from a traced run."""
import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

OLD, NEW = b"7" + b"\0" * 7, b"42" + b"\0" * 6


def main(child):
    if not shutil.which("strace"):  # scripts/test.sh installs it
        return 77
    with tempfile.TemporaryDirectory() as folder:
        log, best = os.path.join(folder, "calls"), pathlib.Path(folder, "best.data")

        def save(*options):
            best.write_bytes(OLD)
            return subprocess.run(["strace", "-qq", *options, child, folder]).returncode, \
                best.read_bytes()

        # The exit is traced too: a kill there is the first after the save.
        if save("-o", log, "-e", "trace=%file,%desc,exit_group") != (0, NEW):
            return "the writer did not save the new record"
        calls, counts = [], {}
        for call in filter(None, map(re.compile(r"(\w+)\(").match, open(log))):
            counts[call[1]] = counts.get(call[1], 0) + 1
            if calls or '"%s"' % best in call.string:
                calls.append((call[1], counts[call[1]]))
        seen = []
        for name, n in calls:
            status, held = save("-o", os.devnull, "-e", "trace=" + name,
                                "-e", "inject=%s:signal=KILL:when=%d" % (name, n))
            seen.append("%s#%d:%s" % (name, n, {OLD: "old", NEW: "new"}.get(held, repr(held))))
            if status != -9 or held not in (OLD, NEW):
                return "exit %d after the kill at %s" % (status, seen[-1])
    print("killed at " + " ".join(seen))
    return 0 if len(seen) >= 10 else "too few calls to kill at"


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
