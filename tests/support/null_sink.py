# SPDX-FileCopyrightText: 2026 Quellabox maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

"""A PulseAudio server of a test's own with a null sink, whose monitor is recorded into a file
as it plays: 44100 Hz, one channel, 16 bits. Programs started with `env` play on it; nothing
else does. The monitor yields data only once some stream has played on the sink.
Run as `null_sink.py COMMAND...`, it runs the command so, the recording's path in
QUELLABOX_RECORDING."""

import os
import pathlib
import subprocess
import sys
import tempfile
import time

RATE = 44100  # samples a second, two bytes each
SOUND_SERVER = pathlib.Path(__file__).resolve().parents[2] / "scripts" / "start_sound_server.sh"


class NoSoundServer(Exception):
    pass


class NullSink:

    def __init__(self, folder):
        runtime = os.path.join(folder, "pulse")
        # Off the session bus: a second server gives up when a first holds the bus name.
        self.env = dict(os.environ, PULSE_RUNTIME_PATH=runtime,
                        PULSE_SERVER="unix:%s/native" % runtime,
                        DBUS_SESSION_BUS_ADDRESS="unix:path=%s/no-bus" % folder)
        self.runtime, self.path = runtime, os.path.join(folder, "recording.raw")
        self.recorder = None

    def __enter__(self):
        server = subprocess.run([SOUND_SERVER], env=self.env, capture_output=True, text=True)
        if server.returncode != 0:
            raise NoSoundServer(server.stderr)
        self.sink = server.stdout.strip()
        with open(self.path, "wb") as out:
            self.recorder = subprocess.Popen(["parec", "-d", self.sink + ".monitor", "--raw",
                                              "--channels=1", "--latency-msec=10"], stdout=out,
                                             env=self.env)
        return self

    def __exit__(self, *_):
        if self.recorder:
            self.recorder.terminate()
        self.pactl("exit")
        end = time.monotonic() + 20
        while os.path.exists(self.runtime + "/pid") and time.monotonic() < end:
            time.sleep(0.01)

    def pactl(self, *args):
        return subprocess.run(["pactl", *args], env=self.env, capture_output=True).stdout

    def size(self):
        """Bytes recorded so far."""
        return os.path.getsize(self.path)

    def samples(self, begin=0, end=None):
        """The samples from byte `begin` up to byte `end` (the whole recording up to now)."""
        with open(self.path, "rb") as recording:
            recording.seek(begin)
            data = recording.read((end if end is not None else self.size()) - begin)
        return memoryview(data[:len(data) // 2 * 2]).cast("h")


if __name__ == "__main__":
    with tempfile.TemporaryDirectory() as folder, NullSink(folder) as sink:
        sys.exit(subprocess.run(sys.argv[1:], env=dict(sink.env, QUELLABOX_RECORDING=sink.path),
                                check=False).returncode)
