"""A private headless desktop for one scenario: a virtual display, a window manager, the accessibility bus and Orca."""

import contextlib
import json
import os
import pty
import re
import shutil
import signal
import subprocess
import tempfile
import threading
import time
import tty

ATSPI_BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
NO_SPEECH_SERVER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "no_speech_server")
SLOW_BUS_LAUNCHER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "slow_bus_launcher.py")

# Orca's debug log: each entry starts with a time stamp; an utterance reads
#   12:00:01.000000 - SPEECH OUTPUT: 'l push button.'{'established': False}
# and a multi-line utterance goes on in lines indented by 18 blanks.
ENTRY_START = re.compile(r"^\d\d:\d\d:\d\d\.\d+ - ")
UTTERANCE = re.compile(r"SPEECH OUTPUT: '(.*)'\s*(\{[^{}]*\})?\s*$", re.DOTALL)


def on_busy_desktop(bus_address_delay):
    """Marks a scenario played on a desktop whose accessibility bus launcher, as on a busy machine,
    takes bus_address_delay seconds to tell a program the bus's address."""
    def mark(play):
        play.bus_address_delay = bus_address_delay
        return play
    return mark


class ScenarioFailed(Exception):
    """A step of a scenario did not see what it expected."""


class OrcaLog:
    """Orca's debug output, read as it is written.

    Orca writes its debug file through an ordinary buffered file, so a plain file would show the
    last utterances only when a buffer fills. Given a terminal instead, it writes line by line: the
    log is a pseudo-terminal whose other end is read here and copied to a file for the record.
    """

    def __init__(self, record_path):
        self._master, slave = pty.openpty()
        tty.setraw(slave)
        self.terminal = os.ttyname(slave)
        self._slave = slave
        self._record = open(record_path, "w", encoding="utf-8", errors="replace")
        self._lines = []
        self._lock = threading.Lock()
        self._reader = threading.Thread(target=self._read, daemon=True)
        self._reader.start()

    def _read(self):
        pending = b""
        while True:
            try:
                chunk = os.read(self._master, 65536)
            except OSError:
                break
            if not chunk:
                break
            pending += chunk
            *complete, pending = pending.split(b"\n")
            texts = [line.decode("utf-8", "replace").rstrip("\r") for line in complete]
            with self._lock:
                self._lines.extend(texts)
            for text in texts:
                self._record.write(text + "\n")
            self._record.flush()

    def lines(self):
        with self._lock:
            return list(self._lines)

    def utterances(self):
        """Every utterance so far, in order, multi-line ones joined with line ends."""
        entries = []
        for line in self.lines():
            if ENTRY_START.match(line) or not entries:
                entries.append(line)
            elif line.startswith(" " * 18):
                entries[-1] += "\n" + line[18:]
            else:
                entries.append(line)
        spoken = []
        for entry in entries:
            found = UTTERANCE.search(entry)
            if found:
                spoken.append(found.group(1))
        return spoken

    def close(self):
        for fd in (self._slave, self._master):
            try:
                os.close(fd)
            except OSError:
                pass
        self._reader.join(timeout=2)
        self._record.close()


