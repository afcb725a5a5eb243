#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Quellabox maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Plays a track of 0.1 s at 880 Hz and 0.4 s at 440 Hz with the Qt host's music player and
reads a private null sink's recording 10 ms at a time: the track sounds soon after each start,
from its beginning, loops with no gap, and falls silent soon after each stop."""
import os
import re
import subprocess
import sys
import tempfile
import time

from null_sink import NoSoundServer, NullSink
from x_input import wait_until

# Hasty toggles after 3.5 s, those at one instant faster than the track loads.
STEPS = ["play@0", "stop@1500", "play@2000", "stop@3500", "play@3520", "stop@3520", "play@4020",
         "stop@4020", "play@4020", "stop@4040", "play@4060", "quit@5600"]
# After a start: at most 300 ms of silence, the track's start, two or more loop points 0.5 s
# apart with no gap, and a loop the next step cuts. After a stop: at most 200 ms of sound.
PLAYING = re.compile(r"-{0,30}~?H{8,12}(L{37,42}H{8,12}){2,}(L{1,42}|L{37,42}H{1,12})?[-~]{0,3}")
STOPPED = re.compile(r"[HL~]{0,20}-+")


def heard(samples):
    """A letter per 10 ms (441 samples): "H" 880 Hz, "L" 440 Hz, "-" silence, "~" under 5 ms."""
    letters = ""
    for w in (samples[i:i + 441] for i in range(0, len(samples) - 440, 441)):
        crossings = sum((a < 0) != (b < 0) for a, b in zip(w, w[1:]))  # 18 or 9 for the tone
        share = sum(x * x for x in w) / 441 / 11600**2  # of the window the tone fills
        letters += "-" if share < .01 else "~" if share < .5 else "LH"[crossings > 13 * share]
    return letters


def main(probe):
    with tempfile.TemporaryDirectory() as folder:
        track = os.path.join(folder, "t.wav")
        subprocess.run(["sox", "-n", "-r22050", "-b16", track, *"synth 0.1 sine 880 gain -6 : "
                        "synth 0.4 sine 440 gain -6".split()], check=True)
        try:
            with NullSink(folder) as sink:
                bounds = []
                wait_until("the recorder", lambda: sink.pactl("list", "short", "source-outputs"))
                # Woken afresh, the sink renders 10 ms ahead at once, not after its first 2 s.
                for suspended in "10":
                    sink.pactl("suspend-sink", sink.sink, suspended)
                wait_until("the first sound", sink.size)
                run = subprocess.Popen([probe, track, *STEPS], stdout=subprocess.PIPE, text=True,
                                       env=sink.env)
                # Meanwhile, at 88200 bytes a second: times no earlier than the first sample's.
                wait_until("the probe's end", lambda: bounds.append(
                    time.monotonic() - sink.size() / 88200) or run.poll() is not None, every=0.002)
                steps = [(name, float(t) - min(bounds)) for name, t in map(str.split, run.stdout)]
                wait_until("the last step heard", lambda: sink.size() / 88200 > steps[-1][1] + 0.1)
                letters = heard(sink.samples())
        except NoSoundServer as error:
            print("no sound server: %s" % error)
            required = os.environ.get("CI") or os.environ.get("QUELLABOX_REQUIRE_DESKTOP") == "1"
            return 1 if required else 77
    failed = run.returncode != 0 or [name for name, _ in steps] != [step[:4] for step in STEPS]
    for (name, begin), (_, end) in zip(steps, steps[1:]):
        part = letters[round(begin * 100):round(end * 100)]
        if end - begin > 0.4 and not (STOPPED if name == "stop" else PLAYING).fullmatch(part):
            failed = print("FAILED: %s at %.2f s heard %s" % (name, begin, part)) or True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
