"""Both games' pages played by keyboard in Chromium, Firefox or WebKitGTK while Orca listens, from the site's first page on."""

import re
import time

from desktop import Desktop, ScenarioFailed

LETTER = re.compile(r"(.) push button\.")
GIVEN_WORD = re.compile(r"Given word: read only entry( planets)?\.?")


def hear_given_word(s):
    """The given word with its label: read in one (Chromium, Firefox), or its box then the word
    right after it (WebKitGTK, where it is the box's description)."""
    if s.hear(GIVEN_WORD)[0].endswith("entry."):
        s.hear_next("planets.")


def page_loaded(s, link):
    """The page is in the tree, done loading, with the link to follow."""
    documents = s.nodes(lambda node: node.role == "document web")
    return (documents and not any("busy" in node.states for node in documents)
            and s.nodes(lambda node: node.role == "link" and node.name == link))


# The window's title as Orca's read-title command says it: the page's, the clock then the game, and
# Chromium's note while a cue is playing or Firefox's name.
TITLE = re.compile(r"(\d\d):(\d\d) - Scrambolo!( - Audio playing| \u2014 Mozilla Firefox)?")


# Chromium and Firefox tell the page loaded; WebKitGTK's browser only gives its window the page's title.
LOADED = re.compile(r"(Finished loading )?(\d\d:\d\d - )?Scrambolo!\.?")


def expect_clock_from(s, least):
    """Orca's read-title command says the clock with at least this many seconds and at most twenty
    minutes left. WebKitGTK's window keeps the game's name, as Orca there reads every new name of a
    window aloud; the clock beside the letters is left to the WebKit suite."""
    s.key("Insert+KP_Enter")
    if s.browser == "webkit":
        s.hear_next("Scrambolo!")
        return
    title = s.hear_next(TITLE)
    minutes, seconds, _ = TITLE.fullmatch(title).groups()
    if not least <= int(minutes) * 60 + int(seconds) <= 1200:
        raise ScenarioFailed("the clock reads %r" % title)


def hear_refused_guess(s, typed):
    """The refused guess, all of it selected, right after Return: its text, then that it is
    selected (Chromium); in WebKitGTK and Firefox the focus comes to a new box holding it, read
    with its label and its selection. Then nothing more of it: read twice is a fault."""
    if s.browser in ("webkit", "firefox"):
        expected = ("Word: entry %s selected." % typed,)
    else:
        expected = (typed, "selected")
    s.hear_right_after_typing(typed, "return ", *expected)
    s.quiet(1.0, unsaid=expected)


def open_game(s, start_orca, link, title):
    """The site's first page in the browser, then Orca; the player follows the game's link."""
    window = s.open_browser("index.html", r"^Scrambolo and Pebblix")
    start_orca()
    s.activate(window)
    s.hear(re.compile(r"Scrambolo and Pebblix.*"), seconds=20)
    # The player waits for the page to have come and been read out: on a busy machine the window
    # is there, and named, well before the page in it. WebKitGTK's page is read from its web
    # process, out of the reach of the tree walked here; its window takes the page's name from the
    # page itself.
    if s.browser != "webkit":
        Desktop.wait_until(lambda: page_loaded(s, "Scrambolo"), 30, "the site's first page to load")
    s.quiet(1.0)
    # The first link of the page is Scrambolo's, the second Pebblix's.
    for _ in range(link):
        s.key("Tab")
    s.hear(re.compile(r"%s link\.?" % title))
    s.key("Return")


def focus_mode(s):
    """Orca leaves its browse mode for the letters' toolbar and says so; where the focus came while
    it was still reading the page it stays in browse mode, and the player asks for focus mode
    (Orca+A) as for any web game, so that the letter keys reach the page. In WebKitGTK Orca has no
    browse mode but takes single letters for its structural navigation (H for headings) wherever
    no text is typed: the player turns those keys off (Orca+Z), as for any web game there."""
    if s.browser == "webkit":
        s.key("Insert+z")
        s.hear("Structural navigation keys off.")
        s.quiet(0.5)
        return
    time.sleep(1.0)
    if "Focus mode" not in s.heard_since_quiet():
        s.key("Insert+a")
    s.hear("Focus mode")
    s.quiet(0.5)


def letters_after(s, utterance):
    found = LETTER.fullmatch(utterance)
    if not found:
        raise ScenarioFailed("%r is not a letter button" % utterance)
    return found.group(1)


