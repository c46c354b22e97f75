// Pebblix's page in headless Chromium, and in WebKitGTK: the welcome, a refused and an accepted guess, time up with the best score saved, Sounds and the time allowed saved; double sends, loading, old browsers.
import { test } from "node:test";
import assert from "node:assert/strict";
import { asAnOldBrowser, countCues, oldBrowserStyle, open as openChromium, words, engine } from "./browser.mjs";
import { openWebKit } from "./webkit.mjs";

// The paths that matter run in both engines; the rest in Chromium alone.
const open = engine === "webkit" ? openWebKit : openChromium;
const chromiumTest = engine === "webkit" ? () => {} : test;

const DICTIONARY = "pebblix/mswnby32.dll";

async function givenWord(tab) {
  return tab.until("the given word", (tree) => {
    const box = tree.find((n) => n.role === "textbox" && n.name === "Given word:");
    return box && box.value ? box : undefined;
  });
}

// Keys pressed in turn one every 80 ms of the page's time, as a player typing on as the time runs
// out, until a message box shows and for two seconds after. The page's clock is held by the caller
// and moves on only those 80 ms, so that a busy machine cannot part two keys by more.
async function typeAcrossQuestion(tab, keys) {
  const every = 80;
  if ((await tab.find("dialog")).length > 0) throw new Error("a message box was there before the first key");
  let shownAfter = null;
  for (let pressed = 1; shownAfter === null || pressed <= shownAfter + 2000 / every; pressed += 1) {
    await tab.key(keys[(pressed - 1) % keys.length]);
    await tab.pass(every);
    if (shownAfter === null && (await tab.find("dialog")).length > 0) shownAfter = pressed;
    if (shownAfter === null && pressed * every > 10000) throw new Error("no message box in 10 s of typing");
  }
}

// The welcome question answered No: the window shows with the focus on the given word.
async function pastWelcome(tab) {
  await tab.expectMessage("Pebblix", "Welcome to Pebblix! Do you want instructions?", "Yes");
  await tab.key("n");
  await tab.noMessage();
  const word = await givenWord(tab);
  await tab.expectFocus("textbox", "Given word:");
  return word.value;
}

test("a refused and an accepted guess, then time up typed across: the best score saved, only Enter after a pause plays again", async () => {
  const tab = await open("pebblix", { replaced: { [DICTIONARY]: await words("pebblix-planets.txt") }, clock: true });
  try {
    await tab.expectMessage("Pebblix", "Welcome to Pebblix! Do you want instructions?", "Yes");
    await tab.expectNoViolations("with the welcome box up");
    assert.equal(await pastWelcome(tab), "planets");
    assert.equal(await tab.title(), "Pebblix");
    await tab.expectNoViolations("in play");

    // The given word itself is refused: the guess stays, all of it selected, the focus in it.
    await tab.key("Tab");
    await tab.expectFocus("textbox", "Word:");
    await tab.type("Planets");
    await tab.key("Enter");
    await tab.pass(1500);
    await tab.until("the refused guess selected", () => tab.evaluate(() => {
      const box = document.activeElement;
      return box.value === "planets" && box.selectionStart === 0 && box.selectionEnd === box.value.length;
    }));
    await tab.expectFocus("textbox", "Word:");
    assert.equal((await tab.find("dialog")).filter((n) => n.modal).length, 0);

    // Typing replaces it; an accepted word is reported with its points, then a new word comes.
    await tab.type("  Sent ");
    await tab.key("Enter");
    await tab.pass(1500);
    await tab.expectMessage("Pebblix", "Nice work! You earned 4 points and now have a total of  4points! Get ready for the next word!");
    // The next word's fifteen seconds start once the report is answered, however long the page
    // then takes to show it.
    const reportAnswered = await tab.evaluate(() => Date.now());
    await tab.key("Enter");
    await tab.noMessage();
    await tab.expectFocus("textbox", "Given word:");
    const guess = (await tab.find("textbox", "Word:"))[0];
    assert.equal(guess.value || "", "");

    // The word's time runs out while the player types on: the best score is saved, and neither the
    // letters nor Enter answer the question, however long they go on; after a pause, Enter does.
    await tab.key("Tab");
    await tab.holdTime(reportAnswered + 13000);
    await typeAcrossQuestion(tab, ["n", "Enter"]);
    await tab.releaseTime();
    await tab.expectMessage("Pebblix", "Times up! Sorry, you lose! Your final score was  4. It took you 1 words, so your average score per word is 4. You beat your old high score, which was 0! Play again?", "Yes");
    assert.equal(await tab.saved("pebblix/pebblixscor.dat"), " 4 \r\n");
    await tab.pass(600);
    await tab.key("Enter");
    await tab.noMessage();
    await tab.expectFocus("textbox", "Given word:");
  } finally {
    await tab.close();
  }
});

