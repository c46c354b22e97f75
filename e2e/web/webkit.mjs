// WebKitGTK's MiniBrowser driven through WebKitWebDriver (Debian's webkit2gtk-driver) on a virtual display, with the same tab as the Chromium suites.
import { spawn } from "node:child_process";
import { createServer } from "node:net";
import { readFile } from "node:fs/promises";
import { join, dirname } from "node:path";
import { fileURLToPath } from "node:url";
import { Tab, siteFolder } from "./browser.mjs";
import { serveSite } from "./site_server.mjs";

const here = dirname(fileURLToPath(import.meta.url));
const MINI_BROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser";
const ELEMENT = "element-6066-11e4-a52e-4f735466cecf";
const CLOCK_STEP_MS = 10000;
// The keys as WebDriver names them.
const KEYS = { Tab: "\uE004", Enter: "\uE007", Escape: "\uE00C", Space: " ", Shift: "\uE008", Alt: "\uE00A",
  Control: "\uE009", F1: "\uE031", F2: "\uE032", F10: "\uE03A" };

async function freePort() {
  const server = createServer();
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  const { port } = server.address();
  await new Promise((resolve) => server.close(resolve));
  return port;
}

// One WebKitWebDriver with one MiniBrowser session.
class Session {
  static async start() {
    const port = await freePort();
    const driver = spawn("WebKitWebDriver", [`--port=${port}`], { stdio: "ignore" });
    const session = new Session(driver, `http://127.0.0.1:${port}`);
    for (let tries = 0; ; tries += 1) {
      try {
        const created = await session.call("POST", "/session", { capabilities: { alwaysMatch: {
          browserName: "MiniBrowser", "webkitgtk:browserOptions": { binary: MINI_BROWSER, args: ["--automation"] } } } });
        session.path = `/session/${created.sessionId}`;
        return session;
      } catch (error) {
        if (tries > 50 || !/ECONNREFUSED|fetch failed/.test(String(error.cause || error))) {
          driver.kill();
          throw error;
        }
        await new Promise((resolve) => setTimeout(resolve, 100));
      }
    }
  }

  constructor(driver, address) {
    this.driver = driver;
    this.address = address;
  }

  async call(method, path, body) {
    const response = await fetch(this.address + path, {
      method, headers: { "Content-Type": "application/json" }, body: body ? JSON.stringify(body) : undefined,
    });
    const answer = await response.json();
    if (!response.ok) throw new Error(`WebDriver ${method} ${path}: ${JSON.stringify(answer.value)}`);
    return answer.value;
  }

  run(script, ...args) {
    return this.call("POST", `${this.path}/execute/sync`, { script, args });
  }

  // A script that ends by calling its last argument, which it is given after args.
  runAsync(script, ...args) {
    return this.call("POST", `${this.path}/execute/async`, { script, args });
  }

  async close() {
    try {
      if (this.path) await this.call("DELETE", this.path);
    } finally {
      this.driver.kill();
    }
  }
}

// The candidates of the page's accessibility tree, in tree order: every control, every element
// with a role, the dialogs; those hidden from screen readers left out. Each with its parent
// among them, its focus, value, check mark, modality and description, and the element itself,
// whose role and name WebKit computes.
const COLLECT = `
  const hidden = (element) => element.closest("[hidden], [aria-hidden=true]") !== null ||
    getComputedStyle(element).display === "none" || getComputedStyle(element).visibility === "hidden";
  const all = [...document.querySelectorAll("button, input, a[href], [role], p.closed")].filter((e) => !hidden(e));
  const focus = document.activeElement;
  return all.map((element) => {
    let parent = element.parentElement;
    while (parent && !all.includes(parent)) parent = parent.parentElement;
    const described = (element.getAttribute("aria-describedby") || "").split(" ").filter(Boolean)
      .map((id) => document.getElementById(id)).filter(Boolean).map((e) => e.textContent).join(" ");
    return { element, parent: parent ? all.indexOf(parent) : -1, focused: element === focus,
      value: "value" in element && element.tagName === "INPUT" ? element.value : undefined,
      checked: element.getAttribute("aria-checked") || undefined, modal: element.getAttribute("aria-modal") === "true",
      disabled: element.disabled === true, description: described.replace(/\\s+/g, " ").trim() };
  });`;

export class WebKitTab extends Tab {
  constructor(session, site) {
    super(null, null, site, []);
    this.session = session;
  }

  // The page changes under the reading (a letter's button is renewed when its letter changes):
  // a reading that met a control gone is read again.
  async tree() {
    for (let tries = 1; ; tries += 1) {
      try {
        return await this.readTree();
      } catch (error) {
        if (tries >= 20 || !/stale element|unknown error|no such element/.test(error.message)) throw error;
      }
    }
  }

