#!/usr/bin/env python3
"""Plays the background music through a real PulseAudio server and measures what it hears.

music_probe starts the music as the game does, switches it off and on again with the music
button, and then presses the button four times in haste. Meanwhile this records the null
sink's monitor and checks that the music sounds while on, loops without a gap, falls silent
within 200 ms of the switch off, and starts again from the track's beginning, also after the
hasty presses. The track is 0.1 s of 880 Hz followed by 0.9 s of 440 Hz, so the pitch tells
which part of the track a sound comes from.

The test runs a server of its own, so that no other program's sound mixes into the recording
and no one's default sink is changed. It exits 77 (skipped) only when no PulseAudio server
can be started.
"""

import argparse
import array
import math
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time

SKIPPED = 77
RATE = 44100
WINDOW = 441  # 10 ms
TRACK_SECONDS = 1.0
SILENT_RMS = 1000  # the tone's RMS is about 11600
HIGH_CROSSINGS = 13  # zero crossings in 10 ms: 440 Hz gives 9, 880 Hz gives 18

START_WITHIN = 0.5
STOP_WITHIN = 0.2
LONGEST_GAP = 0.05


class SoundServer:
    """A private PulseAudio server whose default sink is a null sink."""

    def __init__(self, script, directory):
        runtime = os.path.join(directory, "pulse")
        os.mkdir(runtime, 0o700)
        self.env = dict(os.environ, PULSE_RUNTIME_PATH=runtime,
                        PULSE_SERVER="unix:" + os.path.join(runtime, "native"))
        # Off the session bus: a server that runs already holds the name a second one
        # would claim there, and a second one gives up when it cannot have it.
        offbus = dict(self.env, DBUS_SESSION_BUS_ADDRESS="unix:path=" + os.path.join(
            runtime, "no-session-bus"))
        started = subprocess.run([script], env=offbus, capture_output=True, text=True)
        if started.returncode != 0:
            print("SKIPPED: no PulseAudio server could be started (%s exited with %d) %s"
                  % (script, started.returncode, started.stderr.strip()))
            sys.exit(SKIPPED)
        self.sink = started.stdout.strip()

    def stop(self):
        subprocess.run(["pactl", "exit"], env=self.env, capture_output=True)


