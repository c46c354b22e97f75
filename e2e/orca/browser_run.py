"""Plays one scenario of a game's page in Chromium, Firefox or WebKitGTK with Orca listening, on a private desktop of its own.

usage: [WEB_BROWSER=chromium|firefox|webkit] browser_run.py SITE_FOLDER SCENARIO OUTPUT_FOLDER

SITE_FOLDER is the built site (build/web/site); it is copied into the scenario's folder, where the
scenario may put its own word list, and served on 127.0.0.1. The scenario is scenario_<SCENARIO>
of browser_scenarios.py beside this file. The browser, Chromium unless WEB_BROWSER says firefox
(Firefox ESR) or webkit (WebKitGTK's MiniBrowser), starts on the site's first page before Orca does (Orca started first may stay in
"Loading. Please wait."), with a profile of its own, so the browser's storage starts empty.
OUTPUT_FOLDER/<scenario>/ keeps Orca's debug log, the browser's output and, on failure, a
screenshot.
"""

import functools
import http.server
import importlib
import os
import shutil
import sys
import threading
import traceback

PYTHON = "/usr/bin/python3"
PRIVATE_BUS_MARK = "WORD_GAMES_ORCA_BUS"
HERE = os.path.dirname(os.path.abspath(__file__))


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(folder):
    """Serves folder on a free port of 127.0.0.1 from a thread; returns the server."""
    handler = functools.partial(QuietHandler, directory=folder)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def start_orca(desktop):
    """Orca with its speech on, as a player has it, reaching no speech server (desktop.py).

    A page that loads is read whole ("say all") by default; with no speech server to report the
    reading's end, Orca would believe it still reading ever after and leave out the titles of the
    boxes that come. The players' reading ends; the scenarios' reading is left out."""
    desktop.start_screen_reader({"general": {"sayAllOnLoad": False},
                                 "profiles": {"default": {"profile": ["Default", "default"], "sayAllOnLoad": False}},
                                 "pronunciations": {}, "keybindings": {}})


def main():
    if len(sys.argv) != 4:
        print(__doc__, file=sys.stderr)
        return 2
    if os.environ.get(PRIVATE_BUS_MARK) != "1":
        os.environ[PRIVATE_BUS_MARK] = "1"
        os.execvp("dbus-run-session", ["dbus-run-session", "--", PYTHON, os.path.abspath(__file__)] + sys.argv[1:])

    sys.path.insert(0, HERE)
    from desktop import Desktop
    from browser_scenario import BrowserScenario

    site, name, output = os.path.abspath(sys.argv[1]), sys.argv[2], sys.argv[3]
    play = getattr(importlib.import_module("browser_scenarios"), "scenario_" + name)
    folder = os.path.join(os.path.abspath(output), name)
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    shutil.copytree(site, os.path.join(folder, "site"))

    desktop = Desktop(folder)
    server = None
    scenario = None
    passed = False
    try:
        desktop.start_without_screen_reader()
        server = serve(os.path.join(folder, "site"))
        browser = os.environ.get("WEB_BROWSER", "chromium")
        scenario = BrowserScenario(folder, desktop, "http://127.0.0.1:%d/" % server.server_address[1], browser)
        print("scenario %s in %s" % (name, browser), flush=True)
        play(scenario, lambda: start_orca(desktop))
        passed = True
    except Exception:
        traceback.print_exc()
        desktop.screenshot(os.path.join(folder, "screen.png"))
        print("scenario %s FAILED; Orca's log: %s, screenshot: %s" % (
            name, os.path.join(folder, "orca-debug.log"), os.path.join(folder, "screen.png")))
    finally:
        if scenario:
            scenario.stop()
        if server:
            server.shutdown()
        desktop.stop()
    if passed:
        print("scenario %s passed" % name)
    return 0 if passed else 1


if __name__ == "__main__":
    sys.exit(main())
