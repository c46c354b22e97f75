"""Scrambolo played by keyboard while Orca listens: what it says, what the tree shows, what is saved."""

import os
import re
import signal
import time

from desktop import ScenarioFailed, on_busy_desktop
from sound_servers import RecordingSoundServer, SilentSoundServer

FRAME = re.compile(r"\d\d:\d\d - Scrambolo! frame\.")
# The window as it first comes: named before its clock's first tick, or, on a busy machine or a
# fast clock, after it, by the time Orca reads it.
FIRST_WINDOW = r"^(\d\d:\d\d - )?Scrambolo!$"
FIRST_FRAME = re.compile(r"(\d\d:\d\d - )?Scrambolo! frame\.")
# A word's clock just dealt, with more than a minute left; where the game's clock runs ten times as
# fast, a busy machine may take that minute before the tree is read, and any running clock will do.
CLOCK = re.compile(r"0[12]:\d\d")
RUNNING_CLOCK = re.compile(r"0[0-2]:\d\d")
# The window's caption alone, as Orca's read-title command says it; never spoken unasked.
CAPTION = re.compile(r"(\d\d:\d\d) - Scrambolo!")
# libfaketime, from Debian's faketime package: every clock of the game runs ten times as fast, so a
# word's two minutes, which the game measures on the monotonic clock, pass in twelve seconds (and the
# game's own timers and pauses run ten times as fast with them).
FAST_CLOCK = {
    "LD_PRELOAD": "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1",
    "FAKETIME": "+0 x10",
    "FAKETIME_NO_CACHE": "1",
}


def letters(s):
    """The letters on the showing letter buttons, from button 1 on."""
    return [node.name for node in s.nodes(lambda node: node.role == "push button" and len(node.name) == 1)]


def focused_letter(s):
    """The index (1 to 6) of the letter button that has the focus."""
    node = s.focused()
    if node.role != "push button" or len(node.name) != 1:
        raise ScenarioFailed("the focus is on %r, not on a letter button" % node)
    buttons = [n for n in s.nodes(lambda n: n.role == "push button" and len(n.name) == 1)]
    return next(index for index, button in enumerate(buttons, 1) if "focused" in button.states)


def caption(s):
    """The game window's caption, as the tree shows it now."""
    return s.find("frame", re.compile(r".*Scrambolo!")).name


def seconds_left(text):
    """The seconds a caption's clock shows."""
    minutes, seconds = CAPTION.fullmatch(text).group(1).split(":")
    return int(minutes) * 60 + int(seconds)


def tab_to(s, current, target, count):
    """Moves the focus from letter button current to target with Tab, hearing each letter."""
    while current != target:
        s.key("Tab")
        current = current % count + 1
        s.hear("%s push button." % letters(s)[current - 1])
    return current


def rebuild(s, word):
    """Swaps letters until the buttons spell word: a press (Enter) on one, a press (Space) on the other."""
    focus = focused_letter(s)
    for place in range(1, len(word) + 1):
        row = letters(s)
        if row[place - 1] == word[place - 1]:
            continue
        partner = next(index for index in range(place + 1, len(word) + 1) if row[index - 1] == word[place - 1])
        focus = tab_to(s, focus, place, len(word))
        s.key("Return")
        focus = tab_to(s, focus, partner, len(word))
        s.key("space")
        s.step("letters %d and %d swapped: the letter brought onto the focused button is spoken" % (place, partner))
        s.hear("space ")
        s.hear_next(row[place - 1])
        expected = row[:]
        expected[place - 1], expected[partner - 1] = row[partner - 1], row[place - 1]
        wait_for_letters(s, expected)
    return focus


def wait_for_letters(s, expected, seconds=5):
    deadline = time.monotonic() + seconds
    while letters(s) != expected:
        if time.monotonic() > deadline:
            raise ScenarioFailed("the letters read %r, expected %r" % (letters(s), expected))
        time.sleep(0.1)


def expect_fresh_deal(s, word, clock=CLOCK):
    """A new shuffle of word on the buttons, the focus on button 1, the word's clock running."""
    row = letters(s)
    if sorted(row) != sorted(word) or "".join(row) == word:
        raise ScenarioFailed("the buttons read %r, not a fresh shuffle of %r" % (row, word))
    s.expect_focus("push button", row[0])
    s.find("label", clock)


