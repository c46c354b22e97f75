// Debian's Chromium driven headless, the page read as a screen reader gets it: roles, names, focus and modality; the tab every suite drives.
import { chromium } from "playwright-core";
import { readFile } from "node:fs/promises";
import { join, dirname } from "node:path";
import { fileURLToPath } from "node:url";
import { serveSite } from "./site_server.mjs";
import assert from "node:assert/strict";

const here = dirname(fileURLToPath(import.meta.url));
export const siteFolder = process.env.WEB_SITE || join(here, "..", "..", "build", "web", "site");
export const oneFileFolder = process.env.WEB_ONE_FILE || join(siteFolder, "..", "one-file");
export const wordsFolder = join(here, "..", "words");
const AXE = join(here, "node_modules", "axe-core", "axe.min.js");

// The engine the suites run in: Chromium (playwright-core), or WebKitGTK (WEB_ENGINE=webkit, webkit.mjs).
export const engine = process.env.WEB_ENGINE || "chromium";

// As root and in a container Chromium needs its sandbox off; sound may play before any key.
export const chromiumFlags = ["--no-sandbox", "--autoplay-policy=no-user-gesture-required"];

// Debian's Chromium, headless.
export function launchChromium() {
  return chromium.launch({ executablePath: "/usr/bin/chromium", args: chromiumFlags });
}

export async function words(name) {
  return readFile(join(wordsFolder, name));
}

// The site served with the given changes, a browser and one page on it; closed by close().
// With clock, the page's time stands still from the start and moves only as the test moves it.
// From disk, the game's one-file page is opened from its file instead, with no server at all.
// The window is Playwright's context options: a viewport, a device scale (a zoom), a touch screen.
// With served, the page is opened on a site the test serves itself (and closes itself). Each
// script of beforeLoad (one or a list) runs in the page before the page's own.
export async function open(game, { missing = [], replaced = {}, slow = {}, beforeLoad = null, path = "index.html",
  clock = false, fromDisk = false, served = null, window = {} } = {}) {
  const site = fromDisk ? { url: null, close: async () => {} }
    : served ? { ...served, close: async () => {} } : await serveSite(siteFolder, { missing, replaced, slow });
  const browser = await launchChromium();
  const context = await browser.newContext(window);
  for (const script of [].concat(beforeLoad || [])) await context.addInitScript(script);
  const page = await context.newPage();
  if (clock) await page.clock.install();
  const errors = [];
  page.on("pageerror", (error) => errors.push(error.message));
  const session = await context.newCDPSession(page);
  await session.send("Accessibility.enable");
  const tab = new Tab(page, session, site, errors);
  tab.context = context;
  tab.clocked = clock;
  tab.close = async () => {
    await browser.close();
    await site.close().catch(() => {});
    if (errors.length > 0) throw new Error(`the page met errors: ${errors.join("; ")}`);
  };
  await page.goto(fromDisk ? `file://${join(oneFileFolder, `${game}.html`)}` : `${site.url}${game}${path ? `/${path}` : ""}`);
  return tab;
}

// Makes the page's browser as old as the oldest the README names (Safari 15, Chrome 94, Firefox
// 91): what came later is taken away before the page runs, and the Web Audio API is left only
// under Safari's old name, decoding with callbacks alone. (Element.checkVisibility stays: the
// test driver's own queries use it; the pages do not.)
export function asAnOldBrowser() {
  const remove = (owner, ...names) => names.forEach((name) => delete owner[name]);
  remove(Object, "hasOwn", "groupBy");
  remove(Map, "groupBy");
  remove(Promise, "withResolvers");
  remove(URL, "canParse");
  remove(AbortSignal, "timeout", "any");
  remove(globalThis, "structuredClone", "HTMLDialogElement", "requestIdleCallback", "DecompressionStream");
  remove(Array.prototype, "at", "findLast", "findLastIndex", "toSorted", "toReversed", "toSpliced", "with");
  remove(Object.getPrototypeOf(Uint8Array.prototype), "at", "findLast", "findLastIndex", "toSorted", "toReversed", "with");
  remove(String.prototype, "at", "replaceAll", "isWellFormed", "toWellFormed");
  remove(HTMLFormElement.prototype, "requestSubmit");
  remove(HTMLElement.prototype, "inert", "showPopover", "hidePopover", "togglePopover");
  remove(Crypto.prototype, "randomUUID");
  remove(Navigator.prototype, "userActivation");
  const Current = globalThis.AudioContext;
  delete globalThis.AudioContext;
  globalThis.webkitAudioContext = class extends Current {
    decodeAudioData(data, decoded, failed) {
      super.decodeAudioData(data).then(decoded, failed);
    }
  };
}

