// Scrambolo's page in headless Chromium, and in WebKitGTK: words rebuilt by keys and by buttons, a hint, a range and a time allowed saved, time up, a missing list, storage refused, offline; held keys, boxes, tabs, new builds and old browsers.
import { test } from "node:test";
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { cp, mkdtemp, readFile, rm, utimes, writeFile } from "node:fs/promises";
import { tmpdir } from "node:os";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";
import { asAnOldBrowser, countCues, oldBrowserStyle, open as openChromium, siteFolder, words, engine } from "./browser.mjs";
import { openWebKit } from "./webkit.mjs";
import { packedAsOnTheSite, serveSite, sitePath } from "./site_server.mjs";

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

chromiumTest("J held for 3 s on a wrong word: a buzzer for every J, and the game still answers afterwards", async () => {
  const tab = await open("scrambolo", { replaced: { [WORD_LIST]: await words("lamp.txt") } });
  try {
    const row = await expectFreshDeal(tab, "lamp");
    await tab.page.evaluate(countCues);
    // A held key repeats about thirty times a second; each J checks the wrong word again inside
    // the buzzer's pause of the one before.
    const held = Date.now() + 3000;
    let presses = 0;
    while (Date.now() < held) {
      await tab.page.keyboard.down("j");
      presses += 1;
      await tab.pass(30);
    }
    await tab.page.keyboard.up("j");
    await tab.until("a buzzer for every J", () => tab.page.evaluate((n) => globalThis.cuesStarted >= n, presses));
    assert.deepEqual(await letters(tab), row);
    // The last pause ends within two seconds; then the word is rebuilt, checked and the next dealt.
    await tab.pass(2100);
    await rebuildByKeys(tab, "lamp");
    await tab.key("j");
    await expectFreshDeal(tab, "lamp");
  } finally {
    await tab.close();
  }
});

chromiumTest("nothing reaches the window behind a box, in the oldest browsers too; their cues sound", async () => {
  const tab = await open("scrambolo", {
    replaced: { [WORD_LIST]: await words("lamp.txt"), "game.css": await oldBrowserStyle() },
    beforeLoad: [asAnOldBrowser, countCues],
  });
  try {
    const row = await expectFreshDeal(tab, "lamp");
    await tab.key("h");
    await tab.expectMessage("High Score", "Your high score is 0 guessed words!");
    const buttons = tab.page.getByRole("toolbar", { name: "Letters" }).getByRole("button");
    // A screen reader's activation is a click sent to the control itself, wherever the focus is.
    await buttons.nth(0).dispatchEvent("click");
    await buttons.nth(1).dispatchEvent("click");
    await tab.page.getByRole("button", { name: "Check (J)" }).dispatchEvent("click");
    // A tap on a letter lands on the cover over the page.
    const place = await buttons.nth(2).boundingBox();
    const [x, y] = [place.x + place.width / 2, place.y + place.height / 2];
    assert.equal(await tab.page.evaluate(([atX, atY]) => document.elementFromPoint(atX, atY).className, [x, y]),
      "modal-cover");
    await tab.page.mouse.click(x, y);
    await tab.pass(500);
    await tab.expectMessage("High Score", "Your high score is 0 guessed words!");
    assert.deepEqual(await letters(tab), row);
    await tab.key("Enter");
    await tab.noMessage();
    await tab.expectFocus("button", row[0]);
    // No half swap was left behind: the next two presses swap the second and third letters.
    await buttons.nth(1).click();
    await buttons.nth(2).click();
    const swapped = [row[0], row[2], row[1], row[3]];
    await tab.until(`the letters ${swapped.join("")}`, async () => (await letters(tab)).join("") === swapped.join(""));
    const cues = await tab.page.evaluate(() => globalThis.cuesStarted);
    await rebuildByKeys(tab, "lamp");
    await tab.key("j");
    await expectFreshDeal(tab, "lamp");
    assert.ok(await tab.page.evaluate((before) => globalThis.cuesStarted > before, cues), "no bell or click was heard");
  } finally {
    await tab.close();
  }
});