  async readTree() {
    const found = await this.session.run(COLLECT);
    return Promise.all(found.map(async (node, index) => {
      const id = node.element[ELEMENT];
      const [role, name] = await Promise.all([
        this.session.call("GET", `${this.session.path}/element/${id}/computedrole`),
        this.session.call("GET", `${this.session.path}/element/${id}/computedlabel`),
      ]);
      return { role, name: name.replace(/\s+/g, " ").trim(), description: node.description, value: node.value,
        focused: node.focused, modal: node.modal, checked: node.checked, disabled: node.disabled, id: index,
        parent: node.parent };
    }));
  }

  // The page's clock is moved in steps shorter than WebDriver's own wait for a script, which
  // runs on the page's timers and so on the test's clock too.
  async pass(ms) {
    if (!this.clocked) {
      await new Promise((resolve) => setTimeout(resolve, ms));
      return;
    }
    for (let left = ms; left > 0; left -= CLOCK_STEP_MS) {
      await this.session.runAsync("globalThis.testClock.runFor(arguments[0]).then(arguments[1]);",
        Math.min(left, CLOCK_STEP_MS));
    }
  }

  saved(key) {
    return this.session.run("return localStorage.getItem(arguments[0]);", key);
  }

  title() {
    return this.session.run("return document.title;");
  }

  // Keys as Playwright names them: "Tab", "Shift+Tab", "Alt+o", "h".
  async key(...keys) {
    for (const chord of keys) {
      const parts = chord.split("+");
      const values = parts.map((part) => KEYS[part] || part);
      const actions = [...values.map((value) => ({ type: "keyDown", value })),
        ...values.reverse().map((value) => ({ type: "keyUp", value }))];
      await this.session.call("POST", `${this.session.path}/actions`, { actions: [{ type: "key", id: "keys", actions }] });
      await this.session.call("DELETE", `${this.session.path}/actions`);
    }
  }

  async type(text) {
    await this.session.call("POST", `${this.session.path}/actions`, { actions: [{ type: "key", id: "keys",
      actions: [...text].flatMap((value) => [{ type: "keyDown", value }, { type: "keyUp", value }]) }] });
  }

  async click(role, name, nth = 0) {
    const found = await this.session.run(COLLECT);
    const matching = [];
    for (const node of found) {
      const id = node.element[ELEMENT];
      const [computedRole, label] = await Promise.all([
        this.session.call("GET", `${this.session.path}/element/${id}/computedrole`),
        this.session.call("GET", `${this.session.path}/element/${id}/computedlabel`),
      ]);
      if (computedRole === role && (name === undefined || label.trim() === name)) matching.push(id);
    }
    if (!matching[nth]) throw new Error(`no ${role} "${name}" to click`);
    await this.session.call("POST", `${this.session.path}/element/${matching[nth]}/click`, {});
  }

  async clickLetter(index) {
    const buttons = await this.session.run(
      "return [...document.querySelectorAll('[role=toolbar] button')].filter((b) => !b.hidden);");
    await this.session.call("POST", `${this.session.path}/element/${buttons[index][ELEMENT]}/click`, {});
  }

  evaluate(fn, arg) {
    return this.session.run(`return (${fn})(arguments[0]);`, arg);
  }

  async reload() {
    await this.session.call("POST", `${this.session.path}/refresh`, {});
  }

  async addScript(path) {
    await this.session.run(await readFile(path, "utf8"));
  }

  async focusButton(name) {
    await this.session.run(
      "[...document.querySelectorAll('button')].find((b) => b.textContent === arguments[0]).focus();", name);
  }
}

// The site served with the given changes, MiniBrowser on one of its pages. The scripts to run
// before the page's own (the test's clock, beforeLoad) go into every page the server sends.
export async function openWebKit(game, { missing = [], replaced = {}, beforeLoad = null, path = "index.html",
  clock = false } = {}) {
  // The page's errors, kept for the end of the test, as the Chromium suites keep them.
  const early = ['addEventListener("error", (event) => sessionStorage.setItem("pageErrors", `${sessionStorage.getItem("pageErrors") || ""}${event.message}; `));'];
  if (clock) early.push(await readFile(join(here, "test_clock.js"), "utf8"));
  if (beforeLoad) early.push(`(${beforeLoad})();`);
  const site = await serveSite(siteFolder, { missing, replaced, pageScript: early.join("\n") });
  let session;
  try {
    session = await Session.start();
  } catch (error) {
    await site.close();
    throw error;
  }
  const tab = new WebKitTab(session, site);
  tab.clocked = clock;
  tab.close = async () => {
    const errors = await session.run('return sessionStorage.getItem("pageErrors");').catch(() => null);
    await session.close();
    await site.close().catch(() => {});
    if (errors) throw new Error(`the page met errors: ${errors}`);
  };
  await session.call("POST", `${session.path}/url`, { url: `${site.url}${game}/${path}` });
  return tab;
}
