"""Plays one scenario of a Linux game with Orca listening, on a private desktop of its own.

usage: run.py GAME_PROGRAM SCENARIO OUTPUT_FOLDER
       run.py --installed DESKTOP_ENTRY OUTPUT_FOLDER

GAME_PROGRAM is the built game; its wave files and help text are copied beside the scenario's
copy of it (the word list is the scenario's choice). The scenario is the function
scenario_<SCENARIO> of <game>_scenarios.py beside this file. OUTPUT_FOLDER keeps, per scenario,
Orca's debug log, the game's output, the saved files and, on failure, a screenshot.

With --installed, the game is started as the desktop starts it, by the Exec line of its installed
desktop entry, and plays installed_check of its scenarios file (in OUTPUT_FOLDER/installed_<game>).
"""

import glob
import importlib
import configparser
import os
import shlex
import shutil
import signal
import sys
import traceback

# Debian's own Python has the accessibility module; a private bus keeps the scenario to itself.
PYTHON = "/usr/bin/python3"
PRIVATE_BUS_MARK = "WORD_GAMES_ORCA_BUS"


def exec_line(desktop_entry):
    """The command line a desktop starts the entry with, its field codes (%f, %U, ...) left out."""
    entry = configparser.ConfigParser(interpolation=None)
    entry.read(desktop_entry, encoding="utf-8")
    words = shlex.split(entry["Desktop Entry"]["Exec"])
    return [word for word in words if not (len(word) == 2 and word.startswith("%"))]


def main():
    installed = len(sys.argv) == 4 and sys.argv[1] == "--installed"
    if len(sys.argv) != 4:
        print(__doc__, file=sys.stderr)
        return 2
    if os.environ.get(PRIVATE_BUS_MARK) != "1":
        os.environ[PRIVATE_BUS_MARK] = "1"
        os.execvp("dbus-run-session", ["dbus-run-session", "--", PYTHON, os.path.abspath(__file__)] + sys.argv[1:])
    # Stopped from outside (a test run interrupted), the scenario still takes its desktop down and
    # removes its private folders.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))

    here = os.path.dirname(os.path.abspath(__file__))
    sys.path.insert(0, here)
    from desktop import Desktop
    from scenario import Scenario

    command, data_files = None, []
    if installed:
        command = exec_line(sys.argv[2])
        program, output = command[0], sys.argv[3]
        game = os.path.basename(program)
        name = "installed_" + game
        play = getattr(importlib.import_module(game + "_scenarios"), "installed_check")
    else:
        program, name, output = os.path.abspath(sys.argv[1]), sys.argv[2], sys.argv[3]
        game = os.path.basename(program)
        play = getattr(importlib.import_module(game + "_scenarios"), "scenario_" + name)
        beside = os.path.dirname(program)
        data_files = [path for pattern in ("*.wav", "*.txt", "*.TXT") for path in glob.glob(os.path.join(beside, pattern))]

    folder = os.path.join(os.path.abspath(output), name)
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)

    desktop = Desktop(folder, getattr(play, "bus_address_delay", None))
    scenario = None
    passed = False
    try:
        desktop.start()
        scenario = Scenario(program, data_files, folder, desktop, command)
        print("scenario %s of %s" % (name, game), flush=True)
        play(scenario)
        passed = True
    except Exception:
        traceback.print_exc()
        desktop.screenshot(os.path.join(folder, "screen.png"))
        print("scenario %s FAILED; Orca's log: %s, the game's output: %s, screenshot: %s" % (
            name, os.path.join(folder, "orca-debug.log"), os.path.join(folder, "game.log"),
            os.path.join(folder, "screen.png")))
    finally:
        if scenario:
            scenario.stop()
        desktop.stop()
    if passed:
        print("scenario %s passed" % name)
    return 0 if passed else 1


if __name__ == "__main__":
    sys.exit(main())
