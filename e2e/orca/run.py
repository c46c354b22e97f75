"""Plays one scenario of a Linux game with Orca listening, on a private desktop of its own.

usage: run.py GAME_PROGRAM SCENARIO OUTPUT_FOLDER

GAME_PROGRAM is the built game; its wave files and help text are copied beside the scenario's
copy of it (the word list is the scenario's choice). The scenario is the function
scenario_<SCENARIO> of <game>_scenarios.py beside this file. OUTPUT_FOLDER keeps, per scenario,
Orca's debug log, the game's output, the saved files and, on failure, a screenshot.
"""

import glob
import importlib
import os
import shutil
import sys
import traceback

# Debian's own Python has the accessibility module; a private bus keeps the scenario to itself.
PYTHON = "/usr/bin/python3"
PRIVATE_BUS_MARK = "WORD_GAMES_ORCA_BUS"


def main():
    if len(sys.argv) != 4:
        print(__doc__, file=sys.stderr)
        return 2
    if os.environ.get(PRIVATE_BUS_MARK) != "1":
        os.environ[PRIVATE_BUS_MARK] = "1"
        os.execvp("dbus-run-session", ["dbus-run-session", "--", PYTHON, os.path.abspath(__file__)] + sys.argv[1:])

    program, name, output = os.path.abspath(sys.argv[1]), sys.argv[2], sys.argv[3]
    here = os.path.dirname(os.path.abspath(__file__))
    sys.path.insert(0, here)
    from desktop import Desktop
    from scenario import Scenario

    game = os.path.basename(program)
    scenarios = importlib.import_module(game + "_scenarios")
    play = getattr(scenarios, "scenario_" + name)

    folder = os.path.join(os.path.abspath(output), name)
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    beside = os.path.dirname(program)
    data_files = [path for pattern in ("*.wav", "*.txt", "*.TXT") for path in glob.glob(os.path.join(beside, pattern))]

    desktop = Desktop(folder)
    scenario = None
    passed = False
    try:
        desktop.start()
        scenario = Scenario(program, data_files, folder, desktop)
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
