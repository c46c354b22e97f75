// Both pages as other devices show them, in headless Chromium: a phone's 320 pixels, a window zoomed to 400%, a finger, a Mac's keyboard, and the site's first page.
import { test } from "node:test";
import assert from "node:assert/strict";
import { open, words } from "./browser.mjs";

const LISTS = { "scrambolo/jmsit32.dll": await words("lamp.txt"), "pebblix/mswnby32.dll": await words("pebblix-planets.txt") };
// A phone held upright, and a window of 1280 pixels zoomed to 400%: both 320 CSS pixels wide.
const NARROW = { viewport: { width: 320, height: 640 } };
const ZOOMED = { viewport: { width: 320, height: 256 }, deviceScaleFactor: 4 };
const TOUCH = { viewport: { width: 800, height: 600 }, hasTouch: true, isMobile: true };
const WIDE = { viewport: { width: 1280, height: 800 } };
const SHOTS = process.env.WEB_SHOTS;

// Every control the player can see, with its box: none may stand outside the window, and the page
// must not scroll sideways.
async function controls(tab) {
  return tab.evaluate(() => [...document.querySelectorAll("button, input, a[href]")]
    .filter((e) => e.getClientRects().length > 0 && getComputedStyle(e).visibility !== "hidden" &&
      !e.closest(".closing, [hidden]"))
    .map((e) => {
      const box = e.getBoundingClientRect();
      return { name: e.getAttribute("aria-label") || e.textContent.trim() || e.id, left: box.left, right: box.right,
        width: box.width, height: box.height, fits: e.scrollWidth <= e.clientWidth + 1 };
    }));
}

async function expectFits(tab, state) {
  const { scrollWidth, innerWidth } = await tab.evaluate(() => ({
    scrollWidth: document.documentElement.scrollWidth, innerWidth }));
  assert.ok(scrollWidth <= innerWidth, `the page scrolls sideways ${state}: ${scrollWidth} > ${innerWidth}`);
  const outside = (await controls(tab)).filter((c) => c.left < 0 || c.right > innerWidth + 0.5 || !c.fits);
  assert.deepEqual(outside, [], `controls cut off ${state}`);
  if (SHOTS) await tab.page.screenshot({ path: `${SHOTS}/${state.replace(/\W+/g, "-")}.png` });
}

// The message box up stands whole in the window, its button in view and not covered; a text
// longer than the box scrolls inside it, and the keys scroll it to its end, the focus staying on
// the button.
async function expectBoxInView(tab, state) {
  const box = () => tab.evaluate(() => {
    const dialog = document.querySelector(".modal-cover:not(.closing):not([hidden]) .message-box");
    const text = dialog.querySelector("p");
    const button = dialog.querySelector("button");
    const inView = (element) => {
      const r = element.getBoundingClientRect();
      return r.top >= 0 && r.bottom <= innerHeight && r.left >= 0 && r.right <= innerWidth;
    };
    const place = button.getBoundingClientRect();
    return { inView: inView(dialog) && inView(button) && document.elementFromPoint(place.left + 2, place.top + 2) === button,
      scrolls: text.scrollHeight > text.clientHeight, scrollable: getComputedStyle(text).overflowY !== "visible",
      atEnd: text.scrollTop + text.clientHeight >= text.scrollHeight - 1 };
  });
  const before = await box();
  assert.ok(before.inView && (!before.scrolls || before.scrollable), `the box of ${state}: ${JSON.stringify(before)}`);
  if (before.scrolls) {
    await tab.key("End");
    const after = await box();
    assert.ok(after.inView && after.atEnd, `the box of ${state} scrolled to its end: ${JSON.stringify(after)}`);
  }
  return before.scrolls;
}

async function letterButtons(tab) {
  return tab.evaluate(() => [...document.querySelectorAll(".letter")].filter((b) => !b.hidden)
    .map((b) => ({ letter: b.textContent, size: getComputedStyle(b).fontSize, ...b.getBoundingClientRect().toJSON() })));
}

