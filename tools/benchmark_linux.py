"""Measures the Linux games beside other programs on one machine in one run: start-up, memory, idle CPU.

usage: tools/benchmark.sh (which builds what is needed and runs this inside a private D-Bus session)
       benchmark_linux.py SCRAMBOLO PEBBLIX [WINE_SCRAMBOLO_EXE]

Each program starts on a private virtual display with the accessibility bus up and accessibility
on, as a blind player's desktop has it. Start-up is the time from starting the program to the
moment its first word is on the accessibility tree (Scrambolo: a focused letter button; Pebblix:
its welcome question, then, after an answer, the word box holding a word), taken as the median of
five starts, and again with a sound server that never answers. Memory is the resident set 2 s
after that; idle CPU is the clock ticks (1/100 s) the process uses in 60 s with the game's clock
running and nobody touching it. Kanagram, when
installed, is measured the same way up to its main window on the tree; the Windows Scrambolo,
when given, under Wine for its idle CPU. Last, how long Pebblix's waited-for cues hold the game
beside their own length, on a sound server that plays in real time.
"""

import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e", "orca"))

STARTS = 5
BUILD = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "build", "linux")
IDLE_SECONDS = 60  # long enough that a tick of 1/100 s is not most of the reading
TICKS_PER_SECOND = os.sysconf("SC_CLK_TCK")


def cpu_ticks(pid):
    with open("/proc/%d/stat" % pid) as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])  # utime and stime, after the state field


def resident_megabytes(pid):
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024
    return 0.0


def application_of(pid):
    import pyatspi
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        application = desktop.getChildAtIndex(index)
        try:
            if application is not None and application.get_process_id() == pid:
                return application
        except Exception:
            continue
    return None


def find(accessible, predicate, depth=0):
    if accessible is None or depth > 25:
        return None
    try:
        if predicate(accessible):
            return accessible
        children = [accessible.getChildAtIndex(index) for index in range(accessible.childCount)]
    except Exception:
        # An object that went while the tree was walked (a message box closing) is passed over.
        return None
    for child in children:
        found = find(child, predicate, depth + 1)
        if found is not None:
            return found
    return None


def state(accessible, name):
    import pyatspi
    return accessible.getState().contains(getattr(pyatspi, "STATE_" + name))


def focused_letter(accessible):
    return (accessible.getRoleName() == "push button" and len(accessible.name or "") == 1
            and state(accessible, "FOCUSED"))


def welcome_box(accessible):
    return accessible.getRoleName() == "alert"


def word_box_with_word(accessible):
    # The word box is told to screen readers as a paragraph that holds the word, not as a text box.
    if accessible.getRoleName() != "paragraph":
        return False
    text = accessible.queryText()
    return len(text.getText(0, -1)) >= 5


def main_frame(accessible):
    return accessible.getRoleName() == "frame" and state(accessible, "SHOWING")


def wait_for(pid, predicate, seconds=60):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        application = application_of(pid)
        if application is not None and find(application, predicate) is not None:
            return True
        time.sleep(0.005)
    return False


