// Scrambolo's page in headless Chromium, and in WebKitGTK: words rebuilt by keys and by buttons, a hint, a range and a time allowed saved, time up, a missing list, storage refused, offline.
import { test } from "node:test";
import assert from "node:assert/strict";
import { open as openChromium, words, engine } from "./browser.mjs";
import { openWebKit } from "./webkit.mjs";

// The paths that matter run in both engines; the rest in Chromium alone.
const open = engine === "webkit" ? openWebKit : openChromium;
const chromiumTest = engine === "webkit" ? () => {} : test;
// The clock in the page's title; WebKitGTK's browsers would read each change of it aloud, and there
// the title keeps the game's name.
const CLOCK_TITLE = engine === "webkit" ? /^Scrambolo!$/ : /^0[12]:\d\d - Scrambolo!$/;

const WORD_LIST = "scrambolo/jmsit32.dll";
// A clock started at twenty minutes, a fraction of a second on: the display steps with the wall
// clock's second.
const TWENTY_MINUTES = /^(20:00|19:59)$/;

// The clock as the player finds it: in the title, "mm:ss - Scrambolo!", or beside the letters alone
// in WebKit, where the title keeps the game's name.
async function clock(tab) {
  if (engine === "webkit") return tab.evaluate(() => document.querySelector(".clock").textContent);
  const title = await tab.title();
  assert.match(title, / - Scrambolo!$/);
  return title.slice(0, -" - Scrambolo!".length);
}

// The captions of the showing letter buttons; none before the window shows.
async function letters(tab) {
  const tree = await tab.tree();
  const group = tree.find((n) => n.role === "toolbar" && n.name === "Letters");
  return group ? tree.filter((n) => n.role === "button" && n.parent === group.id).map((n) => n.name) : [];
}

// Waits for a word dealt onto the buttons: one letter on each.
async function dealt(tab) {
  return tab.until("a word dealt", async () => {
    const row = await letters(tab);
    return row.length >= 3 && row.every((letter) => letter.length === 1) ? row : undefined;
  });
}

async function focusedLetter(tab) {
  const group = (await tab.find("toolbar", "Letters"))[0];
  const buttons = (await tab.tree()).filter((n) => n.role === "button" && n.parent === group.id);
  return buttons.findIndex((n) => n.focused) + 1;
}

// A fresh shuffle of word on the buttons with the focus on the first, and the clock at 02:00 or just under.
async function expectFreshDeal(tab, word) {
  const row = await tab.until(`a fresh shuffle of ${word}`, async () => {
    const now = await letters(tab);
    return [...now].sort().join("") === [...word].sort().join("") && now.join("") !== word ? now : undefined;
  });
  await tab.expectFocus("button", row[0]);
  await tab.pass(300);
  assert.match(await tab.title(), CLOCK_TITLE);
  return row;
}

// Swaps letters with the keyboard, as a player does: Tab or Shift+Tab to a letter, Enter, on to its
// partner, Space. The letters are one row of the page's tab order, the command buttons after them.
async function rebuildByKeys(tab, word) {
  let focus = await focusedLetter(tab);
  for (let place = 1; place <= word.length; place += 1) {
    const row = await letters(tab);
    if (row[place - 1] === word[place - 1]) continue;
    const partner = row.findIndex((letter, index) => index >= place && letter === word[place - 1]) + 1;
    for (const target of [place, partner]) {
      while (focus !== target) {
        await tab.key(target > focus ? "Tab" : "Shift+Tab");
        focus += target > focus ? 1 : -1;
        await tab.expectFocus("button", row[focus - 1]);
      }
      await tab.key(target === place ? "Enter" : "Space");
    }
    const expected = [...row];
    [expected[place - 1], expected[partner - 1]] = [row[partner - 1], row[place - 1]];
    await tab.until(`the letters ${expected.join("")}`, async () => (await letters(tab)).join("") === expected.join(""));
  }
}

// The same with the pointer alone: a press on one letter button, then on the other.
async function rebuildByButtons(tab, word) {
  for (let place = 1; place <= word.length; place += 1) {
    const row = await letters(tab);
    if (row[place - 1] === word[place - 1]) continue;
    const partner = row.findIndex((letter, index) => index >= place && letter === word[place - 1]) + 1;
    await tab.clickLetter(place - 1);
    await tab.clickLetter(partner - 1);
    await tab.until("the swap", async () => (await letters(tab))[place - 1] === word[place - 1]);
  }
}

