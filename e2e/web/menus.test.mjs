// Both pages' menus are their command table's: every menu, group and item in its place, with its caption, access key, role and shortcut, in Chromium.
import { test } from "node:test";
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { open } from "./browser.mjs";

// The table as the game's own code gives it to the page (e2e/web/menu_entries.cpp).
function tableOf(game) {
  return JSON.parse(execFileSync("node", ["--no-experimental-fetch", process.env.MENU_ENTRIES, game], { encoding: "utf8" }));
}

// The entries in the order a player meets them: each menu's, and a group's right after it.
function inMenuOrder(entries, menu = 0, depth = 0) {
  return entries.filter((entry) => entry.menu === menu).flatMap((entry) => {
    const shown = { depth, caption: entry.caption, role: entry.role, shortcut: entry.shortcut };
    return entry.role === "menu" ? [shown, ...inMenuOrder(entries, entry.id, depth + 1)] : [shown];
  });
}

// What the page shows: the menu bar's buttons, their popups' groups and items, each caption
// with "&" put back before its underlined access key.
function shownMenus() {
  const caption = (element) => [...element.childNodes]
    .map((node) => (node.nodeName === "U" ? `&${node.textContent}` : node.textContent)).join("");
  const inside = (container, depth) => [...container.children].flatMap((child) => {
    if (child.getAttribute("role") === "group") {
      return [{ depth, caption: caption(child.querySelector(".menu-group")), role: "menu", shortcut: "" },
        ...inside(child, depth + 1)];
    }
    if (!child.dataset.item) return [];
    return [{ depth, caption: caption(child.children[1]), role: child.getAttribute("role"),
      shortcut: child.getAttribute("aria-keyshortcuts") || "" }];
  });
  return [...document.querySelectorAll('[role="menubar"] > .menu')].flatMap((menu) => [
    { depth: 0, caption: caption(menu.querySelector("button")), role: "menu", shortcut: "" },
    ...inside(menu.querySelector('[role="menu"]'), 1),
  ]);
}

for (const game of ["scrambolo", "pebblix"]) {
  test(`${game}'s page shows its command table's menus`, async () => {
    const tab = await open(game);
    try {
      await tab.until("the menus built", (tree) => tree.some((n) => n.role === "menuitem" && n.name === "Help"));
      assert.deepEqual(await tab.page.evaluate(shownMenus), inMenuOrder(tableOf(game)));
    } finally {
      await tab.close();
    }
  });
}
