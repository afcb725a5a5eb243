"""A copy of the installed program's folder, and the processes that run it.

The game keeps best.data beside itself and looks for its music there, so every test gets a
fresh copy of the folder: nothing leaks from one test into the next or into an install.
"""

import os
import shutil
import signal
import subprocess
import tempfile
import time

PROGRAM_NAME = "Quellabox"
MUSIC_NAME = "BackgroundMusic.wav"
BEST_NAME = "best.data"


def write_key_file(path, keys, count=None):
    """A key file: the count as decimal text in an 8-byte field, then one byte per key."""
    count = len(keys) if count is None else count
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as key_file:
        key_file.write(str(count).encode("ascii").ljust(8, b"\0") + keys.encode("latin-1"))
    return path


class GameCopy:
    """The installed program's folder (the program and its music) copied to `exe_dir`, under
    a new temporary root; `folder_parts` name the folders on the way (spaces, non-ASCII
    characters, long paths)."""

    def __init__(self, installed_dir, folder_parts=("game",)):
        self.root = tempfile.mkdtemp(prefix="quellabox-e2e-")
        self.exe_dir = os.path.join(self.root, *folder_parts)
        shutil.copytree(installed_dir, self.exe_dir)
        self.program = os.path.join(self.exe_dir, PROGRAM_NAME)
        # An installed copy keeps its data in the user's folders: keep those inside too.
        self.home = os.path.join(self.root, "home")
        os.makedirs(self.home)
        self._started = []
        self.closed = False

    def path(self, file_name):
        return os.path.join(self.exe_dir, file_name)

    def best_data(self):
        """The bytes of best.data, or None while there is none."""
        try:
            with open(self.path(BEST_NAME), "rb") as best:
                return best.read()
        except FileNotFoundError:
            return None

    def start(self):
        """Starts the program as a desktop would, with the accessibility bridge on."""
        env = dict(os.environ,
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_QPA_PLATFORM="xcb",
                   HOME=self.home,
                   XDG_DATA_HOME=os.path.join(self.home, "data"),
                   XDG_CONFIG_HOME=os.path.join(self.home, "config"))
        log = open(os.path.join(self.root, "program-%d.log" % len(self._started)), "wb")
        process = subprocess.Popen([self.program], cwd=self.root, env=env, stdin=subprocess.DEVNULL,
                                   stdout=log, stderr=subprocess.STDOUT)
        log.close()
        self._started.append(process)
        return process

    def running_pids(self):
        """Every live process that runs this copy of the program: the ones we started and the
        ones they launched (Reset starts a new copy that is no child of ours)."""
        pids = []
        for entry in os.listdir("/proc"):
            if not entry.isdigit():
                continue
            try:
                exe = os.readlink("/proc/%s/exe" % entry)
                with open("/proc/%s/stat" % entry, "rb") as stat:
                    state = stat.read().rsplit(b")", 1)[1].split()[0]
            except OSError:
                continue
            if exe == self.program and state != b"Z":
                pids.append(int(entry))
        return pids

    def log(self):
        """What the program wrote to its output, for a failure report."""
        texts = []
        for index in range(len(self._started)):
            with open(os.path.join(self.root, "program-%d.log" % index), "rb") as log:
                texts.append(log.read().decode("utf-8", "replace"))
        return "\n".join(texts)

    def close(self):
        """Ends every process of this copy and removes the folder."""
        deadline = time.monotonic() + 5
        while True:
            pids = self.running_pids()
            for pid in pids:
                try:
                    os.kill(pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
            for process in self._started:
                if process.poll() is None:
                    process.kill()
                process.wait(timeout=5)
            if not pids or time.monotonic() > deadline:
                break
            time.sleep(0.05)
        # Folders made unwritable by a test must not stop the clean-up.
        for folder, _, _ in os.walk(self.root):
            os.chmod(folder, 0o755)
        shutil.rmtree(self.root, ignore_errors=True)
        self.closed = True