test("a word rebuilt by keys and one by buttons; a wrong check; the high score box; time up saves the new high score", async () => {
  const tab = await open("scrambolo", {
    replaced: { [WORD_LIST]: await words("lamp.txt") },
    beforeLoad: () => localStorage.setItem("scrambolo/highscore.dat", "1\r\n"),
    clock: true,
  });
  try {
    let row = await expectFreshDeal(tab, "lamp");
    assert.deepEqual((await tab.tree()).filter((n) => n.role === "menuitem").map((n) => n.name), ["File", "Options", "Help"]);
    await tab.expectNoViolations("in play");

    // H tells the saved high score; OK gives the focus back to the same letter.
    await tab.key("Tab");
    await tab.expectFocus("button", row[1]);
    await tab.key("h");
    await tab.expectMessage("High Score", "Your high score is 1 guessed words!");
    await tab.expectNoViolations("with a box up");
    // The page behind the box is out of the keyboard's reach: Tab stays in the box.
    await tab.key("Tab");
    await tab.expectMessage("High Score", "Your high score is 1 guessed words!");
    await tab.key("Enter");
    await tab.noMessage();
    await tab.expectFocus("button", row[1]);

    // A wrong check changes nothing; the rebuilt word deals a fresh shuffle.
    await tab.key("j");
    await tab.pass(2500);
    assert.deepEqual(await letters(tab), row);
    await rebuildByKeys(tab, "lamp");
    await tab.key("j");
    await tab.pass(2500);
    row = await expectFreshDeal(tab, "lamp");

    // The second word by the pointer alone, checked with the Check button.
    await rebuildByButtons(tab, "lamp");
    await tab.click("button", "Check (J)");
    await tab.pass(2500);
    await expectFreshDeal(tab, "lamp");

    // The word's two minutes run out: the score beats the saved one, and is saved at once.
    await tab.pass(119000);
    if (engine !== "webkit") assert.match(await tab.title(), /^00:0[01] - Scrambolo!$/);
    await tab.pass(2000);
    await tab.expectMessage("Time Is Up", "Congradulations! You beat your high score of 1 words! Your new high score is 2 words! The word was lamp. Play again?", "Yes");
    // Esc never answers the question.
    await tab.key("Escape");
    await tab.pass(600);
    await tab.expectMessage("Time Is Up", /Play again\?$/, "Yes");
    await tab.key("Enter");
    await tab.noMessage();
    assert.equal(await tab.saved("scrambolo/highscore.dat"), "2\r\n");
    await expectFreshDeal(tab, "lamp");
  } finally {
    await tab.close();
  }
});

// Frames a second apart, as on a very busy machine: the page lands the game's moves of the focus a
// frame after it asked for them, so a key pressed right after a deal comes before that.
function slowFrames() {
  const nextFrame = globalThis.requestAnimationFrame;
  globalThis.requestAnimationFrame = (then) => nextFrame(() => setTimeout(() => then(performance.now()), 1000));
}

test("a menu opened right after the deal, a hint in the Cheat window, a letter range picked from the menu and saved when the page closes", async () => {
  const tab = await open("scrambolo", { replaced: { [WORD_LIST]: await words("ranges.txt") }, beforeLoad: slowFrames });
  try {
    await dealt(tab);
    // Options, Number Of Letters, 3 To 4 Letters: a word of three or four letters at once. The
    // menu, opened before the deal's move to the first letter has landed, stays open after it.
    await tab.key("Alt+o");
    await tab.pass(1500);
    await tab.expectFocus("menuitemradio", "3 To 4 Letters");
    const checked = (await tab.find("menuitemradio")).filter((n) => n.checked === "true").map((n) => n.name);
    assert.deepEqual(checked, ["All Ranges", "Standard"]);
    await tab.expectNoViolations("with a menu open");
    await tab.key("Enter");
    const row = await tab.until("a word of 3 or 4 letters", async () => {
      const now = await letters(tab);
      return now.length === 3 || now.length === 4 ? now : undefined;
    });
    const word = row.length === 3 ? "cat" : "lamp";
    await tab.expectFocus("button", row[0]);

    await tab.click("button", "Hint (C)");
    const pattern = word === "cat" ? "c**" : "l**p";
    const hint = await tab.until("the hint", (tree) => tree.find((n) => n.focused && n.name === "Hint:"));
    assert.equal(hint.value, pattern);
    assert.ok((await tab.find("dialog", "Cheat")).length === 1);
    await tab.expectNoViolations("with Cheat open");
    await tab.key("Escape");
    await tab.until("the Cheat window gone", async () => (await tab.find("dialog", "Cheat")).length === 0);
    await tab.focusButton("Hint (C)");

    assert.equal(await tab.saved("scrambolo/diff.dat"), null);
    await tab.reload();
    assert.equal(await tab.saved("scrambolo/diff.dat"), "34\r\n");
    await dealt(tab);
    await tab.key("Alt+o");
    const after = (await tab.find("menuitemradio")).filter((n) => n.checked === "true").map((n) => n.name);
    assert.deepEqual(after, ["3 To 4 Letters", "Standard"]);
  } finally {
    await tab.close();
  }
});

