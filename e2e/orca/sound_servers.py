"""Sound servers for a scenario's game: one that never answers, and a real one that records what it plays.

Both listen where a desktop's PulseAudio or PipeWire-Pulse does, $XDG_RUNTIME_DIR/pulse/native,
which the game's sound library looks up; environment() gives the game that folder. It is a short
private folder of the system's temporary folder, removed when the server stops: a Unix socket's
path may not pass 107 bytes, which one inside a clone in a deep folder would.
"""

import os
import shutil
import socket
import struct
import subprocess
import tempfile
import threading
import time
import wave

from desktop import Desktop, ScenarioFailed

# The rate and layout of the games' cues; the recording sink takes them as they are.
RATE = 22050
# Samples of silence that part two sounds in the recording.
GAP = 2000


class _Server:
    """Used in a with statement, a server is stopped however the scenario ends, and its runtime
    folder (made by mkdtemp, so only this user may enter it) goes with it; a server that fails
    to start is stopped and removed at once."""

    def __init__(self, folder):
        self.runtime = tempfile.mkdtemp(prefix="sound-")
        try:
            os.mkdir(os.path.join(self.runtime, "pulse"), 0o700)
            self._start(folder)
        except BaseException:
            self._close()
            raise

    def __enter__(self):
        return self

    def __exit__(self, *exception):
        self._close()

    def _close(self):
        self.stop()
        shutil.rmtree(self.runtime, ignore_errors=True)

    def environment(self):
        return {"XDG_RUNTIME_DIR": self.runtime}


class SilentSoundServer(_Server):
    """Takes every connection and never says a word: the client library waits 30 s for its
    greeting, then gives up."""

    def _start(self, folder):
        self._lock = threading.Lock()
        self._connections = []  # [socket, still open]
        self._listener = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self._listener.bind(os.path.join(self.runtime, "pulse", "native"))
        self._listener.listen(16)
        threading.Thread(target=self._accept, daemon=True).start()

    def _accept(self):
        while True:
            try:
                connection, _ = self._listener.accept()
            except OSError:
                return
            entry = [connection, True]
            with self._lock:
                self._connections.append(entry)
            threading.Thread(target=self._hold, args=(entry,), daemon=True).start()

    def _hold(self, entry):
        # Whatever the client sends is read and left unanswered, until it hangs up.
        while True:
            try:
                if not entry[0].recv(4096):
                    break
            except OSError:
                break
        with self._lock:
            entry[1] = False

    def expect_first_connection_waiting(self):
        """The game's first connection is still open and unanswered: what was heard so far came
        while the game's sound library was still waiting for the server."""
        with self._lock:
            states = [open_ for _, open_ in self._connections]
        if not states:
            raise ScenarioFailed("the game never asked the sound server")
        if not states[0]:
            raise ScenarioFailed("the game gave up on the silent sound server before this step")

    def stop(self):
        self._listener.close()
        with self._lock:
            for connection, _ in self._connections:
                connection.close()


class RecordingSoundServer(_Server):
    """PulseAudio with one loudspeaker: a sink that plays in real time, by the system clock, into
    a pipe that is read here, so that what the game played is known sample by sample."""

    def _start(self, folder):
        self._server = None
        self._fifo = os.path.join(self.runtime, "loudspeaker")
        os.mkfifo(self._fifo)
        self._samples = bytearray()
        self._lock = threading.Lock()
        log = open(os.path.join(folder, "pulseaudio.log"), "w")
        listening = os.path.join(self.runtime, "pulse", "native")
        self._server = subprocess.Popen(
            ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no", "--log-level=info",
             "--log-target=stderr",
             "-L", "module-native-protocol-unix auth-anonymous=1 socket=" + listening,
             "-L", "module-pipe-sink sink_name=loudspeaker file=%s format=s16le rate=%d channels=1 "
                   "use_system_clock_for_timing=yes" % (self._fifo, RATE)],
            env=dict(os.environ, XDG_RUNTIME_DIR=self.runtime), stdout=log, stderr=subprocess.STDOUT)
        self._reader = threading.Thread(target=self._read, daemon=True)
        self._reader.start()
        self._log_path = log.name
        Desktop.wait_until(lambda: self._said("Daemon startup complete"), 30, "the sound server to start")

    def _said(self, text):
        if self._server.poll() is not None:
            raise ScenarioFailed("the sound server ended; see %s" % self._log_path)
        with open(self._log_path, errors="replace") as log:
            return text in log.read()

    def _read(self):
        with open(self._fifo, "rb", buffering=0) as pipe:
            while True:
                chunk = pipe.read(4096)
                if not chunk:
                    return
                with self._lock:
                    self._samples += chunk

    def sounds(self):
        """The lengths, in samples, of the sounds played so far: from each one's first sample that
        is not silence to its last, sounds parted by silence."""
        with self._lock:
            data = bytes(self._samples[:len(self._samples) // 2 * 2])
        values = struct.unpack("<%dh" % (len(data) // 2), data)
        lengths, first, last = [], None, None
        for index, value in enumerate(values):
            if value != 0:
                if first is None:
                    first = index
                last = index
            elif first is not None and index - last > GAP:
                lengths.append(last - first + 1)
                first = None
        # A sound still going on at the end of the recording is not counted yet.
        return lengths

    def expect_heard(self, *waves, seconds=10):
        """Waits until the loudspeaker has played these waves, whole and in this order, after the
        sounds it had played before."""
        wanted = [sound_length(path) for path in waves]
        deadline = time.monotonic() + seconds
        while self.sounds()[-len(wanted):] != wanted:
            if time.monotonic() > deadline:
                raise ScenarioFailed("the loudspeaker played sounds of %r samples, expected %r last"
                                     % (self.sounds(), wanted))
            time.sleep(0.1)

    def stop(self):
        if self._server is None:
            return
        self._server.terminate()
        try:
            self._server.wait(timeout=5)
        except subprocess.TimeoutExpired:
            self._server.kill()
            self._server.wait()
        # A reader still waiting for the sink to open the pipe is let go.
        try:
            os.close(os.open(self._fifo, os.O_WRONLY | os.O_NONBLOCK))
        except OSError:
            pass


def sound_length(path):
    """A wave's length in samples from its first sample that is not silence to its last."""
    with wave.open(path, "rb") as cue:
        if cue.getframerate() != RATE or cue.getnchannels() != 1 or cue.getsampwidth() != 2:
            raise ScenarioFailed("%s is not 16-bit mono at %d samples a second" % (path, RATE))
        frames = cue.readframes(cue.getnframes())
    values = struct.unpack("<%dh" % (len(frames) // 2), frames)
    sounding = [index for index, value in enumerate(values) if value != 0]
    return sounding[-1] - sounding[0] + 1
