"""What a scenario does with a game's page in Chromium, Firefox or WebKitGTK: its site files, the keys it presses and what Orca says."""

import json
import os
import subprocess
import sys
import time

from desktop import ScenarioFailed
from scenario import Scenario, WORDS_FOLDER

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "common", "web"))
import pack_site_file  # noqa: E402  (the site's own packer, beside its build)

# A fresh Firefox profile shows the page and nothing of its own: no first-run or what's-new
# pages, no default-browser question, no telemetry notice, no restored session, no translation
# offer; its accessibility is never turned off, and a page may play its cues before the first key,
# as Chromium is told for the scenarios.
FIREFOX_PREFERENCES = {
    "browser.shell.checkDefaultBrowser": False,
    "browser.startup.homepage_override.mstone": "ignore",
    "browser.startup.upgradeDialog.enabled": False,
    "browser.aboutwelcome.enabled": False,
    "startup.homepage_welcome_url": "",
    "startup.homepage_welcome_url.additional": "",
    "datareporting.policy.dataSubmissionEnabled": False,
    "datareporting.policy.firstRunURL": "",
    "datareporting.healthreport.uploadEnabled": False,
    "toolkit.telemetry.reportingpolicy.firstRun": False,
    "toolkit.telemetry.enabled": False,
    "browser.sessionstore.resume_from_crash": False,
    "browser.translations.automaticallyPopup": False,
    "browser.tabs.warnOnClose": False,
    # A new browser loads its new-tab page in the background a few seconds after its first page;
    # Orca reads that page's loading as it comes, and may take the game's page's focus silently.
    "browser.newtab.preload": False,
    "accessibility.force_disabled": 0,
    "media.autoplay.default": 0,
}

# WebKitGTK's small browser, from Debian's webkit2gtk-driver.
MINI_BROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"


class BrowserScenario(Scenario):
    """The site served from <folder>/site, the browser (chromium, firefox or webkit) showing it in a window of its own.

    The keys, the typing and what Orca says work as for the Linux games (Scenario); the program
    is the browser, whose own profile lives in <folder>/profile.
    """

    def __init__(self, folder, desktop, address, browser="chromium"):
        if browser not in ("chromium", "firefox", "webkit"):
            raise ScenarioFailed("no browser %r: chromium, firefox or webkit" % browser)
        self.folder = folder
        self.desktop = desktop
        self.address = address
        self.browser = browser
        self.site_folder = os.path.join(folder, "site")
        self.process = None
        self._heard = 0

    def site_file(self, path, content):
        """Puts a file into the served site (a word list, say); None removes it. A word list
        (NAME.dll) or the program (GAME.wasm), named as the game reads it, goes in packed, as the
        site's build packs it."""
        if path.endswith(".dll"):
            path, content = path[:-len(".dll")] + ".words", content if content is None else pack_site_file.pack(content)
        elif path.endswith(".wasm"):
            path, content = path + ".packed", content if content is None else pack_site_file.deflate(content)
        self._put(os.path.join(self.site_folder, path), content)

    @staticmethod
    def words(list_name):
        with open(os.path.join(WORDS_FOLDER, list_name), "rb") as words:
            return words.read()

    def open_browser(self, page, title):
        """Starts the browser on a page of the site and waits for its window, captioned like title."""
        log = open(os.path.join(self.folder, self.browser + ".log"), "w")
        profile = os.path.join(self.folder, "profile")
        environment = None
        if self.browser == "chromium":
            command = ["chromium", "--no-sandbox", "--no-first-run", "--no-default-browser-check", "--disable-gpu",
                       "--force-renderer-accessibility", "--autoplay-policy=no-user-gesture-required",
                       "--user-data-dir=" + profile, "--window-size=1000,750",
                       "--app=" + self.address + page]
        elif self.browser == "webkit":
            # WebKitGTK's own small browser: its storage, cache and settings in the profile folder.
            command = [MINI_BROWSER, "--autoplay-policy=allow", self.address + page]
            environment = dict(os.environ, **{name: os.path.join(profile, folder) for name, folder in
                                              (("XDG_DATA_HOME", "data"), ("XDG_CACHE_HOME", "cache"),
                                               ("XDG_CONFIG_HOME", "config"))})
        else:
            os.makedirs(profile, exist_ok=True)
            with open(os.path.join(profile, "user.js"), "w") as preferences:
                for name, value in FIREFOX_PREFERENCES.items():
                    preferences.write("user_pref(%s, %s);\n" % (json.dumps(name), json.dumps(value)))
            command = ["firefox-esr", "-profile", profile, "-no-remote", "-new-window", self.address + page]
            # Firefox serves the accessibility bus only when it sees a screen reader wanted; Orca
            # starts after it, so it is told at once, as Chromium is by its switch.
            environment = dict(os.environ, GNOME_ACCESSIBILITY="1", MOZ_CRASHREPORTER_DISABLE="1")
        self.process = subprocess.Popen(command, stdout=log, stderr=subprocess.STDOUT, env=environment)
        self.game = self.browser
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

    def hear_right_after_typing(self, typed, *expected, seconds=10):
        """Hears the expected utterances in order and nothing else since what was heard before,
        but for the echo of the letters just typed, which Orca may still be speaking after the
        key that followed them."""
        start = self._heard
        matched = self.hear(*expected, seconds=seconds)
        spoken = self.desktop.orca_log.utterances()[start:self._heard]
        echo = lambda text: len(text.strip()) == 1 and text.strip() in typed
        others = [text for text in spoken if text not in matched and not echo(text)]
        if others:
            raise ScenarioFailed("Orca also said %r before %r" % (others, list(expected)))
        return matched

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