chromiumTest("a right guess sent twice, or with Enter held, is scored once, in the oldest browsers too", async () => {
  const tab = await open("pebblix", {
    replaced: { [DICTIONARY]: await words("pebblix-planets.txt"), "game.css": await oldBrowserStyle() },
    beforeLoad: [asAnOldBrowser, countCues],
  });
  try {
    await pastWelcome(tab);
    await tab.key("Tab");
    await tab.page.keyboard.type("last");
    // Enter, then Alt+C 150 ms later: the second comes while the right cue plays, before the report.
    await tab.key("Enter");
    await tab.pass(150);
    await tab.key("Alt+c");
    await tab.expectMessage("Pebblix", "Nice work! You earned 4 points and now have a total of  4points! Get ready for the next word!");
    assert.equal(await tab.page.evaluate(() => globalThis.cuesStarted), 1);
    await tab.pass(600);
    await tab.key("Enter");
    await tab.noMessage();
    await tab.expectFocus("textbox", "Given word:");
    await tab.pass(1000);
    assert.equal((await tab.find("dialog")).filter((n) => n.modal).length, 0);

    // Enter held on the next guess: one report, with the total of both words.
    await tab.key("Tab");
    await tab.page.keyboard.type("sent");
    for (let repeat = 0; repeat < 30; repeat += 1) {
      await tab.page.keyboard.down("Enter");
      await tab.pass(30);
    }
    await tab.page.keyboard.up("Enter");
    await tab.expectMessage("Pebblix", "Nice work! You earned 4 points and now have a total of  8points! Get ready for the next word!");
    await tab.pass(600);
    await tab.key("Enter");
    await tab.noMessage();
    await tab.pass(1000);
    assert.equal((await tab.find("dialog")).filter((n) => n.modal).length, 0);
  } finally {
    await tab.close();
  }
});

chromiumTest("a slow first visit says once that the game is loading, and no more once it has come", async () => {
  const tab = await open("pebblix", {
    replaced: { [DICTIONARY]: await words("pebblix-planets.txt") },
    slow: { [DICTIONARY]: 4000 },
    beforeLoad: () => addEventListener("DOMContentLoaded", () => {
      globalThis.statusSaid = [];
      const status = document.getElementById("game-status");
      new MutationObserver(() => globalThis.statusSaid.push(status.textContent)).observe(status, { childList: true });
    }),
  });
  try {
    await tab.until("the status line saying so", async (tree) => tree.some((n) => n.role === "status") &&
      (await tab.page.evaluate(() => document.getElementById("game-status").textContent)) === "Pebblix is loading.");
    await pastWelcome(tab);
    assert.deepEqual(await tab.page.evaluate(() => globalThis.statusSaid), ["Pebblix is loading.", ""]);
  } finally {
    await tab.close();
  }
});

