"""Pebblix played by keyboard while Orca listens: what it says, what the tree shows, what is saved."""

import os
import re
import signal
import subprocess
import time
from collections import Counter

from desktop import ScenarioFailed, on_busy_desktop
from sound_servers import RecordingSoundServer, SilentSoundServer

# The only word of five letters or more in the scenarios' dictionary, so it is dealt every time.
DEALT = "planets"
WORDS = "pebblix-planets.txt"

WELCOME = "Welcome to Pebblix! Do you want instructions?"
INSTRUCTIONS = (
    "When the game begins, you will be given a word. You must find another word contained in that "
    "word before your time expires. For instance, if the word is computer, you could use the word "
    "'put' or 'con' and so on. Depending on the length of the word you come up with, you are given a "
    "certain number of points. If the length of your word is three characters, you will be given "
    "three points. If the length is four characters, you get four points, and so on. If your time "
    "expires and you have not yet found a valid word, its curtains! At first, you have fifteen "
    "seconds to come up with a word. Every hundred points you receive, this time decreases until it "
    "reaches a minimum of five seconds. You can only use one or two letter words a maximum of ten "
    "times, so use them sparingly!")
ABOUT = ("Pebblix version 1.0\nCopyright (C) 2026 Lanternfold Games\n"
         "Support: support@lanternfold.example.org\nWeb: https://lanternfold.example.org/")
# The word box is read text first: the word, then its label; the tree shows it as a paragraph.
WORD_LABEL = "Given word:"
# libfaketime, from Debian's faketime package: every clock of the game runs at a fifth of the pace, so
# that a round's fifteen seconds last over a minute: the menus' steps, taken one after another on a
# busy machine, take longer than one round, whose end is another scenario's.
SLOW_CLOCK = {
    "LD_PRELOAD": "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1",
    "FAKETIME": "+0 x0.2",
    "FAKETIME_NO_CACHE": "1",
}
WORD_BOX_ROLE = "paragraph"
GUESS_BOX = "Word: text."
# Where the installed game's dictionary is.
INSTALLED_DICTIONARY = "/usr/share/games/pebblix/mswnby32.dll"
# A word's fifteen seconds, with room for a busy machine.
FIRST_ROUND_SECONDS = 15
ROUND_SECONDS = 25


def accepted(points, total):
    return ("Nice work! You earned %d points and now have a total of  %dpoints! Get ready for the next word!"
            % (points, total))


def alt_keys(s, *keys):
    """Keys held with Alt, pressed once Orca has caught up with what went before."""
    s.quiet(0.5)
    s.key(*keys)


def start(s, instructions=False, environment=None):
    """The welcome question and, on Yes, the instructions; then the window with the word read."""
    s.start(r"^Pebblix$", environment)
    s.hear("alert Pebblix.", WELCOME, "Yes push button.")
    if instructions:
        s.key("y")
        s.hear("alert Pebblix.", INSTRUCTIONS, "OK push button.")
        s.key("Return")
    else:
        s.key("n")
    expect_word_read(s)


def expect_word_read(s, window="Pebblix frame."):
    """The focus back in the word box with the dealt word heard first: before it nothing but the
    window's name, as the game window comes back; after it the box's label; the word once."""
    s.hear_first(DEALT + ".", allowed=(window,))
    s.hear_next(WORD_LABEL)
    s.quiet(unsaid=(re.compile(".*%s.*" % DEALT),))
    s.expect_focus(WORD_BOX_ROLE, "")
    if s.find("text", "Word:").accessible.queryText().getText(0, -1) != "":
        raise ScenarioFailed("the guess box is not empty when a word is dealt")


def word_box_text(s):
    return s.find(WORD_BOX_ROLE, "").accessible.queryText().getText(0, -1)


def sounds_item(s, seconds=5):
    """The Sounds item of the open Options menu, as the tree shows it."""
    deadline = time.monotonic() + seconds
    while True:
        items = s.nodes(lambda node: node.role == "menu item" and node.name == "Sounds")
        if items:
            return items[0]
        if time.monotonic() > deadline:
            raise ScenarioFailed("the Options menu does not show its Sounds item")
        time.sleep(0.1)


def guess_box(s):
    """The guess box's text and its selection, as the screen reader reads them."""
    text = s.find("text", "Word:").accessible.queryText()
    selection = text.getSelection(0) if text.getNSelections() else None
    return text.getText(0, -1), selection