class Run:
    def __init__(self, command, folder, extra_environment=None):
        environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", XDG_DATA_HOME=folder)
        environment.update(extra_environment or {})
        self.started = time.monotonic()
        self.process = subprocess.Popen(command, cwd=folder, env=environment,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def seconds_until(self, predicate):
        if not wait_for(self.process.pid, predicate):
            raise RuntimeError("%s never got ready" % self.process.args[0])
        return time.monotonic() - self.started

    def stop(self):
        self.process.terminate()
        try:
            self.process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()


def idle_ticks(pid):
    before = cpu_ticks(pid)
    time.sleep(IDLE_SECONDS)
    return cpu_ticks(pid) - before


def copy_beside(program, folder):
    """The program and the files beside it, copied into the folder; the copy's path."""
    for path in os.listdir(os.path.dirname(program)):
        source = os.path.join(os.path.dirname(program), path)
        if os.path.isfile(source):
            shutil.copy2(source, folder)
    return os.path.join(folder, os.path.basename(program))


def measure_game(name, program, ready, answer_key=None, then_ready=None):
    folder = tempfile.mkdtemp(prefix="benchmark-")
    copy = copy_beside(program, folder)
    starts, words, memory, ticks = [], [], [], []
    for attempt in range(STARTS):
        run = Run([copy], folder)
        starts.append(run.seconds_until(ready))
        if answer_key:
            subprocess.run(["xdotool", "key", answer_key], check=True)
            words.append(run.seconds_until(then_ready))
        if attempt == 0:
            time.sleep(2)
            memory.append(resident_megabytes(run.process.pid))
            ticks.append(idle_ticks(run.process.pid))
        run.stop()
    shutil.rmtree(folder, ignore_errors=True)
    report(name, starts, memory[0], ticks[0], words)


def measure_silent_sound_server(name, program, ready):
    """Start-up as above with a sound server that takes the connection and never answers."""
    from sound_servers import SilentSoundServer
    folder = tempfile.mkdtemp(prefix="benchmark-")
    copy = copy_beside(program, folder)
    starts = []
    with SilentSoundServer(folder) as server:
        for _ in range(STARTS):
            run = Run([copy], folder, server.environment())
            starts.append(run.seconds_until(ready))
            run.stop()
    shutil.rmtree(folder, ignore_errors=True)
    print("%s with a silent sound server: start-up median %.0f ms (of %s ms)" % (
        name, statistics.median(starts) * 1000, ", ".join("%.0f" % (s * 1000) for s in starts)), flush=True)


def measure_cue_holds(benchmark, waves):
    """How long a waited-for cue holds the game beside its length, on a sound server that plays in
    real time (the scenarios' recording one)."""
    if not os.path.exists(benchmark):
        print("Waited-for cues: %s not built, not measured" % benchmark)
        return
    from sound_servers import RecordingSoundServer
    folder = tempfile.mkdtemp(prefix="benchmark-")
    with RecordingSoundServer(folder) as server:
        print("Waited-for cues on a sound server (Time: the hold; cue_ms: the wave's length):", flush=True)
        subprocess.run([benchmark] + waves, env=dict(os.environ, **server.environment()), check=False)
    shutil.rmtree(folder, ignore_errors=True)


def measure_kanagram():
    program = shutil.which("kanagram")
    if program is None:
        print("Kanagram: not installed (apt-get install kanagram), not measured")
        return
    folder = tempfile.mkdtemp(prefix="benchmark-")
    starts, memory = [], []
    for attempt in range(STARTS):
        run = Run([program], folder, {"HOME": folder})
        starts.append(run.seconds_until(main_frame))
        if attempt == 0:
            time.sleep(2)
            memory.append(resident_megabytes(run.process.pid))
        run.stop()
    shutil.rmtree(folder, ignore_errors=True)
    report("Kanagram", starts, memory[0], None, [])


def measure_wine(exe):
    """The Windows Scrambolo's idle CPU under Wine, on the same display, clock running."""
    folder = tempfile.mkdtemp(prefix="benchmark-wine-")
    environment = dict(os.environ, WINEPREFIX=os.path.join(folder, "prefix"), WINEDEBUG="-all",
                       WINEDLLOVERRIDES="mscoree,mshtml=", WINEARCH="win64")
    subprocess.run(["wineboot", "--init"], env=environment, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    subprocess.run(["wineserver", "-w"], env=environment)
    for path in os.listdir(os.path.dirname(exe)):
        source = os.path.join(os.path.dirname(exe), path)
        if os.path.isfile(source):
            shutil.copy2(source, folder)
    game = subprocess.Popen(["wine", os.path.join(folder, os.path.basename(exe))], cwd=folder, env=environment,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(8)
    # Wine's loader execs into the game, so the process to watch is the one named after the exe,
    # whichever pid it kept.
    found = subprocess.run(["pgrep", "-x", os.path.basename(exe)[:15]], capture_output=True, text=True).stdout.split()
    pids = [int(pid) for pid in found]
    servers = subprocess.run(["pgrep", "-n", "wineserver"], capture_output=True, text=True).stdout.split()
    if pids and servers:
        server_before = cpu_ticks(int(servers[0]))
        ticks = idle_ticks(pids[0])
        server_ticks = cpu_ticks(int(servers[0])) - server_before
        print("Scrambolo for Windows under Wine: idle CPU %s, and Wine's server %s on its behalf"
              % (idle_text(ticks), idle_text(server_ticks)))
    else:
        print("Scrambolo for Windows under Wine: did not start, not measured")
    subprocess.run(["wineserver", "-k"], env=environment)
    game.wait()
    shutil.rmtree(folder, ignore_errors=True)


def idle_text(ticks):
    return "%d ticks in %d s (%.1f per 10 s)" % (ticks, IDLE_SECONDS, ticks * 10 / IDLE_SECONDS)


def report(name, starts, megabytes, ticks, words):
    line = "%s: start-up median %.0f ms (of %s ms), resident %.1f MB" % (
        name, statistics.median(starts) * 1000, ", ".join("%.0f" % (s * 1000) for s in starts), megabytes)
    if words:
        line += ", first word after the welcome answered: median %.0f ms" % (statistics.median(words) * 1000)
    if ticks is not None:
        line += ", idle CPU " + idle_text(ticks)
    print(line, flush=True)


def main():
    if len(sys.argv) not in (3, 4):
        print(__doc__, file=sys.stderr)
        return 2
    from desktop import Desktop
    folder = tempfile.mkdtemp(prefix="benchmark-desktop-")
    desktop = Desktop(folder)
    try:
        desktop.start_without_screen_reader()
        print("%d CPU(s); %s" % (os.cpu_count(), time.strftime("%Y-%m-%d %H:%M")), flush=True)
        measure_game("Scrambolo (Linux)", os.path.abspath(sys.argv[1]), focused_letter)
        measure_game("Pebblix (Linux)", os.path.abspath(sys.argv[2]), welcome_box, "n", word_box_with_word)
        measure_silent_sound_server("Scrambolo (Linux)", os.path.abspath(sys.argv[1]), focused_letter)
        measure_silent_sound_server("Pebblix (Linux)", os.path.abspath(sys.argv[2]), welcome_box)
        pebblix_folder = os.path.dirname(os.path.abspath(sys.argv[2]))
        measure_cue_holds(os.path.join(BUILD, "common", "common_qt_benchmarks"),
                          [os.path.join(pebblix_folder, name) for name in ("wrong.wav", "right.wav", "gameover.wav")])
        measure_kanagram()
        if len(sys.argv) == 4:
            measure_wine(os.path.abspath(sys.argv[3]))
    finally:
        desktop.stop()
        shutil.rmtree(folder, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