def read_back(s, focus, count):
    """Tab through every letter from the focused one and on to button 1, as a player reads the
    word over from its start; each letter is said once after the key."""
    s.quiet()
    for _ in range(count + (1 - focus) % count):
        s.key("Tab")
        focus = focus % count + 1
        s.hear_next("tab ")
        s.hear_next("%s push button." % letters(s)[focus - 1])
    return focus


def judge_rebuilt(s, word, clock=CLOCK):
    """J on the rebuilt word wherever the focus is: the next shuffle is dealt and its first letter
    spoken, alone when the focus was on button 1 already, with the button's role when the deal
    brought the focus there."""
    on_first = focused_letter(s) == 1
    s.quiet()
    s.key("j")
    s.hear_next("j ")
    said = s.hear_next(re.compile(r".( push button\.)?"), seconds=5)
    expect_fresh_deal(s, word, clock)
    expected = letters(s)[0] if on_first else "%s push button." % letters(s)[0]
    if said != expected:
        raise ScenarioFailed("Orca said %r for a deal starting with %r, expected %r" % (said, letters(s)[0], expected))


def expect_clock_unspoken(s, *asked):
    """Of everything Orca said in the game, the clock alone was only what the player asked for."""
    unasked = [text for text in s.desktop.orca_log.utterances() if CAPTION.fullmatch(text)]
    for text in asked:
        unasked.remove(text)
    if unasked:
        raise ScenarioFailed("Orca spoke the clock unasked: %r" % unasked)


def alt_keys(s, *keys):
    """Keys held with Alt, pressed once Orca has caught up: a key Orca is too busy to answer
    within Qt's time reaches the game after the keys that follow it, and an Alt that comes late
    opens or closes the menu bar after the shortcut was done."""
    s.quiet(0.5)
    s.key(*keys)


def start(s):
    s.start(FIRST_WINDOW)
    s.hear(FIRST_FRAME)
    first = s.hear(re.compile(r". push button\."))[0]
    s.expect_focus("push button", first[0])
    return first[0]


def tab_straight_after(s, closing_key):
    """The key that closes a box or window over the game window, then Tab 30 ms on, as a fast typist
    presses them, the focus on the second letter beneath: the window is read, then the third letter,
    which Tab moved the focus to."""
    s.press_together(closing_key, "Tab")
    s.hear(FRAME, "%s push button." % letters(s)[2])
    s.expect_focus("push button", letters(s)[2])


def scenario_word(s):
    """One word: its start, the high score, a wrong and a right verdict, read back with Tab, and Exit."""
    s.beside_program("jmsit32.dll", s.words("lamp.txt"))
    s.saved("highscore.dat", b"7\r\n")

    s.step("the first letter button is spoken at the start, the clock runs")
    start(s)
    expect_fresh_deal(s, "lamp")

    s.step("H tells the saved high score; OK gives the focus back to the same letter")
    s.key("Tab")
    s.hear("%s push button." % letters(s)[1])
    s.key("h")
    s.hear("alert High Score.", "Your high score is 7 guessed words!", "OK push button.")
    s.key("Return")
    s.hear(FRAME, "%s push button." % letters(s)[1])
    s.expect_focus("push button", letters(s)[1])

    s.step("a key pressed straight after the box's OK, as a fast typist does, reaches the window: Tab moves on")
    s.key("h")
    s.hear("alert High Score.", "Your high score is 7 guessed words!", "OK push button.")
    tab_straight_after(s, "Return")
    s.key("shift+Tab")
    s.hear("%s push button." % letters(s)[1])

    s.step("so it does with the window manager too busy to give the keyboard back: the box gives it back itself")
    s.key("h")
    s.hear("alert High Score.", "Your high score is 7 guessed words!", "OK push button.")
    with s.desktop.window_manager_busy():
        tab_straight_after(s, "Return")
    s.key("shift+Tab")
    s.hear("%s push button." % letters(s)[1])

    s.step("J on the dealt shuffle is wrong: nothing moves")
    dealt = letters(s)
    s.key("j")
    s.quiet()
    if letters(s) != dealt or focused_letter(s) != 2:
        raise ScenarioFailed("a wrong verdict changed the board: %r" % letters(s))

    s.step("the word rebuilt by swaps, then read back letter by letter with Tab up to its first letter")
    focus = rebuild(s, "lamp")
    read_back(s, focus, 4)

    s.step("J on button 1: the next shuffle is dealt onto it and its first letter spoken")
    judge_rebuilt(s, "lamp")

    s.step("Orca's read-title command says the clock as it is now; the clock is never spoken unasked")
    s.quiet(2.5)
    s.key("Insert+KP_Enter")
    said = s.hear_next(CAPTION)
    shown = caption(s)
    # The clock counts down: the caption read after Orca spoke may be a tick or two further on.
    if not 0 <= seconds_left(said) - seconds_left(shown) <= 2:
        raise ScenarioFailed("Orca read the title %r while the window's caption is %r" % (said, shown))
    expect_clock_unspoken(s, said)

    s.step("the Help menu says Contents' shortcut; Esc and Esc give the keyboard back to the letter")
    alt_keys(s, "alt+h")
    s.hear("Contents F1.")
    s.key("Escape", "Escape")
    s.hear("%s push button." % letters(s)[0])

    s.step("Exit from the File menu ends the game and saves the letter range, not the score")
    alt_keys(s, "alt+f")
    s.hear("Exit.")
    s.key("x")
    s.expect_exit(0)
    s.expect_saved("diff.dat", b"-1\r\n")
    s.expect_saved("highscore.dat", b"7\r\n")