def type_guess(s, typed):
    """Alt+W from wherever the focus is, then the guess typed into the guess box."""
    alt_keys(s, "alt+w")
    s.hear(GUESS_BOX)
    s.type(typed)


def answer_report(s, points, total):
    """The report of an accepted guess, OK, and the next word read."""
    s.hear("alert Pebblix.", accepted(points, total), "OK push button.")
    s.key("Return")
    expect_word_read(s)


def scenario_guess(s):
    """The instructions, a refused guess, two accepted ones with their reports, the window's keys, Exit."""
    s.beside_program("mswnby32.dll", s.words(WORDS))

    s.step("Yes to the welcome gives the instructions; then the word is read, the focus in its box")
    start(s, instructions=True)

    s.step("a refused guess: trimmed and lower-cased, all of it selected, the focus stays in the guess box")
    type_guess(s, "  PLANET ")
    s.key("Return")
    s.quiet()
    s.expect_focus("text", "Word:")
    if guess_box(s) != ("planet", (0, 6)):
        raise ScenarioFailed("after the refusal the guess box holds %r" % (guess_box(s),))
    if word_box_text(s) != DEALT:
        raise ScenarioFailed("a refused guess changed the word")
    # Orca takes the new text as the guess box's selection; its Where Am I (KP_Enter) reads it.
    if not any("New selection for [text | Word:] is 'planet' (0, 6)" in line for line in s.desktop.orca_log.lines()):
        raise ScenarioFailed("Orca did not take 'planet' as the guess box's selection")
    s.key("KP_Enter")
    s.hear(GUESS_BOX, "planet selected.")

    s.step("the next keys replace the selected guess; moving by words to its end, the game answers on")
    s.type("  Tap ")
    s.key("BackSpace")
    s.hear("backspace ", " ")
    s.key("ctrl+Left")
    s.hear("Tap")
    s.key("ctrl+Right")
    if guess_box(s)[0] != "  Tap":
        raise ScenarioFailed("after Backspace the guess box holds %r" % (guess_box(s)[0],))
    # Asked for the word at the end of a box's text, Qt 6.4 itself would loop for ever here.

    s.step("Enter checks the guess: accepted, reported, the next word read")
    s.key("Return")
    answer_report(s, 3, 3)

    s.step("Enter in the word box presses Check it!: the empty guess is refused into the guess box")
    s.key("Return")
    s.hear(GUESS_BOX)
    s.expect_focus("text", "Word:")

    s.step("Alt+W in the guess box selects all of the guess, so the next word typed replaces it")
    s.type("pla")
    alt_keys(s, "alt+w")
    s.hear_first("pla")
    s.hear_next("selected")
    if guess_box(s) != ("pla", (0, 3)):
        raise ScenarioFailed("after Alt+W the guess box holds %r" % (guess_box(s),))

    s.step("a second guess sent with Alt+C adds to the total")
    s.type("sent")
    alt_keys(s, "alt+c")
    answer_report(s, 4, 7)

    s.step("Tab goes word box, guess box, Check it!, around; Shift+Tab goes back")
    s.key("Tab")
    s.hear_next("tab ")
    s.hear_next(GUESS_BOX)
    s.key("Tab")
    s.hear("Check it! push button.")
    s.step("Tab into the word box reads the word once, selected, then its label; leaving it says no more")
    s.key("Tab")
    s.hear_first(DEALT + " selected.")
    s.hear_next(WORD_LABEL)
    s.key("shift+Tab")
    s.hear_first("Check it! push button.")

    s.step("on the button, W alone goes to the guess box, as a Windows dialog takes an access key")
    s.key("w")
    s.hear(GUESS_BOX)
    s.expect_focus("text", "Word:")

    s.step("Esc does nothing")
    s.key("Escape")
    s.quiet()
    s.expect_focus("text", "Word:")
    if s.nodes(lambda node: node.role == "alert"):
        raise ScenarioFailed("Esc opened a box")

    s.step("Exit from the File menu ends the game, saving the sounds setting and no score")
    alt_keys(s, "alt+f")
    s.hear("New Game Ctrl+N.")
    s.key("x")
    s.expect_exit(0)
    s.expect_saved("pebblixoptions.dat", b"#TRUE#\r\n")
    s.expect_saved("pebblixscor.dat", None)