// Counts in cuesStarted the cues the page starts playing.
export function countCues() {
  globalThis.cuesStarted = 0;
  const start = AudioBufferSourceNode.prototype.start;
  AudioBufferSourceNode.prototype.start = function (...args) {
    globalThis.cuesStarted += 1;
    return start.apply(this, args);
  };
}

// The site's style as the oldest browsers read it: they drop a declaration of a property they do
// not know (inset) and a whole rule whose selector they cannot read (:focus-visible, :has).
export async function oldBrowserStyle() {
  const css = await readFile(join(siteFolder, "game.css"), "utf8");
  return Buffer.from(css
    .replace(/[^{}]*(:focus-visible|:has\()[^{}]*\{[^}]*\}/g, "")
    .replace(/(^|[{;\s])inset\s*:[^;}]*;?/g, "$1"));
}

function property(node, name) {
  const found = (node.properties || []).find((p) => p.name === name);
  return found ? found.value.value : undefined;
}

// One object of the accessibility tree, as a screen reader reads it.
function describe(node) {
  return {
    role: node.role ? node.role.value : "",
    name: node.name ? node.name.value : "",
    description: node.description ? node.description.value : "",
    value: node.value ? node.value.value : undefined,
    focused: property(node, "focused") === true,
    modal: property(node, "modal") === true,
    checked: property(node, "checked"),
    disabled: property(node, "disabled") === true,
    id: node.nodeId,
    parent: node.parentId,
  };
}

export class Tab {
  constructor(page, session, site, errors) {
    this.page = page;
    this.session = session;
    this.site = site;
    this.errors = errors;
  }

  // Every object the accessibility tree shows (ignored ones left out), in tree order.
  async tree() {
    const { nodes } = await this.session.send("Accessibility.getFullAXTree");
    return nodes.filter((node) => !node.ignored).map(describe);
  }

  async find(role, name) {
    return (await this.tree()).filter((n) => n.role === role && (name === undefined || matches(name, n.name)));
  }

  // Waits until the condition, given the tree, returns something other than undefined or false.
  async until(what, condition, seconds = 10) {
    const deadline = Date.now() + seconds * 1000;
    let last;
    for (;;) {
      last = await this.tree();
      const result = await condition(last);
      if (result !== undefined && result !== false) return result;
      if (Date.now() > deadline) {
        const focus = last.filter((n) => n.focused).map((n) => `${n.role} "${n.name}"`);
        const boxes = last.filter((n) => n.role === "dialog").map((n) => `"${n.name}": ${JSON.stringify(n.description)}`);
        throw new Error(`timed out after ${seconds} s waiting for ${what}; the focus is on ${focus.join(", ") || "nothing"}` +
          (boxes.length > 0 ? `; dialogs ${boxes.join(", ")}` : ""));
      }
      // The page's time moves on while the test waits, its own clock too.
      await this.pass(50);
    }
  }

  async focused() {
    return (await this.tree()).filter((n) => n.focused).pop();
  }

  async expectFocus(role, name, seconds = 10) {
    return this.until(`the focus on ${role} "${name}"`, (tree) => {
      const focus = tree.filter((n) => n.focused).pop();
      return focus && focus.role === role && matches(name, focus.name) ? focus : undefined;
    }, seconds);
  }