def scenario_hint_and_range(s):
    """The Cheat window's pattern and its ways out, then the letter range picked from the menu."""
    s.beside_program("jmsit32.dll", s.words("ranges.txt"))
    s.saved("diff.dat", b"6\r\n")
    start(s)
    expect_fresh_deal(s, "planet")

    s.step("C opens Cheat with the pattern, the focus in it")
    s.key("Tab")
    left_on = letters(s)[1]
    s.hear("%s push button." % left_on)
    s.key("c")
    s.hear("Cheat.", "Hint: text.", "p**n*t.")
    s.expect_focus("text", "Hint:")
    s.key("Tab")
    s.hear("Close push button.")
    s.key("shift+Tab")
    s.hear("Hint: text.")

    s.step("Esc closes Cheat; the focus is back on the letter the player left")
    s.key("Escape")
    s.hear(FRAME, "%s push button." % left_on)
    if s.nodes(lambda node: node.role == "text"):
        raise ScenarioFailed("the Cheat window is still there after Esc")

    s.step("Alt+C closes a new Cheat window the same way")
    s.key("c")
    s.hear("Cheat.", "Hint: text.", "p**n*t.")
    alt_keys(s, "alt+c")
    s.hear(FRAME, "%s push button." % left_on)

    s.step("a key pressed straight after Esc, the window manager too busy to give the keyboard back, reaches the window")
    s.key("c")
    s.hear("Cheat.", "Hint: text.", "p**n*t.")
    with s.desktop.window_manager_busy():
        tab_straight_after(s, "Escape")
    s.key("shift+Tab")
    s.hear("%s push button." % left_on)

    s.step("the range menu shows the saved range checked")
    alt_keys(s, "alt+o")
    s.hear("Number Of Letters.")
    s.key("n")
    s.hear("3 To 4 Letters.")
    s.key("Down", "Down", "Down")
    s.hear("6 Letters Only checked.")
    checked = s.nodes(lambda node: "checked" in node.states)
    if [node.name for node in checked] != ["6 Letters Only"]:
        raise ScenarioFailed("checked items: %r" % checked)

    s.step("3 picks 3 To 4 Letters: a short word is dealt at once, the mark moves")
    s.key("3")
    first = s.hear(re.compile(r". push button\."))[0]
    row = letters(s)
    if sorted(row) not in (sorted("cat"), sorted("lamp")) or first[0] != row[0]:
        raise ScenarioFailed("after 3 To 4 Letters the buttons read %r" % row)
    alt_keys(s, "alt+o", "n")
    s.hear("3 To 4 Letters checked.")
    s.key("Escape", "Escape", "Escape")
    s.hear("%s push button." % row[0])

    s.step("the end of the session closes the game as its close box does, saving the new range")
    s.key("c")
    s.hear("Cheat.", "Hint: text.")
    s.process.send_signal(signal.SIGTERM)
    s.expect_exit(0)
    s.expect_saved("diff.dat", b"34\r\n")