def scenario_menus(s):
    """Sounds' check mark from a saved setting and switched, New Game's report, F10, About, the session's end."""
    s.beside_program("mswnby32.dll", s.words(WORDS))
    s.saved("pebblixoptions.dat", b"#FALSE#\r\n")
    s.saved("pebblixscor.dat", b" 9 \r\n")
    start(s, environment=SLOW_CLOCK)

    s.step("the saved setting leaves Sounds unchecked")
    alt_keys(s, "alt+o")
    s.hear("Sounds.")
    if "checked" in sounds_item(s).states:
        raise ScenarioFailed("Sounds is checked with sounds saved off")

    s.step("S switches sounds on: the menu closes, the word box is read, Sounds shows checked")
    s.key("s")
    expect_word_read(s, window=None)
    alt_keys(s, "alt+o")
    s.hear("Sounds checked.")
    if "checked" not in sounds_item(s).states:
        raise ScenarioFailed("Sounds is not checked after S switched sounds on")
    s.step("Esc closes the menu, leaving the menu bar active, as on Windows; a second Esc leaves it")
    s.key("Escape")
    s.hear("Options.")
    s.key("Escape")
    expect_word_read(s, window=None)

    s.step("a guess of 4 points")
    type_guess(s, "pant")
    s.key("Return")
    answer_report(s, 4, 4)

    s.step("Ctrl+N reports the abandoned game's score and starts a new game")
    s.key("ctrl+n")
    s.hear("alert Pebblix.", "New game started. You ended your previous game with 4 points.", "OK push button.")
    s.key("Return")
    expect_word_read(s)

    s.step("F10 opens the File menu; Esc and Esc give the keyboard back to the word box")
    s.quiet(0.5)
    s.key("F10")
    s.hear("File.")
    s.key("Escape")
    s.quiet(0.5)
    s.key("Escape")
    expect_word_read(s, window=None)

    s.step("About from the Help menu; OK gives the focus back to the guess box the player left")
    alt_keys(s, "alt+w")
    s.hear(GUESS_BOX)
    alt_keys(s, "alt+h")
    s.hear("Contents F1.")
    s.key("a")
    s.hear("alert About Pebblix.", ABOUT, "OK push button.")
    s.key("Return")
    s.hear("Pebblix frame.", GUESS_BOX)
    s.expect_focus("text", "Word:")

    s.step("a guess typed straight after the box's OK, as a fast typist does, reaches the guess box whole")
    alt_keys(s, "alt+h", "a")
    s.hear("alert About Pebblix.", ABOUT, "OK push button.")
    s.press_together("Return", "t", "a", "p")
    expect_guess_typed(s, "tap")
    # What Orca says of the way back depends on the race the letters run with it: handed a letter
    # before the news of the window or of its focus, it takes them from the letter, and says the
    # letter's echo in their place. The box that closed is never read again.
    s.quiet(1.0, unsaid=("alert About Pebblix.", ABOUT))

    s.step("so is a letter with the window manager too busy to give the keyboard back: the box gives it back itself")
    alt_keys(s, "alt+h", "a")
    s.hear("alert About Pebblix.", ABOUT, "OK push button.")
    with s.desktop.window_manager_busy():
        s.press_together("Return", "s")
        expect_guess_typed(s, "taps")
        s.quiet(1.0, unsaid=("alert About Pebblix.", ABOUT))
    alt_keys(s, "alt+h", "a")
    s.hear("alert About Pebblix.", ABOUT, "OK push button.")

    s.step("the end of the session under the About box unloads the window: the setting is saved, the score kept")
    s.process.send_signal(signal.SIGTERM)
    s.expect_exit(0)
    s.expect_saved("pebblixoptions.dat", b"#TRUE#\r\n")
    s.expect_saved("pebblixscor.dat", b" 9 \r\n")