class Desktop:
    """Xvfb, a window manager, the AT-SPI bus and Orca, started in order and stopped in reverse.

    Orca speaks as it does for a player, to no speech server, so its log holds every utterance.

    Runs inside a private D-Bus session (dbus-run-session), so nothing of the player's own desktop
    is touched and scenarios never hear one another. Its runtime folder ($XDG_RUNTIME_DIR, where
    the accessibility bus and a sound server would put their sockets) is a private one, short
    wherever the scenario's folder is, and removed when the desktop stops: the game finds no
    sound server of the player's there.
    """

    def __init__(self, folder, bus_address_delay=None):
        """bus_address_delay, when given, is how many seconds the accessibility bus launcher takes
        to tell a program the bus's address, as on a busy machine."""
        self.folder = folder
        self.bus_address_delay = bus_address_delay
        self._processes = []
        self.orca_log = None
        self.runtime = None

    def start(self):
        self.start_without_screen_reader()
        self.start_screen_reader()

    def start_screen_reader(self, settings=None):
        """Orca, on the display already there; settings, when given, are its user settings."""
        self.orca_log = OrcaLog(os.path.join(self.folder, "orca-debug.log"))
        preferences = os.path.join(self.folder, "orca-preferences")
        os.makedirs(preferences, exist_ok=True)
        if settings is not None:
            with open(os.path.join(preferences, "user-settings.conf"), "w") as conf:
                json.dump(settings, conf)
        # Speech stays on, as a player has it: only then does Orca log what it presents itself
        # (its messages, the title read on Insert+KP_Enter) beside what it reads of the game, each
        # utterance as it would be spoken. It reaches no speech server: the server's client module
        # is hidden from it (no_speech_server/ comes first on its module path), so it finds none at
        # once and logs "SPEECH: Not available", where it would otherwise wait for a server that
        # may be installed and never start. Braille is off.
        # Orca will not start beside another Orca of the same user anywhere on the machine (the
        # developer's own screen reader, another scenario run): a process namespace of its own
        # hides them from it.
        self._start("orca", ["unshare", "--pid", "--fork", "--mount-proc",
                             "orca", "-e", "speech", "-d", "braille",
                             "--debug-file=" + self.orca_log.terminal, "-u", preferences],
                    environment={"PYTHONPATH": NO_SPEECH_SERVER})
        self.wait_until(lambda: any("Startup complete" in line for line in self.orca_log.lines()),
                        30, "Orca to start")
        if not any("SPEECH: Not available" in line for line in self.orca_log.lines()):
            raise ScenarioFailed("Orca found a speech server; the scenarios' Orca must speak to none")

    def start_without_screen_reader(self):
        """The display, the window manager and the accessibility bus, but no Orca."""
        self.runtime = tempfile.mkdtemp(prefix="desktop-")
        os.environ["XDG_RUNTIME_DIR"] = self.runtime
        self._start_display()
        # A window manager gives the keyboard back to the game window when a message box closes,
        # as every desktop does; without one the focus falls to the root window.
        # Its log goes to the scenario's folder, not the user's cache folder: a scenario writes
        # nothing in anyone's home folder (the package's check watches those).
        self._start("openbox", ["openbox", "--sm-disable"],
                    environment={"XDG_CACHE_HOME": os.path.join(self.folder, "cache")})
        if self.bus_address_delay is None:
            self._start("atspi-bus", [ATSPI_BUS_LAUNCHER, "--launch-immediately"])
        else:
            self._start("atspi-bus", ["/usr/bin/python3", SLOW_BUS_LAUNCHER, str(self.bus_address_delay)])

    def _start_display(self):
        read_end, write_end = os.pipe()
        log = open(os.path.join(self.folder, "xvfb.log"), "w")
        # Without -noreset the server starts afresh each time its last client leaves: the bus
        # launcher, done with the display before a busy machine has the window manager connected,
        # left openbox knocking on a server in the middle of its reset ("Failed to open the display").
        process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=log, stderr=subprocess.STDOUT)
        os.close(write_end)
        self._processes.append(("xvfb", process))
        with os.fdopen(read_end) as display:
            number = display.readline().strip()
        if not number:
            raise ScenarioFailed("Xvfb did not start")
        os.environ["DISPLAY"] = ":" + number

    def _start(self, name, command, environment=None):
        log = open(os.path.join(self.folder, name + ".log"), "w")
        process = subprocess.Popen(command, stdout=log, stderr=subprocess.STDOUT,
                                   env=dict(os.environ, **(environment or {})))
        self._processes.append((name, process))
        return process

    @contextlib.contextmanager
    def window_manager_busy(self):
        """The window manager stopped meanwhile, as a busy machine's may lag: what it does for the
        game's windows, such as giving the keyboard back to the window beneath a box that closed,
        waits until it goes on."""
        window_manager = dict(self._processes)["openbox"]
        window_manager.send_signal(signal.SIGSTOP)
        try:
            yield
        finally:
            window_manager.send_signal(signal.SIGCONT)

    def screenshot(self, path):
        subprocess.run(["import", "-window", "root", path], check=False,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def stop(self):
        for _, process in reversed(self._processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        self._processes.clear()
        if self.orca_log:
            self.orca_log.close()
        if self.runtime:
            shutil.rmtree(self.runtime, ignore_errors=True)

    @staticmethod
    def wait_until(condition, seconds, what):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if condition():
                return
            time.sleep(0.05)
        raise ScenarioFailed("timed out after %g s waiting for %s" % (seconds, what))