async function dealtLetters(tab) {
  return tab.until("a word dealt", async () => {
    const row = await letterButtons(tab);
    return row.length === 4 && row.every((b) => b.letter.length === 1) ? row : undefined;
  });
}

for (const [window, how] of [[NARROW, "at 320 pixels"], [ZOOMED, "at 400% of 1280 pixels"]]) {
  test(`Scrambolo ${how}: the letters wrap at their full size, menus, boxes and Cheat inside the window`, async () => {
    const tab = await open("scrambolo", { replaced: LISTS, window });
    try {
      const row = await dealtLetters(tab);
      // 18 points, as on the desktop: the text grows with the zoom, not shrunk to make room.
      assert.ok(row.every((b) => b.size === "24px"), JSON.stringify(row));
      await expectFits(tab, `Scrambolo in play ${how}`);
      await tab.key("Alt+o");
      await tab.expectFocus("menuitemradio", "3 To 4 Letters");
      await expectFits(tab, `Scrambolo's Options menu ${how}`);
      // Tab closes the menu and gives the letter back.
      await tab.key("Tab", "h");
      await tab.expectMessage("High Score", "Your high score is 0 guessed words!");
      await expectFits(tab, `Scrambolo's High Score box ${how}`);
      await tab.key("Enter");
      await tab.noMessage();
      // As a player hears the letter again before the next key: a key on the closing box is its own.
      await tab.until("the focus back on a letter", async () => {
        const focus = await tab.focused();
        return focus && focus.role === "button" && focus.name.length === 1;
      });
      await tab.key("c");
      await tab.until("the Cheat window", (tree) => tree.find((n) => n.focused && n.name === "Hint:"));
      await expectFits(tab, `Scrambolo's Cheat window ${how}`);
    } finally {
      await tab.close();
    }
  });

  test(`Pebblix ${how}: the welcome box, the instructions scrolling inside theirs, the word, the guess and Check it! inside the window`, async () => {
    const tab = await open("pebblix", { replaced: LISTS, window });
    try {
      await tab.expectMessage("Pebblix", "Welcome to Pebblix! Do you want instructions?", "Yes");
      await expectFits(tab, `Pebblix's welcome box ${how}`);
      await expectBoxInView(tab, `Pebblix's welcome ${how}`);
      // The instructions are longer than the window is high: they scroll inside their box.
      await tab.key("y");
      await tab.expectMessage("Pebblix", /^When the game begins, you will be given a word\./);
      await expectFits(tab, `Pebblix's instructions ${how}`);
      assert.ok(await expectBoxInView(tab, `Pebblix's instructions ${how}`), "the instructions do not scroll");
      await tab.expectFocus("button", "OK");
      await tab.key("Enter");
      await tab.expectFocus("textbox", "Given word:");
      await expectFits(tab, `Pebblix in play ${how}`);
      await tab.key("Alt+h");
      await tab.expectFocus("menuitem", /^Contents/);
      await expectFits(tab, `Pebblix's Help menu ${how}`);
    } finally {
      await tab.close();
    }
  });
}

test("on a touch screen every control of both games takes a finger: 44 by 44 pixels at the least", async () => {
  for (const game of ["scrambolo", "pebblix"]) {
    const tab = await open(game, { replaced: LISTS, window: TOUCH });
    try {
      assert.equal(await tab.evaluate(() => matchMedia("(pointer: coarse)").matches), true);
      if (game === "pebblix") {
        await tab.expectMessage("Pebblix", "Welcome to Pebblix! Do you want instructions?", "Yes");
        const small = (await controls(tab)).filter((c) => c.width < 44 || c.height < 44);
        assert.deepEqual(small, [], "controls of the welcome box too small for a finger");
        await tab.key("n");
        await tab.expectFocus("textbox", "Given word:");
      } else {
        await dealtLetters(tab);
      }
      await tab.key("Alt+o");
      const small = (await controls(tab)).filter((c) => c.width < 44 || c.height < 44);
      assert.deepEqual(small, [], `${game}'s controls too small for a finger`);
      await expectFits(tab, `${game} on a touch screen`);
    } finally {
      await tab.close();
    }
  }
});