def scenario_letters_after_ok(s):
    """A fast typist's keys, one every 30 ms straight after the Return that answers a box, reach the
    window beneath whole after every kind of box: About's, a report's, New Game's; each box is
    read once, and each guess so typed scores."""
    s.beside_program("mswnby32.dll", s.words(WORDS))
    start(s, environment=SLOW_CLOCK)
    alt_keys(s, "alt+w")
    s.hear(GUESS_BOX)

    s.step("About's OK, then a guess typed at once: it reaches the guess box whole and scores")
    alt_keys(s, "alt+h", "a")
    s.hear("alert About Pebblix.", ABOUT, "OK push button.")
    s.press_together("Return", "p", "a", "n", "t")
    expect_guess_typed(s, "pant")
    s.quiet(1.0, unsaid=("alert About Pebblix.", ABOUT))
    s.key("Return")
    s.hear("alert Pebblix.", accepted(4, 4), "OK push button.")

    total = 4
    for guess in ("net", "tap"):
        s.step("the report's OK, then Alt+W and %s at once: the next word's guess box holds it, and it scores" % guess)
        s.press_together("Return", "alt+w", *guess)
        expect_guess_typed(s, guess)
        s.quiet(1.0, unsaid=(accepted(len(guess), total),))
        total += len(guess)
        s.key("Return")
        s.hear("alert Pebblix.", accepted(len(guess), total), "OK push button.")

    s.step("New Game's report after the last one's OK, and its own OK, then a guess at once: the new game takes it")
    s.key("Return")
    expect_word_read(s)
    alt_keys(s, "ctrl+n")
    s.hear("alert Pebblix.", "New game started. You ended your previous game with %d points." % total, "OK push button.")
    s.press_together("Return", "alt+w", "s", "a", "t")
    expect_guess_typed(s, "sat")
    s.quiet(1.0, unsaid=("New game started. You ended your previous game with %d points." % total,))
    s.key("Return")
    s.hear("alert Pebblix.", accepted(3, 3), "OK push button.")


def expect_guess_typed(s, guess):
    """The guess box comes to hold guess, typed straight after a box's OK."""
    deadline = time.monotonic() + 5
    while guess_box(s)[0] != guess:
        if time.monotonic() > deadline:
            raise ScenarioFailed("the guess box holds %r, not the letters typed after OK" % (guess_box(s)[0],))
        time.sleep(0.1)


def scenario_time_up(s):
    """A word's time running out twice: a beaten best score saved, Yes; then, under the About box, No."""
    s.beside_program("mswnby32.dll", s.words(WORDS))
    start(s)
    type_guess(s, "tap")
    s.key("Return")
    answer_report(s, 3, 3)

    s.step("the next word's fifteen seconds run out: a beaten best score, saved before the question")
    s.hear("alert Pebblix.",
           "Times up! Sorry, you lose! Your final score was  3. It took you 1 words, so your average score "
           "per word is 3. You beat your old high score, which was 0! Play again?",
           "Yes push button.", seconds=ROUND_SECONDS)
    s.expect_saved("pebblixscor.dat", b" 3 \r\n")

    s.step("Esc does not answer the question")
    s.answer("Escape")
    s.quiet()
    s.find("alert", "Pebblix")

    s.step("Yes starts a new game")
    s.key("Return")
    expect_word_read(s)

    s.step("the round runs on under the About box and ends there, as on Windows")
    alt_keys(s, "alt+h", "a")
    s.hear("alert About Pebblix.", ABOUT, "OK push button.")
    s.hear("alert Pebblix.",
           "Times up! Sorry, you lose! Your final score was  0. It took you 0 words, so your average score "
           "per word is 0. You did not beat your high score of 3. Play again?",
           "Yes push button.", seconds=ROUND_SECONDS)

    s.step("No, once the question has been up long enough to take keys, ends the game: the setting is "
           "saved, the best score kept")
    s.answer("n")
    s.expect_exit(0)
    s.expect_saved("pebblixoptions.dat", b"#TRUE#\r\n")
    s.expect_saved("pebblixscor.dat", b" 3 \r\n")


