"""Both games' pages played by keyboard in Chromium, Firefox or WebKitGTK while Orca listens, from the site's first page on."""

import re
import time

from desktop import ScenarioFailed

LETTER = re.compile(r"(.) push button\.")
GIVEN_WORD = re.compile(r"Given word: read only entry( planets)?\.?")


def hear_given_word(s):
    """The given word with its label: read in one (Chromium, Firefox), or its box then the word
    right after it (WebKitGTK, where it is the box's description)."""
    if s.hear(GIVEN_WORD)[0].endswith("entry."):
        s.hear_next("planets.")


def hear_refused_guess(s, typed):
    """The refused guess, all of it selected, right after Return: its text, then that it is
    selected (Chromium, Firefox); in WebKitGTK the focus comes to a new box holding it, read with
    its label and its selection. Then nothing more of it: read twice is a fault."""
    if s.browser == "webkit":
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
