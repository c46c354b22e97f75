"""What a scenario does with a game's page in Chromium: its site files, the keys it presses and what Orca says."""

import os
import subprocess
import time

from desktop import ScenarioFailed
from scenario import Scenario, WORDS_FOLDER


class BrowserScenario(Scenario):
    """The site served from <folder>/site, Chromium showing it in a window of its own.

    The keys, the typing and what Orca says work as for the Linux games (Scenario); the program
    is Chromium, whose own profile lives in <folder>/profile.
    """

    def __init__(self, folder, desktop, address):
        self.folder = folder
        self.desktop = desktop
        self.address = address
        self.site_folder = os.path.join(folder, "site")
        self.process = None
        self._heard = 0

    def site_file(self, path, content):
        """Puts a file into the served site (a word list, say); None removes it."""
        self._put(os.path.join(self.site_folder, path), content)

    @staticmethod
    def words(list_name):
        with open(os.path.join(WORDS_FOLDER, list_name), "rb") as words:
            return words.read()

    def open_browser(self, page, title):
        """Starts Chromium on a page of the site and waits for its window, captioned like title."""
        log = open(os.path.join(self.folder, "chromium.log"), "w")
        self.process = subprocess.Popen(
            ["chromium", "--no-sandbox", "--no-first-run", "--no-default-browser-check", "--disable-gpu",
             "--force-renderer-accessibility", "--autoplay-policy=no-user-gesture-required",
             "--user-data-dir=" + os.path.join(self.folder, "profile"), "--window-size=1000,750",
             "--app=" + self.address + page],
            stdout=log, stderr=subprocess.STDOUT)
        self.game = "chromium"
        return self.window(title, seconds=40)

    def activate(self, window):
        subprocess.run(["xdotool", "windowactivate", "--sync", window], check=True, timeout=10)

    def hear_once(self, *expected, seconds=10, settle=1.5):
        """Hears the utterances in order, then none of them again in the next moments: a message
        read twice is a fault a player meets."""
        matched = self.hear(*expected, seconds=seconds)
        time.sleep(settle)
        later = self.desktop.orca_log.utterances()[self._heard:]
        for text in matched:
            if text in later:
                raise ScenarioFailed("Orca said %r twice; after it: %r" % (text, later))
        return matched

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