test("Sounds switched off from the menu is saved at once, kept by a tab closed without notice, and read back", async () => {
  const tab = await open("pebblix", {
    replaced: { [DICTIONARY]: await words("pebblix-planets.txt") },
    // A phone ends a tab in the background without telling the page: the game's close never runs.
    beforeLoad: () => addEventListener("pagehide", (event) => event.stopImmediatePropagation()),
  });
  try {
    await pastWelcome(tab);
    await tab.key("Alt+o");
    const sounds = await tab.expectFocus("menuitemcheckbox", "Sounds");
    assert.equal(sounds.checked, "true");
    await tab.expectNoViolations("with a menu open");
    await tab.key("Enter");
    await tab.expectFocus("textbox", "Given word:");
    await tab.reload();
    assert.equal(await tab.saved("pebblix/pebblixoptions.dat"), "#FALSE#\r\n");
    await pastWelcome(tab);
    await tab.key("Alt+o");
    assert.equal((await tab.expectFocus("menuitemcheckbox", "Sounds")).checked, "false");
  } finally {
    await tab.close();
  }
});

test("Five Times As Long picked from the menu: New Game's report, 75 seconds a word, a best of its own, the setting kept", async () => {
  const tab = await open("pebblix", { replaced: { [DICTIONARY]: await words("pebblix-planets.txt") }, clock: true });
  const checkedItems = async () => (await tab.find("menuitemradio")).filter((n) => n.checked === "true").map((n) => n.name);
  try {
    await pastWelcome(tab);
    await tab.key("Alt+o");
    await tab.expectFocus("menuitemcheckbox", "Sounds");
    assert.deepEqual(await checkedItems(), ["Standard"]);
    // S is the access key of Sounds and of Standard: it moves between them and chooses neither.
    await tab.key("s");
    await tab.expectFocus("menuitemradio", "Standard");
    await tab.key("s");
    await tab.expectFocus("menuitemcheckbox", "Sounds");
    await tab.key("f");
    await tab.expectMessage("Pebblix", "New game started. You ended your previous game with 0 points.");
    await tab.key("Enter");
    await tab.noMessage();
    await tab.expectFocus("textbox", "Given word:");

    await tab.key("Tab");
    await tab.type("sent");
    await tab.key("Enter");
    await tab.expectMessage("Pebblix", "Nice work! You earned 4 points and now have a total of  4points! Get ready for the next word!");
    await tab.key("Enter");
    await tab.noMessage();
    await tab.pass(74000);
    assert.equal((await tab.find("dialog")).length, 0);
    await tab.pass(2000);
    await tab.expectMessage("Pebblix", "Times up! Sorry, you lose! Your final score was  4. It took you 1 words, so your average score per word is 4. You beat your old high score, which was 0! Play again?", "Yes");
    assert.equal(await tab.saved("pebblix/pebblixscor5.dat"), " 4 \r\n");
    assert.equal(await tab.saved("pebblix/pebblixscor.dat"), null);
    await tab.pass(600);
    await tab.key("n");
    await tab.expectFocus("link", "Play Pebblix again");
    assert.equal(await tab.saved("pebblix/pebblixtime.dat"), "5\r\n");
    assert.equal(await tab.saved("pebblix/pebblixoptions.dat"), "#TRUE#\r\n");

    await tab.reload();
    await pastWelcome(tab);
    await tab.key("Alt+o");
    assert.deepEqual(await checkedItems(), ["Five Times As Long"]);
  } finally {
    await tab.close();
  }
});

chromiumTest("the one-file page plays from a disk, in the oldest browsers too: its own dictionary read, the given word itself refused", async () => {
  const tab = await open("pebblix", { fromDisk: true, beforeLoad: asAnOldBrowser });
  try {
    const word = await pastWelcome(tab);
    assert.ok(word.length >= 5);
    await tab.key("Tab");
    await tab.type(word);
    await tab.key("Enter");
    await tab.until("the refused guess selected", () => tab.evaluate((given) => {
      const box = document.activeElement;
      return box.value === given && box.selectionStart === 0 && box.selectionEnd === given.length;
    }, word));
    // No box came: a box closed a moment ago stays in the screen reader's view, no longer modal.
    assert.equal((await tab.find("dialog")).filter((n) => n.modal).length, 0);
  } finally {
    await tab.close();
  }
});