def scenario_time_allowed(s):
    """Time Allowed: the submenu read with its check mark, Twice As Long picked by its key, a new
    game whose word has thirty seconds, the choice saved and read back at the next start."""
    s.beside_program("mswnby32.dll", s.words(WORDS))
    s.saved("pebblixscor.dat", b" 9 \r\n")
    start(s)

    s.step("the Options menu has Time Allowed after Sounds; its items are read, Standard checked")
    alt_keys(s, "alt+o")
    s.hear("Sounds checked.")
    s.key("Down")
    s.hear_next("Time Allowed.")
    s.key("Right")
    s.hear("Standard checked.")
    s.key("Down")
    s.hear("Twice As Long.")
    checked = s.nodes(lambda node: "checked" in node.states)
    if [node.name for node in checked] != ["Sounds", "Standard"]:
        raise ScenarioFailed("checked items: %r" % checked)

    s.step("Enter picks Twice As Long: the game ends as New Game ends it, reported, and a new one starts")
    s.key("Return")
    s.hear("alert Pebblix.", "New game started. You ended your previous game with 0 points.", "OK push button.")
    # The new game's word is dealt as the report closes.
    dealt = time.monotonic()
    s.key("Return")
    expect_word_read(s)

    s.step("the word's time is thirty seconds: no question after fifteen, the question after thirty")
    time.sleep(max(0.0, dealt + FIRST_ROUND_SECONDS + 5 - time.monotonic()))
    if s.nodes(lambda node: node.role == "alert"):
        raise ScenarioFailed("the game ended within %d s of a word dealt with thirty" % (FIRST_ROUND_SECONDS + 5))
    s.hear("alert Pebblix.",
           "Times up! Sorry, you lose! Your final score was  0. It took you 0 words, so your average score "
           "per word is 0. You did not beat your high score of 0. Play again?",
           "Yes push button.", seconds=ROUND_SECONDS)
    if time.monotonic() - dealt < 2 * FIRST_ROUND_SECONDS:
        raise ScenarioFailed("the word's time ran out %.1f s after it was dealt" % (time.monotonic() - dealt))

    s.step("No ends the game: the setting saved in a file of its own, the Standard files as they were")
    s.answer("n")
    s.expect_exit(0)
    s.expect_saved("pebblixtime.dat", b"2\r\n")
    s.expect_saved("pebblixoptions.dat", b"#TRUE#\r\n")
    s.expect_saved("pebblixscor.dat", b" 9 \r\n")
    s.expect_saved("pebblixscor2.dat", None)

    s.step("the next start reads it back: Twice As Long checked")
    start(s)
    alt_keys(s, "alt+o", "t")
    s.hear("Standard.")
    s.key("Down")
    s.hear("Twice As Long checked.")
    s.key("Escape", "Escape")
    s.hear("Options.")
    s.key("Escape")
    expect_word_read(s, window=None)
    alt_keys(s, "alt+f", "x")
    s.expect_exit(0)
    s.expect_saved("pebblixtime.dat", b"2\r\n")


def scenario_type_ahead(s):
    """A guess typed on as the round runs out and for two seconds after: its letters and Enter
    never answer "Play again?", which stays and is read out; answered after a pause, once
    heard, No ends the game."""
    s.beside_program("mswnby32.dll", s.words(WORDS))
    s.start(r"^Pebblix$")
    s.hear("alert Pebblix.", WELCOME, "Yes push button.")
    s.key("n")
    # The round's time runs from the deal, a moment before the word is read; however busy the
    # machine, the typing starts a few seconds before the end.
    s.hear_first(DEALT + ".", allowed=("Pebblix frame.",))
    dealt = time.monotonic()
    s.hear_next(WORD_LABEL)
    alt_keys(s, "alt+w")
    s.hear(GUESS_BOX)

    s.step("n and Enter typed on, one every 80 ms, from the round's last seconds until two seconds "
           "after the question shows")
    time.sleep(max(0.0, dealt + FIRST_ROUND_SECONDS - 4 - time.monotonic()))
    s.type_until_alert(["n", "Return"], r"^Pebblix$")

    s.step("the question is still there, read out, and the game waits for its answer")
    s.expect_question_waiting(
        "Pebblix", "Times up! Sorry, you lose! Your final score was  0. It took you 0 words, so your average "
        "score per word is 0. You did not beat your high score of 0. Play again?")

    s.step("n, pressed after a pause, once the question is heard, answers No: the game ends")
    s.answer("n")
    s.expect_exit(0)
    s.expect_saved("pebblixscor.dat", None)


def scenario_missing_dictionary(s):
    """No dictionary anywhere: the player is told where it was looked for, then the game ends, saving nothing."""
    s.beside_program("mswnby32.dll", None)
    s.start(r"^Error$")
    s.hear("alert Error.",
           re.compile(r"Pebblix cannot read its dictionary, the file mswnby32\.dll\. It looked for it here:\n"
                      r"/\S+/share/games/pebblix/mswnby32\.dll\n/\S+/program/mswnby32\.dll\n"
                      r"The program will now exit\."),
           "OK push button.")
    s.key("Return")
    s.expect_exit(0)
    s.expect_saved("pebblixoptions.dat", None)
    s.expect_saved("pebblixscor.dat", None)