def scenario_time_up(s):
    """A word's time running out twice: a beaten high score saved, then a game that did not beat it."""
    s.beside_program("jmsit32.dll", s.words("cat.txt"))
    s.start(FIRST_WINDOW, environment=FAST_CLOCK)
    s.hear(FIRST_FRAME, re.compile(r". push button\."))

    s.step("one word rebuilt and judged right")
    rebuild(s, "cat")
    judge_rebuilt(s, "cat", RUNNING_CLOCK)

    s.step("time up with a beaten high score; Esc does not answer the question")
    s.hear("alert Time Is Up.",
           "Congradulations! You beat your high score of 0 words! Your new high score is 1 words! "
           "The word was cat. Play again?",
           "Yes push button.", seconds=20)
    s.answer("Escape")
    s.quiet()
    s.find("alert", "Time Is Up")

    s.step("Yes saves the score and deals a new game")
    s.key("Return")
    # The window read as it comes back, at once: the new game's clock fresh.
    s.hear(re.compile(r"0[12]:\d\d - Scrambolo! frame\."), re.compile(r". push button\."))
    s.expect_saved("highscore.dat", b"1\r\n")
    expect_fresh_deal(s, "cat", RUNNING_CLOCK)

    s.step("time up with no word guessed; No ends the game")
    s.hear("alert Time Is Up.",
           "Oops! You didn't beat your high score of 1 words! You guessed 0 words! The word was cat. Play again?",
           "Yes push button.", seconds=20)
    s.answer("n")
    s.expect_exit(0)
    s.expect_saved("highscore.dat", b"1\r\n")
    s.expect_saved("diff.dat", b"-1\r\n")


def scenario_type_ahead(s):
    """A word's two minutes in real time, the clock never spoken unasked; swaps and verdicts
    pressed on as the time runs out and for two seconds after: none answers "Time Is Up", which
    stays and is read out; answered after a pause, once heard, it plays again. Real time, as the
    question waits for the keyboard to go quiet before it takes a key, is then what a player
    meets."""
    s.beside_program("jmsit32.dll", s.words("cat.txt"))
    s.start(FIRST_WINDOW)
    s.hear(FIRST_FRAME, re.compile(r". push button\."))

    s.step("the word's clock runs down to its last second, unspoken")
    deadline = time.monotonic() + 150
    while not CAPTION.fullmatch(caption(s)) or seconds_left(caption(s)) > 1:
        if time.monotonic() > deadline:
            raise ScenarioFailed("the clock still reads %r" % caption(s))
        time.sleep(0.1)

    s.step("Enter, Space and J pressed on, one every 80 ms, until two seconds after the question shows")
    s.type_until_alert(["Return", "space", "j"], r"^Time Is Up$")

    s.step("the question is still there, read out, and the game waits for its answer")
    s.expect_question_waiting(
        "Time Is Up", "Oops! You didn't beat your high score of 0 words! You guessed 0 words! The word was cat. "
        "Play again?")
    expect_clock_unspoken(s)

    s.step("Enter, pressed once the question is heard, answers Yes: a new game")
    s.answer("Return")
    s.hear(FRAME, re.compile(r". push button\."))
    expect_fresh_deal(s, "cat")
    alt_keys(s, "alt+F4")
    s.expect_exit(0)
    s.expect_saved("highscore.dat", None)


def scenario_missing_word_list(s):
    """No word list anywhere: the player is told why, then the game ends without saving anything."""
    s.beside_program("jmsit32.dll", None)
    # The box comes over the window just shown: the player meets the box.
    s.start(r"^Error$")
    s.hear("alert Error.",
           re.compile(r"The word list jmsit32\.dll could not be found or read\. It was looked for as "
                      r"/\S+/share/games/scrambolo/jmsit32\.dll and as /\S+/program/jmsit32\.dll\. "
                      r"The program will now exit\."),
           "OK push button.")
    s.key("Return")
    s.expect_exit(0)
    s.expect_saved("diff.dat", None)
    s.expect_saved("highscore.dat", None)