def scenario_scrambolo_word(s, start_orca):
    """One word: the first letter, H's box read once and in order, swaps heard, a right check."""
    s.site_file("scrambolo/jmsit32.dll", s.words("lamp.txt"))
    open_game(s, start_orca, 1, "Scrambolo")

    s.step("the first letter button is spoken once the page has loaded")
    # Chromium and Firefox tell the page loaded; WebKitGTK's browser only gives its window the page's title.
    s.hear(re.compile(r"(Finished loading )?(\d\d:\d\d - )?Scrambolo!\.?"), seconds=20)
    first = letters_after(s, s.hear(LETTER)[0])
    focus_mode(s)

    s.step("the letters read with Tab and Shift+Tab")
    row = [first]
    for _ in range(3):
        s.key("Tab")
        row.append(letters_after(s, s.hear(LETTER)[0]))
    for index in (3, 2, 1):
        s.key("shift+Tab")
        s.hear("%s push button." % row[index - 1])

    s.step("H: the box's title and text, then its button, each once; OK gives the letter back")
    s.quiet(0.5)
    s.key("h")
    s.hear_once("High Score dialog Your high score is 0 guessed words!", "OK push button.")
    s.key("Return")
    s.hear("%s push button." % first)

    s.step("the letters are rebuilt into lamp, every swap speaking the letter it brought")
    if sorted(row) != sorted("lamp") or "".join(row) == "lamp":
        raise ScenarioFailed("the buttons read %r, not a shuffle of lamp" % row)
    focus = 1
    for place in range(1, 5):
        if row[place - 1] == "lamp"[place - 1]:
            continue
        partner = next(i for i in range(place + 1, 5) if row[i - 1] == "lamp"[place - 1])
        for target, press in ((place, "Return"), (partner, "space")):
            while focus != target:
                s.key("Tab" if target > focus else "shift+Tab")
                focus += 1 if target > focus else -1
                s.hear("%s push button." % row[focus - 1])
            s.key(press)
        row[place - 1], row[partner - 1] = row[partner - 1], row[place - 1]
        # The letter alone where the browser tells of a button's new text; with the button's role
        # where the focus moves to a new button bearing it (WebKit).
        s.hear(re.compile(r"%s( push button\.)?" % re.escape(row[partner - 1])))
        s.step("letters %d and %d swapped: %s" % (place, partner, "".join(row)))

    s.step("J: the word is right; the next shuffle is dealt and its first letter spoken")
    s.quiet(0.5)
    s.key("j")
    s.hear("j ")
    dealt = s.hear_next(LETTER, seconds=8)
    time.sleep(1.5)
    stray = [text for text in s.heard_since_quiet() if len(text.strip()) == 1]
    if stray:
        raise ScenarioFailed("after the deal's %r Orca also said %r" % (dealt, stray))


def scenario_pebblix_guess(s, start_orca):
    """The welcome box, the given word, a refused and an accepted guess, the report read once."""
    s.site_file("pebblix/mswnby32.dll", s.words("pebblix-planets.txt"))
    open_game(s, start_orca, 2, "Pebblix")

    s.step("the welcome question: title, text, then Yes, once")
    s.hear_once("Pebblix dialog Welcome to Pebblix! Do you want instructions?", "Yes push button.", seconds=20)
    s.key("n")
    s.step("No: the given word is spoken with its name")
    hear_given_word(s)

    s.step("a refused guess stays, selected; an accepted one is reported once")
    s.key("Tab")
    s.hear("Word: entry.")
    s.type("planet")
    s.key("Return")
    hear_refused_guess(s, "planet")
    s.type("sent")
    s.key("Return")
    s.hear_once("Pebblix dialog Nice work! You earned 4 points and now have a total of 4points! Get ready for the next word!",
                "OK push button.")
    s.key("Return")
    hear_given_word(s)


def scenario_scrambolo_time_allowed(s, start_orca):
    """Time Allowed in the page: its radio items read with the one selected, Ten Times As Long picked
    by its key, the clock at twenty minutes, the choice read back on the next visit after Exit."""
    s.site_file("scrambolo/jmsit32.dll", s.words("lamp.txt"))
    open_game(s, start_orca, 1, "Scrambolo")
    s.hear(LOADED, seconds=20)
    s.hear(LETTER)
    focus_mode(s)

    s.step("Alt+O: after the letter ranges, Time Allowed's radio items, Standard selected")
    s.key("alt+o")
    # Chromium's menu name ends with a full stop in Orca's speech, Firefox's and WebKitGTK's do not.
    s.hear(re.compile(r"Options menu\.?"), "Number Of Letters panel.", "3 To 4 Letters not selected radio menu item.")
    s.key("Up")
    s.hear("Time Allowed panel.", "Ten Times As Long not selected radio menu item.")
    for item in ("Five Times As Long not selected", "Twice As Long not selected", "Standard selected"):
        s.key("Up")
        s.hear("%s radio menu item." % item)

    s.step("E picks Ten Times As Long: the menu closes on the first letter of a new game")
    s.quiet(0.5)
    s.key("e")
    s.hear(LETTER)
    # The letter is heard with its button, not once more on its own.
    s.quiet(1.0, unsaid=[re.compile(r".\u00a0?")])
    expect_clock_from(s, 1190)

    s.step("Exit; the next visit reads the choice back: twenty minutes, Ten Times As Long selected")
    s.key("alt+f")
    s.hear("Exit.")
    s.key("x")
    s.hear(re.compile(r"Play Scrambolo again (visited )?link\.?"))
    s.key("Return")
    s.hear(LOADED, seconds=20)
    s.hear(LETTER)
    # In WebKitGTK Orca's structural navigation keys are still off from the first visit.
    if s.browser != "webkit":
        focus_mode(s)
    expect_clock_from(s, 1180)
    s.key("alt+o")
    s.hear("3 To 4 Letters not selected radio menu item.")
    s.key("Up")
    s.hear("Ten Times As Long selected radio menu item.")


def scenario_scrambolo_cannot_start(s, start_orca):
    """Scrambolo's WebAssembly missing from the host: the page says why it could not start and what
    to do, once, and Tab reaches the link that loads it again."""
    s.site_file("scrambolo/scrambolo.wasm", None)
    open_game(s, start_orca, 1, "Scrambolo")

    s.step("a box says why and what to do, once, its button loading the page again")
    s.hear_once("Scrambolo dialog Scrambolo could not start: its program did not arrive whole. Check that this "
                "device is online, then load the page again.", "Load Scrambolo again push button.", seconds=20)