class Recorder:
    """Records the sink's monitor; sample times are on the CLOCK_MONOTONIC scale."""

    def __init__(self, server):
        raw = ["--raw", "--format=s16le", "--rate=%d" % RATE, "--channels=1"]
        # A stream of zeros keeps the monitor going while the music is silent, so the
        # recording is one unbroken timeline.
        with open("/dev/zero", "rb") as zeros:
            self.feeder = subprocess.Popen(["pacat", "--playback", "-d", server.sink] + raw,
                                           stdin=zeros, env=server.env)
        self.parec = subprocess.Popen(["parec", "-d", server.sink + ".monitor",
                                       "--latency-msec=10"] + raw,
                                      stdout=subprocess.PIPE, env=server.env)
        self.chunks = []
        self.reader = threading.Thread(target=self._read)
        self.reader.start()

    def _read(self):
        while True:
            data = self.parec.stdout.read1(4096)
            if not data:
                return
            self.chunks.append((time.monotonic(), data))

    def wait_for_data(self, timeout):
        deadline = time.monotonic() + timeout
        while not self.chunks:
            if time.monotonic() > deadline or self.parec.poll() is not None:
                raise RuntimeError("the sink's monitor yields no data")
            time.sleep(0.01)

    def stop(self):
        self.parec.terminate()
        self.reader.join()
        self.feeder.terminate()
        self.feeder.wait()

    def samples(self):
        """The samples and the time of the first. A sample reaches us after it was played,
        so the earliest arrival less its offset is the closest bound on the start time."""
        data = b"".join(chunk for _, chunk in self.chunks)
        start, count = None, 0
        for arrived, chunk in self.chunks:
            count += len(chunk) // 2
            bound = arrived - count / RATE
            start = bound if start is None else min(start, bound)
        samples = array.array("h")
        samples.frombytes(data[: len(data) // 2 * 2])
        return samples, start


def classify(samples, start):
    """(time, kind) per 10 ms: kind is "-" silent, "H" the track's start, "L" the rest."""
    windows = []
    for i in range(0, len(samples) - WINDOW + 1, WINDOW):
        w = samples[i: i + WINDOW]
        rms = math.sqrt(sum(x * x for x in w) / WINDOW)
        crossings = sum(1 for a, b in zip(w, w[1:]) if (a < 0) != (b < 0))
        kind = "-" if rms < SILENT_RMS else ("H" if crossings >= HIGH_CROSSINGS else "L")
        windows.append((start + i / RATE, kind))
    return windows


def between(windows, begin, end):
    return [(t, k) for t, k in windows if begin <= t < end]


def onset(windows, after):
    return next((t for t, k in windows if t >= after and k != "-"), None)


def runs(windows, kind):
    """(start, seconds) of each run of windows of the kind."""
    found, begin = [], None
    end = windows[-1][0] + WINDOW / RATE if windows else 0
    for t, k in windows + [(end, None)]:
        if k == kind and begin is None:
            begin = t
        elif k != kind and begin is not None:
            found.append((begin, t - begin))
            begin = None
    return found


def check_playing(windows, name, pressed, until, failures):
    """The music starts at the track's beginning soon after it is switched on, then loops
    without a gap until it is switched off."""
    begin = onset(windows, pressed)
    if begin is None or begin - pressed > START_WITHIN:
        failures.append("%s: no sound within %.1f s" % (name, START_WITHIN))
        return
    print("%s: sound %.0f ms after the start" % (name, (begin - pressed) * 1000))
    # The last windows before the switch off may hold the stop itself.
    heard = between(windows, begin, until - 0.02)
    first = [k for _, k in heard[1:8]]
    if first.count("H") < 6:
        failures.append("%s: did not begin at the track's start (heard %s)" % (name, "".join(first)))
    gap = max((seconds for _, seconds in runs(heard, "-")), default=0)
    print("%s: longest gap %.0f ms" % (name, gap * 1000))
    if gap > LONGEST_GAP:
        failures.append("%s: a gap of %.0f ms" % (name, gap * 1000))
    starts = [t for t, seconds in runs(heard, "H") if seconds >= 0.05]
    periods = [b - a for a, b in zip(starts, starts[1:])]
    print("%s: track starts %.3f s apart" % (name, sum(periods) / len(periods)) if periods
          else "%s: the track did not start again" % name)
    # Every stretch of music here spans at least two loop points.
    if len(periods) < 2 or any(abs(p - TRACK_SECONDS) > 0.05 for p in periods):
        failures.append("%s: the track started again after %s s, not twice after %.1f s"
                        % (name, ", ".join("%.3f" % p for p in periods), TRACK_SECONDS))


def check_silent(windows, name, since, begin, end, failures):
    loud = [t for t, k in between(windows, begin, end) if k != "-"]
    if loud:
        failures.append("%s: sound %.0f ms after it" % (name, (loud[0] - since) * 1000))


def analyse(windows, steps):
    on, off, again, hasty, last, end = (steps[i][1] for i in (0, 1, 2, 3, 6, 7))
    failures = []
    check_silent(windows, "before the start", windows[0][0], windows[0][0], on, failures)
    check_playing(windows, "on at start-up", on, off, failures)
    loud = [t for t, k in between(windows, off, again) if k != "-"]
    print("off: silent %.0f ms after the press" % ((max(loud, default=off) - off) * 1000 + 10))
    check_silent(windows, "off", off, off + STOP_WITHIN, again, failures)
    check_playing(windows, "on again", again, hasty, failures)
    check_playing(windows, "on after four hasty presses", last, end, failures)
    return failures


def make_track(make_music, directory, path):
    parts = []
    for hz, seconds in (("880", "0.1"), ("440", "0.9")):
        part = os.path.join(directory, hz + ".wav")
        subprocess.run([make_music, part, "--tone", hz, "--seconds", seconds], check=True)
        parts.append(part)
    subprocess.run(["sox"] + parts + [path], check=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--probe", required=True)
    parser.add_argument("--make-music", required=True)
    parser.add_argument("--sound-server", required=True)
    args = parser.parse_args()

    with tempfile.TemporaryDirectory(prefix="quellabox-sound.") as directory:
        program = os.path.join(directory, "program")
        os.mkdir(program)
        probe = shutil.copy(args.probe, program)
        make_track(args.make_music, directory, os.path.join(program, "BackgroundMusic.wav"))

        server = SoundServer(args.sound_server, directory)
        try:
            recorder = Recorder(server)
            try:
                recorder.wait_for_data(5)
                time.sleep(0.3)  # some silence before the start
                run = subprocess.run([probe], env=server.env, capture_output=True, text=True,
                                     timeout=30)
                time.sleep(0.2)
            finally:
                recorder.stop()
        finally:
            server.stop()

    sys.stderr.write(run.stderr)
    if run.returncode != 0:
        print("music_probe failed with %d" % run.returncode)
        return 1
    steps = [(name, float(t), int(on)) for name, t, on in
             (line.split() for line in run.stdout.splitlines())]
    states = [(name, on) for name, _, on in steps]
    if states != [("start-up", 1)] + [("press", 0), ("press", 1)] * 3 + [("end", 1)]:
        print("unexpected steps and music states: %s" % states)
        return 1
    samples, start = recorder.samples()
    failures = analyse(classify(samples, start), steps)
    for failure in failures:
        print("FAILED: " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