def installed_check(s):
    """The installed game started from its desktop entry: its own word list dealt and the first
    letter spoken, H's box, a hint, Exit saving the range."""
    start(s)
    s.key("h")
    s.hear("alert High Score.", "Your high score is 0 guessed words!", "OK push button.")
    s.key("Return")
    s.hear(FRAME)
    s.key("c")
    # Orca ends a line with a full stop only after a letter: "p**n*t." but "s*u**".
    s.hear("Cheat.", "Hint: text.", re.compile(r"[a-z]\*[a-z*]{1,4}\.?"))
    s.key("Escape")
    s.hear(FRAME)
    alt_keys(s, "alt+f", "x")
    s.expect_exit(0)
    s.expect_saved("diff.dat", b"-1\r\n")


@on_busy_desktop(bus_address_delay=2)
def scenario_start_on_busy_desktop(s):
    """The desktop slow to give the accessibility bus's address: the window shown as the game starts
    is heard all the same, with the letter that has the focus."""
    s.beside_program("jmsit32.dll", s.words("lamp.txt"))
    start(s)


def scenario_demo(s):
    """A few steps of play for tools/demo.sh, each on a screenshot."""
    s.beside_program("jmsit32.dll", s.words("planet.txt"))
    start(s)
    s.screenshot("1-start")
    s.key("c")
    s.hear("Cheat.", "Hint: text.", "p**n*t.")
    s.screenshot("2-hint")
    s.key("Escape")
    s.hear(FRAME)
    rebuild(s, "planet")
    s.screenshot("3-rebuilt")
    judge_rebuilt(s, "planet")
    s.screenshot("4-next-word")
    s.step("the window's close box (Alt+F4 of the window manager) ends the game, saving the range")
    alt_keys(s, "alt+F4")
    s.expect_exit(0)
    s.expect_saved("diff.dat", b"-1\r\n")



def scenario_eight_bit_letters(s):
    """A word of the Windows code page's own letters: shown and spoken right on the buttons, in the
    hint and in the Time Is Up box, the same letter everywhere."""
    # "oeuvre" with the code page's o-e ligature, 0x9C, a byte Latin-1 would show as nothing.
    s.beside_program("jmsit32.dll", b"\x9cuvre\r\n")
    s.start(FIRST_WINDOW, environment=dict(FAST_CLOCK, FAKETIME="+0 x4"))
    s.hear(FIRST_FRAME, re.compile(r". push button\."))
    word = "\u0153uvre"
    row = letters(s)
    if sorted(row) != sorted(word):
        raise ScenarioFailed("the buttons read %r, not the letters of %r" % (row, word))

    s.step("Tab reads every letter, the ligature included")
    focus = focused_letter(s)
    for _ in range(len(word)):
        s.key("Tab")
        focus = focus % len(word) + 1
        s.hear("%s push button." % row[focus - 1])

    s.step("the hint shows the same letter")
    s.key("c")
    s.hear("Cheat.", "Hint: text.", "\u0153*v**")
    s.key("Escape")
    s.hear(FRAME)

    s.step("the word's time runs out: the box quotes the word as the buttons showed it")
    s.hear("alert Time Is Up.",
           "Oops! You didn't beat your high score of 0 words! You guessed 0 words! The word was %s. Play again?"
           % word, "Yes push button.", seconds=60)
    # The player hears the question out before answering it.
    s.quiet(0.5)
    s.key("n")
    s.expect_exit(0)


def scenario_silent_sound_server(s):
    """A sound server that takes the game's connection and never answers costs the game nothing: the
    window and its first letter come at once, swaps and verdicts go on in silence, Exit ends it at once."""
    with SilentSoundServer(s.folder) as server:
        s.beside_program("jmsit32.dll", s.words("lamp.txt"))
        s.start(FIRST_WINDOW, environment=server.environment())
        s.hear(FIRST_FRAME, re.compile(r". push button\."))
        server.expect_first_connection_waiting()

        s.step("a move to a letter, a swap and a wrong verdict, each with its cue, are answered at once")
        row = letters(s)
        s.key("Tab")
        s.hear("%s push button." % row[1])
        s.key("Return")
        s.key("shift+Tab")
        s.hear("%s push button." % row[0])
        s.key("space")
        row[0], row[1] = row[1], row[0]
        wait_for_letters(s, row)
        s.key("j")
        s.key("h")
        s.hear("alert High Score.", "Your high score is 0 guessed words!", "OK push button.")
        s.key("Return")
        s.hear(FRAME)
        server.expect_first_connection_waiting()

        s.step("Exit ends the game at once, the server's answer still awaited")
        alt_keys(s, "alt+f")
        s.hear("Exit.")
        s.key("x")
        s.expect_exit(0, seconds=10)
        s.expect_saved("diff.dat", b"-1\r\n")