@on_busy_desktop(bus_address_delay=2)
def scenario_start_on_busy_desktop(s):
    """The desktop slow to give the accessibility bus's address: the welcome question, shown as the
    game starts, is heard all the same, and play goes on."""
    s.beside_program("mswnby32.dll", s.words(WORDS))
    start(s)


def an_answer(word, dictionary_path):
    """The longest word of the installed dictionary that the game accepts for word: shorter than
    it, made of its letters, and not the word less a final s, er, ed or es."""
    with open(dictionary_path, "rb") as dictionary:
        entries = dictionary.read().decode("ascii", "replace").split()
    stems = {word[:-len(ending)] for ending in ("s", "er", "ed", "es") if word.endswith(ending)}
    letters = Counter(word)
    answers = [entry for entry in entries
               if 3 <= len(entry) < len(word) and entry not in stems and not Counter(entry) - letters]
    if not answers:
        raise ScenarioFailed("the installed dictionary has no answer for %r" % word)
    return max(answers, key=len)


def installed_check(s):
    """The installed game started from its desktop entry: the welcome box, its own dictionary dealt
    and read, one accepted guess, the word's time run out with the best score saved, and No."""
    s.start(r"^Pebblix$")
    s.hear("alert Pebblix.", WELCOME, "Yes push button.")
    s.key("n")
    word = s.hear_first(re.compile(r"[a-z]{5,}\."), allowed=("Pebblix frame.",))[:-1]
    s.hear_next(WORD_LABEL)
    s.expect_focus(WORD_BOX_ROLE, "")
    guess = an_answer(word, INSTALLED_DICTIONARY)
    s.step("%r for %r" % (guess, word))
    type_guess(s, guess)
    s.key("Return")
    points = len(guess)
    s.hear("alert Pebblix.", accepted(points, points), "OK push button.")
    s.key("Return")
    s.hear_first(re.compile(r"[a-z]{5,}\."), allowed=("Pebblix frame.",))
    s.hear_next(WORD_LABEL)
    s.hear("alert Pebblix.", re.compile(r"Times up! .* You beat your old high score, which was 0! Play again\?"),
           "Yes push button.", seconds=ROUND_SECONDS)
    s.answer("n")
    s.expect_exit(0)
    s.expect_saved("pebblixscor.dat", b" %d \r\n" % points)
    s.expect_saved("pebblixoptions.dat", b"#TRUE#\r\n")


def scenario_demo(s):
    """A few steps of play for tools/demo.sh, each on a screenshot."""
    s.beside_program("mswnby32.dll", s.words(WORDS))
    s.start(r"^Pebblix$")
    s.hear("alert Pebblix.", WELCOME, "Yes push button.")
    s.screenshot("1-welcome")
    s.key("n")
    expect_word_read(s)
    s.screenshot("2-word-given")
    type_guess(s, "pant")
    s.screenshot("3-guess-typed")
    s.key("Return")
    s.hear("alert Pebblix.", accepted(4, 4), "OK push button.")
    s.screenshot("4-guess-accepted")
    s.key("Return")
    expect_word_read(s)
    s.screenshot("5-next-word")
    s.step("the window's close box (Alt+F4 of the window manager) ends the game, saving the setting")
    alt_keys(s, "alt+F4")
    s.expect_exit(0)
    s.expect_saved("pebblixoptions.dat", b"#TRUE#\r\n")


