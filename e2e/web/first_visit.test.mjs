// What a first visit fetches from a host that compresses nothing, in headless Chromium: each page's files until the game shows, at most 300 KB, the word list and the program packed; and the dictionary read whole from its packed form.
import { test } from "node:test";
import assert from "node:assert/strict";
import { readFile } from "node:fs/promises";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";
import { open } from "./browser.mjs";

// The most a first visit of either page may fetch, as a host that compresses nothing sends it.
const FIRST_VISIT_BYTES = 300 * 1024;
const here = dirname(fileURLToPath(import.meta.url));

// The page opened as on a first visit, the offline worker held back (it keeps the rest of the
// site a moment later); resolves with the files served until the game has shown and the page has
// nothing more to fetch.
async function firstVisit(game, shown) {
  const tab = await open(game, { window: { serviceWorkers: "block" } });
  await tab.until(`${game} shown`, shown, 30);
  await tab.page.waitForLoadState("networkidle");
  return { tab, files: [...tab.site.served] };
}

const total = (files) => files.reduce((sum, file) => sum + file.bytes, 0);
const listed = (files) => files.map((file) => `${file.path} ${file.bytes}`).join(", ");

for (const [game, list, shown] of [
  ["scrambolo", "jmsit32", async (tree) => tree.some((n) => n.role === "button" && n.focused && n.name.length === 1)],
  ["pebblix", "mswnby32", async (tree) => tree.some((n) => n.role === "dialog" && n.name === "Pebblix")],
]) {
  test(`a first visit of ${game} fetches at most 300 KB as a host that compresses nothing sends it, its word list and program packed`, async () => {
    const { tab, files } = await firstVisit(game, shown);
    try {
      const paths = files.map((file) => file.path);
      for (const packed of [`${game}/${list}.words`, `${game}/${game}.wasm.packed`, `${game}/${game}.js`, `${game}/index.html`]) {
        assert.equal(paths.filter((path) => path === packed).length, 1, `${packed} fetched once: ${listed(files)}`);
      }
      assert.ok(!paths.some((path) => /\.(dll|wasm)$/.test(path)), listed(files));
      assert.ok(total(files) <= FIRST_VISIT_BYTES, `${total(files)} bytes: ${listed(files)}`);
    } finally {
      await tab.close();
    }
  });
}

// A word the dictionary holds that Pebblix takes for the given word: of its letters, none used more
// often than the given word has it, shorter, neither the word itself nor it without an ending.
function acceptedGuess(dictionary, given) {
  const counts = (word) => [...word].reduce((count, letter) => count.set(letter, (count.get(letter) || 0) + 1), new Map());
  const have = counts(given);
  const stems = new Set([given.slice(0, -1), given.slice(0, -2)]);
  return dictionary.find((word) => word.length >= 3 && word.length < given.length && !stems.has(word) &&
    [...counts(word)].every(([letter, count]) => (have.get(letter) || 0) >= count));
}

test("Pebblix reads its whole dictionary from the packed form: a word of it made from the given word scores", async () => {
  const dictionary = (await readFile(join(here, "..", "..", "data", "mswnby32.dll"), "latin1")).split("\r\n");
  const tab = await open("pebblix", { window: { serviceWorkers: "block" } });
  try {
    await tab.expectMessage("Pebblix", "Welcome to Pebblix! Do you want instructions?", "Yes");
    await tab.key("n");
    await tab.noMessage();
    const given = await tab.until("the given word", (tree) => {
      const box = tree.find((n) => n.role === "textbox" && n.name === "Given word:");
      return box && box.value ? box.value : undefined;
    });
    // The last word of the list it holds, read whole, stands for the rest of it: a list cut short
    // would not have it.
    const guess = acceptedGuess([...dictionary].reverse(), given);
    assert.ok(guess, `no word of the dictionary is made from ${given}`);
    await tab.key("Tab");
    await tab.type(guess);
    await tab.key("Enter");
    await tab.expectMessage("Pebblix", new RegExp(`^Nice work! You earned ${guess.length} points`), "OK");
  } finally {
    await tab.close();
  }
});