def scenario_cues_heard_whole(s):
    """On a real sound server every cue sounds whole: the click of the first letter, asked for while
    the game is still connecting, that of a move back to it, and the buzzer of a wrong verdict."""
    with RecordingSoundServer(s.folder) as server:
        s.beside_program("jmsit32.dll", s.words("lamp.txt"))
        click, buzzer = (os.path.join(s.program_folder, name) for name in ("click.wav", "buzzer.wav"))
        s.start(FIRST_WINDOW, environment=server.environment())
        s.hear(FIRST_FRAME, re.compile(r". push button\."))
        server.expect_heard(click)

        s.step("back on the first letter it clicks; J on the dealt shuffle buzzes")
        s.key("Tab")
        s.hear(re.compile(r". push button\."))
        s.key("shift+Tab")
        s.hear(re.compile(r". push button\."))
        server.expect_heard(click, click)
        s.key("j")
        server.expect_heard(click, click, buzzer)

        alt_keys(s, "alt+f", "x")
        s.expect_exit(0)



def scenario_time_allowed(s):
    """Time Allowed: the submenu read with its check mark, Ten Times As Long picked by its key, a
    new game at twenty minutes, the choice saved and read back at the next start."""
    s.beside_program("jmsit32.dll", s.words("lamp.txt"))
    s.saved("highscore.dat", b"3\r\n")
    start(s)

    s.step("the Options menu has Time Allowed after Number Of Letters; its items are read, Standard checked")
    alt_keys(s, "alt+o")
    s.hear("Number Of Letters.")
    s.key("Down")
    s.hear_next("Time Allowed.")
    s.key("Right")
    s.hear("Standard checked.")
    for item in ("Twice As Long.", "Five Times As Long.", "Ten Times As Long."):
        s.key("Down")
        s.hear(item)
    checked = s.nodes(lambda node: "checked" in node.states)
    if [node.name for node in checked] != ["Standard"]:
        raise ScenarioFailed("checked items: %r" % checked)

    s.step("E picks Ten Times As Long: a new game, its first letter said once, the clock at twenty minutes")
    s.quiet(0.5)
    s.key("e")
    said = s.hear_first(re.compile(r". push button\."), allowed=())
    row = letters(s)
    if sorted(row) != sorted("lamp") or "".join(row) == "lamp":
        raise ScenarioFailed("the buttons read %r, not a fresh shuffle of lamp" % row)
    s.expect_focus("push button", row[0])
    if said != "%s push button." % row[0]:
        raise ScenarioFailed("Orca said %r for a deal starting with %r" % (said, row[0]))
    s.quiet(1.0, unsaid=[re.compile(r".")])
    s.key("Insert+KP_Enter")
    title = s.hear_next(CAPTION)
    if not 1190 <= seconds_left(title) <= 1200:
        raise ScenarioFailed("the new game's clock reads %r" % title)

    s.step("the submenu now shows Ten Times As Long checked")
    alt_keys(s, "alt+o")
    s.hear("Number Of Letters.")
    s.key("t")
    s.hear("Standard.")
    s.key("Up")
    s.hear("Ten Times As Long checked.")
    s.key("Escape", "Escape", "Escape")
    s.hear("%s push button." % letters(s)[0])

    s.step("Exit saves the setting in a file of its own; the Standard files keep their bytes")
    alt_keys(s, "alt+f", "x")
    s.expect_exit(0)
    s.expect_saved("timeallowed.dat", b"10\r\n")
    s.expect_saved("diff.dat", b"-1\r\n")
    s.expect_saved("highscore.dat", b"3\r\n")
    s.expect_saved("highscore10.dat", None)

    s.step("the next start reads it back: twenty minutes, Ten Times As Long checked")
    start(s)
    # Twenty minutes, or a second or two fewer where a busy machine was slow to look.
    s.find("label", re.compile(r"20:00|19:5\d"))
    alt_keys(s, "alt+o", "t", "Up")
    s.hear("Ten Times As Long checked.")
    s.key("Escape", "Escape", "Escape")
    alt_keys(s, "alt+f", "x")
    s.expect_exit(0)
    s.expect_saved("timeallowed.dat", b"10\r\n")