def keyboard_with(*symbols):
    """Puts the key symbols on spare keys of the display's keyboard, as a player's own layout has
    its letters: xdotool then types each with one key. A letter missing from the layout xdotool
    types by changing the keyboard under the game, and Qt reads the change too late for that key."""
    layout = subprocess.run(["xkbcomp", "-xkb", os.environ["DISPLAY"], "-"], check=True,
                            capture_output=True, text=True).stdout
    spare = ["    key <I%d> { [ %s ] };\n" % (248 - index, symbol) for index, symbol in enumerate(symbols)]
    start = layout.index("xkb_symbols")
    end = layout.index("\n};", start)
    layout = layout[:end + 1] + "".join(spare) + layout[end + 1:]
    subprocess.run(["xkbcomp", "-", os.environ["DISPLAY"]], input=layout, check=True, text=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def scenario_eight_bit_letters(s):
    """A given word of the Windows code page's own letters, shown and spoken right, and a typed guess
    with one of them found in the dictionary and scored one point a letter."""
    # "oeuvres" and "soeur" with the code page's o-e ligature, 0x9C, a byte Latin-1 would show as nothing.
    s.beside_program("mswnby32.dll", b"s\x9cur\r\n\x9cuvres\r\n")
    word = "\u0153uvres"
    keyboard_with("oe")
    s.start(r"^Pebblix$")
    s.hear("alert Pebblix.", WELCOME, "Yes push button.")
    s.key("n")
    s.hear(word + ".")
    shown = word_box_text(s)
    if shown != word:
        raise ScenarioFailed("the word box shows %r, expected %r" % (shown, word))

    s.step("the guess typed with the ligature is the dictionary's word: accepted, four points")
    type_guess(s, "s\u0153ur")
    s.key("Return")
    s.hear("alert Pebblix.", accepted(4, 4), "OK push button.")
    s.key("Return")
    s.hear(word + ".")

    s.step("Exit ends the game")
    alt_keys(s, "alt+f")
    s.hear("New Game Ctrl+N.")
    s.key("x")
    s.expect_exit(0)
    s.expect_saved("pebblixscor.dat", None)


def expect_guess_selected(s, guess, seconds=10):
    """The refused guess back in the guess box, all of it selected."""
    deadline = time.monotonic() + seconds
    while guess_box(s) != (guess, (0, len(guess))):
        if time.monotonic() > deadline:
            raise ScenarioFailed("the guess box holds %r, not %r refused and selected" % (guess_box(s), guess))
        time.sleep(0.1)


def scenario_silent_sound_server(s):
    """A sound server that takes the game's connection and never answers costs the game nothing: the
    welcome comes at once, a refused and an accepted guess are answered at once, Exit ends it at once."""
    with SilentSoundServer(s.folder) as server:
        s.beside_program("mswnby32.dll", s.words(WORDS))
        s.start(r"^Pebblix$", environment=server.environment())
        s.hear("alert Pebblix.", WELCOME, "Yes push button.")
        server.expect_first_connection_waiting()
        s.key("n")
        s.hear(DEALT + ".")

        s.step("a refused guess, whose cue is waited for, is not held")
        type_guess(s, "xyz")
        s.key("Return")
        expect_guess_selected(s, "xyz")

        s.step("nor is an accepted one")
        s.type("tap")
        s.key("Return")
        answer_report(s, 3, 3)
        server.expect_first_connection_waiting()

        s.step("Exit ends the game at once, the server's answer still awaited")
        alt_keys(s, "alt+f")
        s.hear("New Game Ctrl+N.")
        s.key("x")
        s.expect_exit(0, seconds=10)
        s.expect_saved("pebblixoptions.dat", b"#TRUE#\r\n")


def scenario_cues_heard_whole(s):
    """On a real sound server each cue sounds whole before the game goes on: the wrong cue of a
    refused guess, the right cue of an accepted one."""
    with RecordingSoundServer(s.folder) as server:
        s.beside_program("mswnby32.dll", s.words(WORDS))
        wrong, right = (os.path.join(s.program_folder, name) for name in ("wrong.wav", "right.wav"))
        s.start(r"^Pebblix$", environment=server.environment())
        s.hear("alert Pebblix.", WELCOME, "Yes push button.")
        s.key("n")
        s.hear(DEALT + ".")

        s.step("a refused guess sounds the wrong cue")
        type_guess(s, "xyz")
        s.key("Return")
        expect_guess_selected(s, "xyz")
        server.expect_heard(wrong)

        s.step("an accepted guess sounds the right cue, then is reported")
        s.type("tap")
        s.key("Return")
        s.hear("alert Pebblix.", accepted(3, 3), "OK push button.")
        server.expect_heard(wrong, right)
        s.key("Return")
        expect_word_read(s)

        alt_keys(s, "alt+f")
        s.hear("New Game Ctrl+N.")
        s.key("x")
        s.expect_exit(0)

