"""What a scenario does with a game: its files, the keys it presses, what Orca says and what the tree shows."""

import os
import re
import shutil
import subprocess
import threading
import time

from desktop import Desktop, ScenarioFailed

WORDS_FOLDER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "words")

# Utterances shown when a step fails: enough to see where the game went, not the whole log.
CONTEXT_UTTERANCES = 25
# A question the clock raised takes no key until no key has been pressed for half a second, so
# that keys typed for the word cannot answer it; a player answers once it has been read out.
QUESTION_DEAF_SECONDS = 0.5
# A fast typist's keys rolled one into the next: quicker than a quick typist's 80 ms between
# letters typed one by one, and far quicker than a keystroke is answered on a busy machine.
FAST_TYPIST_MS = 30
# What Orca says of a key as it is pressed: its name and a blank ("return ", "left alt ", "T ").
KEY_ECHO = re.compile(r"\S+( \S+)? ")


class Node:
    """One object of the accessibility tree, read once."""

    def __init__(self, accessible):
        import pyatspi
        self.accessible = accessible
        self.role = accessible.getRoleName()
        self.name = accessible.name or ""
        state_set = accessible.getState()
        self.states = {pyatspi.stateToString(state) for state in state_set.getStates()}

    def __repr__(self):
        return "[%s | %s] %s" % (self.role, self.name, " ".join(sorted(self.states)))