test("a wide window with a mouse keeps the desktop's layout in twips; Check it! fits its button", async () => {
  const tab = await open("scrambolo", { replaced: LISTS, window: WIDE });
  try {
    const row = await dealtLetters(tab);
    // 700 by 495 twips, 1000 twips apart, at 15 twips a pixel.
    assert.deepEqual(row.map((b) => [Math.round(b.width), Math.round(b.height)]), [[47, 33], [47, 33], [47, 33], [47, 33]]);
    assert.deepEqual(row.slice(1).map((b, i) => Math.round(b.left - row[i].left)), [67, 67, 67]);
  } finally {
    await tab.close();
  }
  const pebblix = await open("pebblix", { replaced: LISTS, window: WIDE });
  try {
    await pebblix.expectMessage("Pebblix", "Welcome to Pebblix! Do you want instructions?", "Yes");
    await pebblix.key("n");
    await pebblix.expectFocus("textbox", "Given word:");
    const check = (await controls(pebblix)).find((c) => c.name === "Check it!");
    // 1215 by 495 twips, its caption on one line inside it.
    assert.deepEqual([Math.round(check.width), Math.round(check.height), check.fits], [81, 33, true]);
    const lines = await pebblix.evaluate(() => {
      const range = document.createRange();
      range.selectNodeContents(document.querySelector(".check"));
      return new Set([...range.getClientRects()].map((r) => Math.round(r.top))).size;
    });
    assert.equal(lines, 1, "Check it! wraps");
  } finally {
    await pebblix.close();
  }
});

test("Option with a letter on a Mac does what Alt does: the menus, Cheat's Close, the guess and Check it!", async () => {
  const tab = await open("scrambolo", { replaced: LISTS });
  try {
    await dealtLetters(tab);
    await tab.macOption("KeyO", "ø");
    await tab.expectFocus("menuitemradio", "3 To 4 Letters");
    await tab.key("Escape");
    await tab.macOption("KeyH", "˙");
    await tab.expectFocus("menuitem", /^Contents/);
    await tab.key("Escape");
    await tab.macOption("KeyF", "ƒ");
    await tab.expectFocus("menuitem", "Exit");
    // Tab closes the menu and gives the letter back.
    await tab.key("Tab");
    await tab.key("c");
    await tab.until("the Cheat window", (tree) => tree.find((n) => n.focused && n.name === "Hint:"));
    await tab.macOption("KeyC", "ç");
    await tab.until("the Cheat window gone", async () => (await tab.find("dialog", "Cheat")).length === 0);
  } finally {
    await tab.close();
  }
  const pebblix = await open("pebblix", { replaced: LISTS });
  try {
    await pebblix.expectMessage("Pebblix", "Welcome to Pebblix! Do you want instructions?", "Yes");
    await pebblix.key("n");
    await pebblix.expectFocus("textbox", "Given word:");
    await pebblix.macOption("KeyW", "∑");
    await pebblix.expectFocus("textbox", "Word:");
    await pebblix.type("planets");
    // Option+C checks it: the given word itself is refused and stays, selected, with no ç typed.
    await pebblix.macOption("KeyC", "ç");
    await pebblix.until("the refused guess selected", () => pebblix.evaluate(() => {
      const box = document.activeElement;
      return box.value === "planets" && box.selectionStart === 0 && box.selectionEnd === 7;
    }));
  } finally {
    await pebblix.close();
  }
});

test("the site's first page has no WCAG violation, and fits 320 pixels", async () => {
  const tab = await open("", { path: "", window: NARROW });
  try {
    await tab.until("the games' links", async () => (await tab.find("link")).length === 2);
    await tab.expectNoViolations("on the site's first page");
    await expectFits(tab, "the site's first page at 320 pixels");
  } finally {
    await tab.close();
  }
});