test("Ten Times As Long picked by its access key: a new game at twenty minutes with a best of its own, the setting kept for the next visit", async () => {
  const tab = await open("scrambolo", {
    replaced: { [WORD_LIST]: await words("lamp.txt") },
    beforeLoad: () => localStorage.getItem("scrambolo/diff.dat") || localStorage.setItem("scrambolo/highscore.dat", "5\r\n"),
    clock: true,
  });
  const checkedItems = async () => (await tab.find("menuitemradio")).filter((n) => n.checked === "true").map((n) => n.name);
  try {
    await expectFreshDeal(tab, "lamp");
    await tab.key("Alt+o");
    await tab.expectFocus("menuitemradio", "3 To 4 Letters");
    assert.deepEqual(await checkedItems(), ["All Ranges", "Standard"]);
    await tab.key("e");
    await tab.pass(300);
    assert.match(await clock(tab), TWENTY_MINUTES);
    const row = await letters(tab);
    await tab.expectFocus("button", row[0]);
    await tab.key("h");
    await tab.expectMessage("High Score", "Your high score is 0 guessed words!");
    await tab.key("Enter");
    await tab.noMessage();
    await tab.expectFocus("button", row[0]);

    // One word rebuilt; the twenty minutes of the next run out: the best of ten times as long.
    await rebuildByKeys(tab, "lamp");
    await tab.key("j");
    await tab.pass(2500);
    await tab.pass(1199000);
    assert.match(await clock(tab), /^00:0[01]$/);
    await tab.pass(2000);
    await tab.expectMessage("Time Is Up", "Congradulations! You beat your high score of 0 words! Your new high score is 1 words! The word was lamp. Play again?", "Yes");
    await tab.pass(600);
    await tab.key("Enter");
    await tab.noMessage();
    assert.equal(await tab.saved("scrambolo/highscore10.dat"), "1\r\n");
    assert.equal(await tab.saved("scrambolo/highscore.dat"), "5\r\n");
    assert.equal(await tab.saved("scrambolo/timeallowed.dat"), null);

    await tab.reload();
    assert.equal(await tab.saved("scrambolo/timeallowed.dat"), "10\r\n");
    assert.equal(await tab.saved("scrambolo/diff.dat"), "-1\r\n");
    await dealt(tab);
    await tab.pass(300);
    assert.match(await clock(tab), TWENTY_MINUTES);
    await tab.key("Alt+o");
    assert.deepEqual(await checkedItems(), ["All Ranges", "Ten Times As Long"]);
  } finally {
    await tab.close();
  }
});

chromiumTest("a missing word list is named where it was looked for, and the game closes", async () => {
  const tab = await open("scrambolo", { missing: [WORD_LIST] });
  try {
    const folder = `${tab.site.url}scrambolo`;
    await tab.expectMessage("Error", `The word list jmsit32.dll could not be found or read. It was looked for as ${folder}/jmsit32.dll and as ${folder}/jmsit32.dll. The program will now exit.`);
    await tab.key("Enter");
    await tab.expectFocus("link", "Play Scrambolo again");
  } finally {
    await tab.close();
  }
});

chromiumTest("storage that is refused gets the could-not-be-saved box, and the game goes on", async () => {
  const tab = await open("scrambolo", {
    replaced: { [WORD_LIST]: await words("cat.txt") },
    beforeLoad: () => Object.defineProperty(window, "localStorage", {
      get() { throw new DOMException("The user denied access to storage.", "SecurityError"); },
    }),
    clock: true,
  });
  try {
    await expectFreshDeal(tab, "cat");
    await rebuildByKeys(tab, "cat");
    await tab.key("j");
    await tab.pass(2500);
    await expectFreshDeal(tab, "cat");
    await tab.pass(122000);
    await tab.expectMessage("Time Is Up", /^Congradulations! You beat your high score of 0 words!/, "Yes");
    await tab.key("Enter");
    await tab.expectMessage("Scrambolo", "Your high score of 1 words could not be saved in scrambolo/highscore.dat. The high score saved before is kept as it was.");
    await tab.key("Enter");
    await expectFreshDeal(tab, "cat");
  } finally {
    await tab.close();
  }
});

chromiumTest("after a first visit the page plays offline", async () => {
  const tab = await open("scrambolo");
  try {
    await dealt(tab);
    await tab.page.waitForFunction(() => globalThis.offlineReady === true, null, { timeout: 20000 });
    // Without a network the worker answers from the cache.
    await tab.context.setOffline(true);
    await tab.page.reload();
    await dealt(tab);
    await tab.until("the clock in the title", async () => /^0[12]:\d\d - Scrambolo!$/.test(await tab.title()));
  } finally {
    await tab.close();
  }
});

chromiumTest("the one-file page plays from a disk: a word dealt and swapped by buttons, the help text opened from inside it", async () => {
  const tab = await open("scrambolo", { fromDisk: true });
  try {
    const row = await dealt(tab);
    const buttons = tab.page.getByRole("toolbar", { name: "Letters" }).getByRole("button");
    await buttons.nth(0).click();
    await buttons.nth(1).click();
    await tab.until("the first two letters swapped", async () => {
      const now = await letters(tab);
      return now[0] === row[1] && now[1] === row[0];
    });
    const [help] = await Promise.all([tab.page.waitForEvent("popup"), tab.key("F1")]);
    await help.waitForLoadState();
    assert.match(await help.innerText("body"), /^Scrambolo Help\s/);
  } finally {
    await tab.close();
  }
});