class Scenario:
    """A game copied into the scenario's folder (or as installed), played with real keys while Orca listens.

    A copy runs from <folder>/program, so its word list, cues and help are read beside it. Either
    way the game keeps its saved files in <folder>/data/<game>, the player's data folder of this
    scenario.
    """

    def __init__(self, program, data_files, folder, desktop: Desktop, command=None):
        """With a command (an installed game's command line), the game runs as installed, not copied."""
        self.game = os.path.basename(program)
        self.folder = folder
        self.desktop = desktop
        self.program_folder = os.path.join(folder, "program")
        self.data_home = os.path.join(folder, "data")
        self.saved_folder = os.path.join(self.data_home, self.game)
        os.makedirs(self.data_home)
        if command:
            self.command = command
        else:
            os.makedirs(self.program_folder)
            self.command = [os.path.join(self.program_folder, self.game)]
            shutil.copy2(program, self.command[0])
            for path in data_files:
                shutil.copy2(path, self.program_folder)
        self.process = None
        self._heard = 0  # utterances already matched or skipped

    # --- Files, before the game starts and after it ends.

    @staticmethod
    def words(list_name):
        with open(os.path.join(WORDS_FOLDER, list_name), "rb") as words:
            return words.read()

    def beside_program(self, name, content):
        """Puts a file beside the program; None removes it."""
        self._put(os.path.join(self.program_folder, name), content)

    def saved(self, name, content):
        """Puts a saved file in the player's data folder; None removes it."""
        self._put(os.path.join(self.saved_folder, name), content)

    @staticmethod
    def _put(path, content):
        if content is None:
            if os.path.exists(path):
                os.remove(path)
            return
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as file:
            file.write(content)

    def expect_saved(self, name, content):
        """The saved file holds exactly these bytes; None: there is no such file."""
        path = os.path.join(self.saved_folder, name)
        actual = None
        if os.path.exists(path):
            with open(path, "rb") as file:
                actual = file.read()
        if actual != content:
            raise ScenarioFailed("saved file %s: expected %r, found %r" % (name, content, actual))
        self.log("saved file %s holds %r" % (name, content))

    # --- The game.

    def start(self, title, environment=None):
        """Starts the game and gives its window, found by a caption matching title, the keyboard.
        environment adds variables for the game alone (a faked clock, say)."""
        environment = dict(os.environ, **(environment or {}))
        environment.update({
            "XDG_DATA_HOME": self.data_home,
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "QT_QPA_PLATFORM": "xcb",
        })
        log = open(os.path.join(self.folder, "game.log"), "w")
        self.process = subprocess.Popen(self.command, cwd=self.folder, env=environment,
                                        stdout=log, stderr=subprocess.STDOUT)
        window = self.window(title)
        self.give_keyboard(window)
        self.log("started %s, window %s" % (self.game, window))
        return window

    def give_keyboard(self, window, seconds=10):
        """Asks the window manager to activate the window and waits until one of the game's
        windows is active: a box the game shows over it at once may take the activation instead,
        as it takes the keyboard from a player."""
        deadline = time.monotonic() + seconds
        while True:
            subprocess.run(["xdotool", "windowactivate", window], capture_output=True, timeout=10)
            active = subprocess.run(["xdotool", "getactivewindow"], capture_output=True, text=True).stdout.strip()
            games = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.process.pid), "--name", ""],
                                   capture_output=True, text=True).stdout.split()
            if active and active in games:
                return
            if time.monotonic() > deadline:
                raise ScenarioFailed("the game's window %s never had the keyboard (active: %r)" % (window, active))
            time.sleep(0.1)

    def window(self, title, seconds=20):
        """The id of the game's visible window whose caption matches title."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            found = subprocess.run(
                ["xdotool", "search", "--onlyvisible", "--pid", str(self.process.pid), "--name", title],
                capture_output=True, text=True)
            ids = found.stdout.split()
            if ids:
                return ids[-1]
            if self.process.poll() is not None:
                raise ScenarioFailed("the game ended (exit code %d) before a window %r showed"
                                     % (self.process.returncode, title))
            time.sleep(0.1)
        raise ScenarioFailed("no window with a caption matching %r within %g s" % (title, seconds))

    def key(self, *keys):
        """Presses keys one after another, as xdotool names them: Tab, shift+Tab, Return, alt+o, h."""
        for key in keys:
            self.log("key " + key)
            *modifiers, last = key.split("+")
            # A chord is pressed as a player does, one key at a time with a moment between: the
            # game hands each key to the screen reader and waits for its answer before acting on
            # it, and keys sent all at once can overtake one another on that way.
            for modifier in modifiers:
                self._xdotool("keydown", modifier)
            self._xdotool("key", last)
            for modifier in reversed(modifiers):
                self._xdotool("keyup", modifier)
            time.sleep(0.15)

    @staticmethod
    def _xdotool(action, key):
        subprocess.run(["xdotool", action, key], check=True, timeout=10)
        time.sleep(0.08)

    def press_together(self, *keys):
        """Presses keys in one run, one every 30 ms, as a fast typist's fingers roll from one to the
        next: the keys after the first come while the game and the screen reader are still busy
        with it."""
        self.log("keys " + " ".join(keys) + " in one run")
        subprocess.run(["xdotool", "key", "--delay", str(FAST_TYPIST_MS)] + list(keys), check=True, timeout=10)

    def answer(self, key):
        """Answers a question the clock raised, as a player does once it has been read out."""
        time.sleep(QUESTION_DEAF_SECONDS)
        self.key(key)

    def type_until_alert(self, keys, title, after=2.0, every=0.08, seconds=30):
        """Presses keys in turn, one every so often (80 ms: a quick typist), as a player playing
        on, until a window with a caption matching title shows besides those of the game already
        there, and goes on for a while after it (two seconds), as a player does who has not taken
        it in yet and whose screen reader is still echoing the keys. The keys go through one
        xdotool that stays, and the window is looked for beside them, so that neither the start
        of a program nor the search parts two keys by more on a busy machine."""
        def shown():
            found = subprocess.run(
                ["xdotool", "search", "--onlyvisible", "--pid", str(self.process.pid), "--name", title],
                capture_output=True, text=True)
            return set(found.stdout.split())
        if self.nodes(lambda node: node.role == "alert"):
            raise ScenarioFailed("a box was there before the first key")
        there = shown()
        seen = []

        def watch():
            while not seen and time.monotonic() < deadline:
                if shown() - there:
                    seen.append(time.monotonic())
                time.sleep(0.05)
        deadline = time.monotonic() + seconds
        watcher = threading.Thread(target=watch, daemon=True)
        watcher.start()
        typist = subprocess.Popen(["xdotool", "-"], stdin=subprocess.PIPE, text=True)
        pressed, before = 0, None
        try:
            due = time.monotonic()
            while not seen or time.monotonic() < seen[0] + after:
                if not seen and time.monotonic() > deadline:
                    raise ScenarioFailed("no window %r within %g s of typing" % (title, seconds))
                if seen and before is None:
                    before = pressed
                typist.stdin.write("key %s\n" % keys[pressed % len(keys)])
                typist.stdin.flush()
                pressed += 1
                due += every
                time.sleep(max(0.0, due - time.monotonic()))
        finally:
            typist.stdin.close()
            typist.wait(timeout=10)
        self.log("pressed %d keys of %s until a window %r showed, and %d more in the %.1f s after"
                 % (before, " ".join(keys), title, pressed - before, after))

    def expect_question_waiting(self, title, question):
        """A Yes/No box read out, alert, question and default button, and still there once Orca
        is done, the game waiting for its answer."""
        self.hear("alert %s." % title, question, "Yes push button.")
        self.quiet()
        self.find("alert", title)
        if self.process.poll() is not None:
            raise ScenarioFailed("the game ended under the question")

    def type(self, text):
        self.log("type %r" % text)
        subprocess.run(["xdotool", "type", "--delay", "60", text], check=True, timeout=30)

    def expect_exit(self, code=0, seconds=20):
        try:
            actual = self.process.wait(timeout=seconds)
        except subprocess.TimeoutExpired:
            raise ScenarioFailed("the game was still running %g s after it should have ended" % seconds)
        if actual != code:
            raise ScenarioFailed("the game ended with exit code %d, expected %d" % (actual, code))
        self.log("the game ended with exit code %d" % actual)

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait()

    # --- What Orca says.

    def hear(self, *expected, seconds=10):
        """Waits until Orca has said each expected utterance, in this order, after what was heard
        before; each is an exact text or a compiled pattern that must match the whole utterance.
        Utterances in between are allowed. Returns the utterances matched."""
        matched = []
        for want in expected:
            deadline = time.monotonic() + seconds
            while True:
                spoken = self.desktop.orca_log.utterances()
                found = next((index for index in range(self._heard, len(spoken))
                              if self._matches(want, spoken[index])), None)
                if found is not None:
                    self._heard = found + 1
                    matched.append(spoken[found])
                    self.log("Orca said %r" % spoken[found])
                    break
                if time.monotonic() > deadline:
                    raise ScenarioFailed("Orca did not say %s within %g s; it said, latest last:\n  %s" % (
                        self._describe(want), seconds, "\n  ".join(repr(text) for text in spoken[-CONTEXT_UTTERANCES:])))
                time.sleep(0.05)
        return matched

    def hear_next(self, expected, seconds=10):
        """Like hear, but the expected utterance must be the very next one Orca says."""
        deadline = time.monotonic() + seconds
        while True:
            spoken = self.desktop.orca_log.utterances()
            if len(spoken) > self._heard:
                said = spoken[self._heard]
                if not self._matches(expected, said):
                    raise ScenarioFailed("Orca said %r where %s was expected next" % (said, self._describe(expected)))
                self._heard += 1
                self.log("Orca said %r" % said)
                return said
            if time.monotonic() > deadline:
                raise ScenarioFailed("Orca said nothing more within %g s; %s was expected" % (
                    seconds, self._describe(expected)))
            time.sleep(0.05)

    def hear_first(self, expected, allowed=(), seconds=10):
        """Like hear, but before the expected utterance Orca may have said only key echoes and the
        allowed utterances, since what was heard before."""
        start = self._heard
        said = self.hear(expected, seconds=seconds)[0]
        before = [text for text in self.desktop.orca_log.utterances()[start:self._heard - 1]
                  if not KEY_ECHO.fullmatch(text) and text not in allowed]
        if before:
            raise ScenarioFailed("Orca said %r before %r" % (before, said))
        return said

    def quiet(self, seconds=1.0, unsaid=()):
        """Waits for Orca to fall silent for the given time, then forgets what it said so far.
        Fails if it said any of unsaid (texts or patterns) after what was heard before."""
        last = -1
        deadline = time.monotonic() + 15
        while time.monotonic() < deadline:
            count = len(self.desktop.orca_log.utterances())
            if count == last:
                break
            last = count
            time.sleep(seconds)
        spoken = self.desktop.orca_log.utterances()
        repeated = [text for text in spoken[self._heard:] if any(self._matches(want, text) for want in unsaid)]
        if repeated:
            raise ScenarioFailed("Orca went on to say %r" % repeated)
        self._heard = len(spoken)

    def heard_since_quiet(self):
        return self.desktop.orca_log.utterances()[self._heard:]

    @staticmethod
    def _matches(want, said):
        if isinstance(want, re.Pattern):
            return want.fullmatch(said) is not None
        return want == said

    @staticmethod
    def _describe(want):
        return "something matching /%s/" % want.pattern if isinstance(want, re.Pattern) else repr(want)

    # --- The accessibility tree.

    def application(self):
        import pyatspi
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            application = desktop.getChildAtIndex(index)
            try:
                if application is not None and application.get_process_id() == self.process.pid:
                    return application
            except Exception:
                continue
        raise ScenarioFailed("the game is not on the accessibility bus")

    def nodes(self, predicate=None):
        """Every object of the game's showing windows that the predicate accepts, in tree order."""
        from gi.repository import GLib
        found = []

        def walk(accessible, depth):
            if accessible is None or depth > 30:
                return
            # An object the game takes away while the walk reads the tree (a box closing, a control
            # replaced) is no longer showing: it is passed over, as a later read would not find it.
            try:
                node = Node(accessible)
                if depth > 1 and "showing" not in node.states:
                    return
                children = [accessible.getChildAtIndex(index) for index in range(accessible.childCount)]
            except GLib.GError:
                return
            if predicate is None or predicate(node):
                found.append(node)
            for child in children:
                walk(child, depth + 1)

        walk(self.application(), 0)
        return found

    def focused(self, seconds=5):
        """The object that holds the keyboard focus."""
        deadline = time.monotonic() + seconds
        while True:
            nodes = self.nodes(lambda node: "focused" in node.states)
            if nodes:
                return nodes[-1]
            if time.monotonic() > deadline:
                raise ScenarioFailed("nothing in the game has the focus")
            time.sleep(0.1)

    def expect_focus(self, role, name, seconds=5):
        """Waits until the focus is on an object of this role and name (text or pattern)."""
        deadline = time.monotonic() + seconds
        while True:
            node = self.focused()
            if node.role == role and self._matches(name, node.name):
                self.log("focus on %r" % node)
                return node
            if time.monotonic() > deadline:
                raise ScenarioFailed("the focus is on %r, expected [%s | %s]" % (node, role, self._describe(name)))
            time.sleep(0.1)

    def find(self, role, name):
        nodes = self.nodes(lambda node: node.role == role and self._matches(name, node.name))
        if not nodes:
            raise ScenarioFailed("no showing [%s | %s] in the game" % (role, self._describe(name)))
        return nodes[0]

    # --- The record.

    def screenshot(self, name):
        """Saves the screen as <folder>/shots/<name>.png."""
        folder = os.path.join(self.folder, "shots")
        os.makedirs(folder, exist_ok=True)
        self.desktop.screenshot(os.path.join(folder, name + ".png"))

    def log(self, text):
        print("  " + text, flush=True)

    def step(self, text):
        print("step: " + text, flush=True)