  // Waits for a message box: a modal dialog named by its title, described by its text, with the
  // focus on its default button and no other modal dialog up.
  async expectMessage(title, text, button = "OK") {
    return this.until(`the message box "${title}": ${text}`, (tree) => {
      const dialogs = tree.filter((n) => n.role === "dialog" && n.modal);
      const focus = tree.filter((n) => n.focused).pop();
      if (dialogs.length !== 1 || !focus) return undefined;
      const [box] = dialogs;
      // The tree gives a run of blanks or line ends as one blank, as a screen reader reads it.
      const want = typeof text === "string" ? text.replace(/\s+/g, " ") : text;
      return box.name === title && matches(want, box.description) && focus.role === "button" && focus.name === button
        ? box : undefined;
    });
  }

  async noMessage() {
    return this.until("no message box", (tree) => !tree.some((n) => n.role === "dialog" && n.modal));
  }

  // Lets the page's time pass: the test's clock moved on, or real time waited out.
  async pass(ms) {
    if (this.clocked) await this.page.clock.runFor(ms);
    else await new Promise((resolve) => setTimeout(resolve, ms));
  }

  // Holds the page's time at the moment given (as the page's Date.now() counts it): from then on
  // it moves only as the test moves it, until released.
  async holdTime(at) {
    await this.page.clock.pauseAt(at);
  }

  async releaseTime() {
    await this.page.clock.resume();
  }

  async saved(key) {
    return this.page.evaluate((name) => localStorage.getItem(name), key);
  }

  async title() {
    return this.page.title();
  }

  async key(...keys) {
    for (const key of keys) await this.page.keyboard.press(key);
  }

  async type(text) {
    await this.page.keyboard.type(text);
  }

  // A click on the nth control of this role and name.
  async click(role, name, nth = 0) {
    await this.page.getByRole(role, { name, exact: true }).nth(nth).click();
  }

  // A click on Scrambolo's letter button at index (from 0) of those showing.
  async clickLetter(index) {
    await this.page.getByRole("toolbar", { name: "Letters" }).getByRole("button").nth(index).click();
  }

  async focusButton(name) {
    await this.page.getByRole("button", { name, exact: true }).focus();
  }

  evaluate(fn, arg) {
    return this.page.evaluate(fn, arg);
  }

  async reload() {
    await this.page.reload();
  }

  // A key pressed with Option on a Mac: the character Option makes of it as the key, the key's
  // place as the code ("ø" and "KeyO" for Option+O).
  async macOption(code, typed) {
    const keyCode = code.charCodeAt(3);
    const alt = { modifiers: 1, key: "Alt", code: "AltLeft", windowsVirtualKeyCode: 18 };
    await this.session.send("Input.dispatchKeyEvent", { type: "rawKeyDown", ...alt });
    await this.session.send("Input.dispatchKeyEvent", { type: "keyDown", modifiers: 1, key: typed, code, text: typed,
      windowsVirtualKeyCode: keyCode });
    await this.session.send("Input.dispatchKeyEvent", { type: "keyUp", modifiers: 1, key: typed, code,
      windowsVirtualKeyCode: keyCode });
    await this.session.send("Input.dispatchKeyEvent", { type: "keyUp", ...alt, modifiers: 0 });
  }

  async addScript(path) {
    await this.page.addScriptTag({ path });
  }

  // The WCAG 2 A and AA rules of axe-core on the page as it stands; a violation fails the test.
  // The scan runs on the page's timers, so the page's time passes while it runs.
  async expectNoViolations(state) {
    await this.addScript(AXE);
    await this.evaluate(() => {
      globalThis.scanned = null;
      globalThis.axe.run(document, { runOnly: { type: "tag", values: ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa",
        "wcag22aa"] } }).then((found) => {
        globalThis.scanned = { passes: found.passes.length,
          violations: found.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(" ")).join(", ")}`) };
      });
    });
    let scanned = null;
    while (!(scanned = await this.evaluate(() => globalThis.scanned))) await this.pass(20);
    assert.deepEqual(scanned.violations, [], `axe-core found violations ${state}`);
    assert.ok(scanned.passes > 0, `axe-core checked nothing ${state}`);
  }
}

export function matches(want, text) {
  return want instanceof RegExp ? want.test(text) : want === text;
}