test("a menu opened right after the deal, a hint in the Cheat window, a letter range picked from the menu and saved at once, kept by a tab closed without notice", async () => {
  const tab = await open("scrambolo", {
    replaced: { [WORD_LIST]: await words("ranges.txt") },
    // A phone ends a tab in the background without telling the page: the game's close never runs.
    beforeLoad: [slowFrames, () => addEventListener("pagehide", (event) => event.stopImmediatePropagation())],
  });
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
    // Saved when picked, as a tab may be ended without notice.
    assert.equal(await tab.saved("scrambolo/timeallowed.dat"), "10\r\n");

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

// Plays one word right, then lets its two minutes run out: the end question is up.
async function oneWordThenTimeUp(tab) {
  await expectFreshDeal(tab, "cat");
  await rebuildByKeys(tab, "cat");
  await tab.key("j");
  await tab.pass(2500);
  await expectFreshDeal(tab, "cat");
  await tab.pass(122000);
}

chromiumTest("a better score saved by another tab while the end question is up is kept, and told by H", async () => {
  const tab = await open("scrambolo", { replaced: { [WORD_LIST]: await words("cat.txt") }, clock: true });
  try {
    await oneWordThenTimeUp(tab);
    await tab.expectMessage("Time Is Up", /^Congradulations! You beat your high score of 0 words! Your new high score is 1 words!/, "Yes");
    // Another tab of the same site ends a game of 3 meanwhile.
    const other = await tab.context.newPage();
    await other.goto(`${tab.site.url}index.html`);
    await other.evaluate(() => localStorage.setItem("scrambolo/highscore.dat", "3\r\n"));
    await other.close();
    await tab.key("Enter");
    await tab.noMessage();
    assert.equal(await tab.saved("scrambolo/highscore.dat"), "3\r\n");
    await expectFreshDeal(tab, "cat");
    await tab.key("h");
    await tab.expectMessage("High Score", "Your high score is 3 guessed words!");
  } finally {
    await tab.close();
  }
});

chromiumTest("a saved score that cannot be read is never written over, and the player is told", async () => {
  const tab = await open("scrambolo", {
    replaced: { [WORD_LIST]: await words("cat.txt") },
    beforeLoad: () => {
      localStorage.setItem("scrambolo/highscore.dat", "5\r\n");
      const getItem = Storage.prototype.getItem;
      Storage.prototype.getItem = function (key) {
        if (key === "scrambolo/highscore.dat") throw new DOMException("The disk failed to read.", "UnknownError");
        return getItem.call(this, key);
      };
    },
    clock: true,
  });
  try {
    await oneWordThenTimeUp(tab);
    await tab.expectMessage("Time Is Up", /^Congradulations! You beat your high score of 0 words!/, "Yes");
    await tab.key("Enter");
    await tab.expectMessage("Scrambolo", "Your high score of 1 words was not saved: the file scrambolo/highscore.dat could not be read, so it was left as it was.");
    await tab.key("Enter");
    await expectFreshDeal(tab, "cat");
    const stored = await tab.page.evaluate(() => localStorage.valueOf()["scrambolo/highscore.dat"]);
    assert.equal(stored, "5\r\n");
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

chromiumTest("a browser without WebAssembly, a missing program and a missing or cut WebAssembly are told, with what to do", async () => {
  const cases = [
    { beforeLoad: () => delete globalThis.WebAssembly, error: /WebAssembly is not defined/,
      said: "Scrambolo cannot start in this browser: it needs WebAssembly, which is switched off or missing here. " +
        "On an iPhone, iPad or Mac, Lockdown Mode switches it off: turn Lockdown Mode off for this website in " +
        "Safari's settings for the website, or play in another browser." },
    { missing: ["scrambolo/scrambolo.wasm"], error: /scrambolo\.wasm\.packed could not be fetched/ },
    { replaced: { "scrambolo/scrambolo.wasm": Buffer.from("\0asm\x01\0\0\0\x01") }, error: /CompileError/ },
    // Its packed form broken: it does not inflate.
    { replaced: { "scrambolo/scrambolo.wasm.packed": Buffer.from("\0asm\x01\0\0\0\x01") }, error: /^Aborted\(/ },
    { missing: ["scrambolo/scrambolo.js"] },
  ];
  for (const { error, said, ...change } of cases) {
    const tab = await open("scrambolo", change);
    try {
      await tab.expectMessage("Scrambolo", said || "Scrambolo could not start: its program did not arrive whole. " +
        "Check that this device is online, then load the page again.", "Load Scrambolo again");
      assert.deepEqual(await letters(tab), []);
      // The program's own report of what stopped it, and nothing else.
      assert.ok(tab.errors.every((message) => error && error.test(message)), tab.errors.join("; "));
      tab.errors.length = 0;
    } finally {
      await tab.close();
    }
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
    // A setting that cannot be saved is told when it is picked, where the player hears it.
    await expectFreshDeal(tab, "cat");
    await tab.key("Alt+o");
    await tab.expectFocus("menuitemradio", "3 To 4 Letters");
    await tab.key("Enter");
    await tab.expectMessage("Scrambolo", "The number of letters you chose could not be saved in scrambolo/diff.dat. The setting saved before is kept as it was.");
    await tab.key("Enter");
    await tab.noMessage();
    await oneWordThenTimeUp(tab);
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

// --- A new build put on the host behind the offline worker.

const STAMP_WORKER = join(dirname(fileURLToPath(import.meta.url)), "..", "..", "common", "web", "stamp_worker.py");
const PAGE = "scrambolo/index.html";

// A build of the site in a folder of its own: the built site with Scrambolo's word list and a mark
// in its page naming the build, its files a month old, its worker stamped for these files.
async function siteBuild(list, mark) {
  const folder = await mkdtemp(join(tmpdir(), "site-"));
  await cp(siteFolder, folder, { recursive: true });
  await deploy(folder, list, mark, new Date(Date.now() - 30 * 86400 * 1000));
  return folder;
}

// Puts a new build's word list and page in place, its worker stamped again; returns the build's id.
async function deploy(folder, list, mark, time = new Date()) {
  await writeFile(join(folder, sitePath(WORD_LIST)), packedAsOnTheSite(WORD_LIST, await words(list)));
  const page = (await readFile(join(siteFolder, PAGE), "utf8")).replace("<head>", `<head>\n<meta name="build" content="${mark}">`);
  await writeFile(join(folder, PAGE), page);
  execFileSync("python3", [STAMP_WORKER, folder, join(folder, "service-worker.js")]);
  if (time) {
    for (const file of [sitePath(WORD_LIST), PAGE, "service-worker.js"]) await utimes(join(folder, file), time, time);
  }
  return JSON.parse(/^const build = (.*);$/m.exec(await readFile(join(folder, "service-worker.js"), "utf8"))[1]).id;
}

// The page's build mark and its dealt word's letters, sorted: a page of one build shows that
// build's word.
async function playedBuild(tab) {
  const row = await dealt(tab);
  const mark = await tab.page.evaluate(() => (document.querySelector('meta[name="build"]') || {}).content);
  return `${mark} ${[...row].sort().join("")}`;
}

// Asks the browser to look for a new worker, lets a new one install (or fail), then returns the
// build id of the worker in use, or null when the worker in use does not say.
async function buildInUse(tab) {
  return tab.page.evaluate(async () => {
    const registration = await navigator.serviceWorker.getRegistration();
    await registration.update().catch(() => {});
    const worker = registration.installing || registration.waiting;
    if (worker && worker.state !== "activated" && worker.state !== "redundant") {
      await new Promise((resolve) => worker.addEventListener("statechange", () => {
        if (worker.state === "activated" || worker.state === "redundant") resolve();
      }));
    }
    const active = (await navigator.serviceWorker.getRegistration()).active;
    return new Promise((resolve) => {
      navigator.serviceWorker.addEventListener("message", (event) => resolve(event.data.offline || null));
      active.postMessage("offline?");
      setTimeout(() => resolve(null), 3000);
    });
  });
}

chromiumTest("a new build reaches a returning player whole, on a host that sends only Last-Modified, even after a download cut short", async () => {
  const folder = await siteBuild("cat.txt", "old");
  const site = await serveSite(folder, { lastModified: true });
  const tab = await open("scrambolo", { served: site });
  try {
    assert.equal(await playedBuild(tab), "old act");
    await tab.page.waitForFunction(() => globalThis.offlineReady === true, null, { timeout: 20000 });
    const oldId = await buildInUse(tab);
    const id = await deploy(folder, "lamp.txt", "new");

    // The player leaves while the new build's word list is still coming: the old one plays whole,
    // online and offline.
    site.cut = [WORD_LIST];
    await tab.page.goto(`${site.url}${PAGE}`);
    assert.equal(await playedBuild(tab), "old act");
    assert.equal(await buildInUse(tab), oldId);
    await tab.page.goto(`${site.url}${PAGE}`);
    assert.equal(await playedBuild(tab), "old act");
    await tab.context.setOffline(true);
    await tab.page.reload();
    assert.equal(await playedBuild(tab), "old act");

    // Online with the download whole, the next visit fetches the new build past the browser's
    // cache, which still holds the old page as fresh, and the visit after plays it whole.
    await tab.context.setOffline(false);
    site.cut = [];
    await tab.page.goto(`${site.url}${PAGE}`);
    assert.equal(await buildInUse(tab), id);
    await tab.page.goto(`${site.url}${PAGE}`);
    assert.equal(await playedBuild(tab), "new almp");
    await tab.context.setOffline(true);
    await tab.page.reload();
    assert.equal(await playedBuild(tab), "new almp");
    // The player hears the first letter before playing.
    await tab.expectFocus("button", (await letters(tab))[0]);
    await rebuildByKeys(tab, "lamp");
    await tab.key("j");
    await expectFreshDeal(tab, "lamp");
  } finally {
    await tab.close();
    await site.close();
    await rm(folder, { recursive: true });
  }
});

chromiumTest("the one-file page plays from a disk, in the oldest browsers too: a word dealt and swapped by buttons, the help text opened from inside it", async () => {
  const tab = await open("scrambolo", { fromDisk: true, beforeLoad: asAnOldBrowser });
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
