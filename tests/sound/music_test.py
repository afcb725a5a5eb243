#!/usr/bin/env python3
"""Plays the background music through a real PulseAudio server and measures what it hears.

music_probe starts the music as the game does, switches it off and on with the music button,
then presses it four times in haste. The null sink's monitor is recorded meanwhile: the music
must sound while on, from the track's start, loop without a gap, and fall silent within 200 ms
of the switch off. The test track is 0.1 s of 880 Hz then 0.9 s of 440 Hz, so the pitch tells
which part of the track a sound comes from. The server is the test's own, so no other sound
mixes in; the test exits 77 (skipped) only when none can be started.
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


def start_server(script, directory):
    """A private server whose default sink is a null sink: its environment and the sink."""
    runtime = os.path.join(directory, "pulse")
    os.mkdir(runtime, 0o700)
    env = dict(os.environ, PULSE_RUNTIME_PATH=runtime,
               PULSE_SERVER="unix:" + os.path.join(runtime, "native"))
    # Off the session bus: a second server gives up when a first holds the bus name.
    offbus = dict(env, DBUS_SESSION_BUS_ADDRESS="unix:path=" + runtime + "/no-bus")
    started = subprocess.run([script], env=offbus, capture_output=True, text=True)
    if started.returncode != 0:
        print("SKIPPED: no PulseAudio server could be started: " + started.stderr.strip())
        sys.exit(SKIPPED)
    return env, started.stdout.strip()


def stop_server(env):
    """Asks the private server to exit and waits until it has left its runtime folder, which
    is removed with the test's folder."""
    subprocess.run(["pactl", "exit"], env=env, capture_output=True)
    pid_file = os.path.join(env["PULSE_RUNTIME_PATH"], "pid")
    deadline = time.monotonic() + 10
    while os.path.exists(pid_file) and time.monotonic() < deadline:
        time.sleep(0.05)


def record(env, sink, play):
    """Records the sink's monitor while play() runs: the samples and the CLOCK_MONOTONIC time
    of the first."""
    raw = ["--raw", "--format=s16le", "--rate=%d" % RATE, "--channels=1"]
    # A stream of zeros keeps the monitor going while the music is silent, so the recording
    # is one unbroken timeline.
    with open("/dev/zero", "rb") as zeros:
        feeder = subprocess.Popen(["pacat", "--playback", "-d", sink] + raw, stdin=zeros, env=env)
    parec = subprocess.Popen(["parec", "-d", sink + ".monitor", "--latency-msec=10"] + raw,
                             stdout=subprocess.PIPE, env=env)
    chunks = []

    def read():
        while data := parec.stdout.read1(4096):
            chunks.append((time.monotonic(), data))

    reader = threading.Thread(target=read)
    reader.start()
    try:
        deadline = time.monotonic() + 5
        while not chunks:
            if time.monotonic() > deadline or parec.poll() is not None:
                raise RuntimeError("the sink's monitor yields no data")
            time.sleep(0.01)
        result = play()
    finally:
        parec.terminate()
        reader.join()
        feeder.terminate()
        feeder.wait()
    # A sample arrives after it was played: the earliest arrival less its offset is the
    # closest bound on the time of the first.
    start, count = None, 0
    for arrived, chunk in chunks:
        count += len(chunk) // 2
        bound = arrived - count / RATE
        start = bound if start is None else min(start, bound)
    data = b"".join(chunk for _, chunk in chunks)
    samples = array.array("h")
    samples.frombytes(data[: len(data) // 2 * 2])
    return samples, start, result


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


def check_playing(windows, name, pressed, until):
    """The music starts at the track's beginning soon after it is switched on, then loops
    without a gap until it is switched off."""
    begin = next((t for t, k in windows if t >= pressed and k != "-"), None)
    if begin is None or begin - pressed > START_WITHIN:
        return ["%s: no sound within %.1f s" % (name, START_WITHIN)]
    failures = []
    # The last windows before the switch off may hold the stop itself.
    heard = between(windows, begin, until - 0.02)
    first = [k for _, k in heard[1:8]]
    if first.count("H") < 6:
        failures.append("%s: did not begin at the track's start (heard %s)" % (name, "".join(first)))
    gap = max((seconds for _, seconds in runs(heard, "-")), default=0)
    if gap > LONGEST_GAP:
        failures.append("%s: a gap of %.0f ms" % (name, gap * 1000))
    starts = [t for t, seconds in runs(heard, "H") if seconds >= 0.05]
    periods = [b - a for a, b in zip(starts, starts[1:])]
    # Every stretch of music here spans at least two loop points.
    if len(periods) < 2 or any(abs(p - TRACK_SECONDS) > 0.05 for p in periods):
        failures.append("%s: the track started again after %s s, not twice after %.1f s"
                        % (name, ", ".join("%.3f" % p for p in periods), TRACK_SECONDS))
    print("%s: sound after %.0f ms, longest gap %.0f ms, loops %s s apart" % (
        name, (begin - pressed) * 1000, gap * 1000, ", ".join("%.3f" % p for p in periods)))
    return failures


def check_silent(windows, name, since, begin, end):
    loud = [t for t, k in between(windows, begin, end) if k != "-"]
    return ["%s: sound %.0f ms after it" % (name, (loud[0] - since) * 1000)] if loud else []


def main():
    parser = argparse.ArgumentParser()
    for option in ("--probe", "--make-music", "--sound-server"):
        parser.add_argument(option, required=True)
    args = parser.parse_args()

    with tempfile.TemporaryDirectory(prefix="quellabox-sound.") as directory:
        program = os.path.join(directory, "program")
        os.mkdir(program)
        probe = shutil.copy(args.probe, program)
        parts = []
        for hz, seconds in (("880", "0.1"), ("440", "0.9")):
            parts.append(os.path.join(directory, hz + ".wav"))
            subprocess.run([args.make_music, parts[-1], "--tone", hz, "--seconds", seconds],
                           check=True)
        subprocess.run(["sox"] + parts + [os.path.join(program, "BackgroundMusic.wav")], check=True)

        env, sink = start_server(args.sound_server, directory)

        def play():
            time.sleep(0.3)  # some silence before the start
            run = subprocess.run([probe], env=env, capture_output=True, text=True, timeout=30)
            time.sleep(0.2)
            return run

        try:
            samples, start, run = record(env, sink, play)
        finally:
            stop_server(env)

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
    on, off, again, hasty, last, end = (steps[i][1] for i in (0, 1, 2, 3, 6, 7))
    windows = classify(samples, start)
    failures = (check_silent(windows, "before the start", windows[0][0], windows[0][0], on)
                + check_playing(windows, "on at start-up", on, off)
                + check_silent(windows, "off", off, off + STOP_WITHIN, again)
                + check_playing(windows, "on again", again, hasty)
                + check_playing(windows, "on after four hasty presses", last, end))
    for failure in failures:
        print("FAILED: " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
