// A game's menu bar in the page: one menu button per menu, its items with their access keys and check marks.
"use strict";

// Captions are written as on the desktop, "&" before the access key. The menus post each chosen
// item to the game and give the focus back to where it was before the menu opened.
globalThis.gameMenus = (() => {
  function plain(caption) {
    return caption.replace("&", "");
  }
  function accessKey(caption) {
    const at = caption.indexOf("&");
    return at >= 0 ? caption[at + 1].toLowerCase() : "";
  }
  // The caption with its access key underlined, as a desktop menu shows it.
  function label(element, caption) {
    const at = caption.indexOf("&");
    if (at < 0) {
      element.textContent = caption;
      return;
    }
    const key = document.createElement("u");
    key.textContent = caption[at + 1];
    element.append(caption.slice(0, at), key, caption.slice(at + 2));
  }

  // The game's window's menu bar, built entry by entry as the game's command table gives them once
  // the game has started: a menu on the bar, a named group of items inside a menu, items in
  // either. Every item picked goes to the game as a Menu event with its id.
  function bar() {
    const element = document.createElement("div");
    element.className = "menu-bar";
    const choose = (id) => gamePort.post("Menu", id);
    element.setAttribute("role", "menubar");
    element.setAttribute("aria-label", "Menus");
    const items = new Map();
    // Where each menu and group puts what sits in it, and the menu on the bar it belongs to.
    const places = new Map();
    const buttons = [];
    // The item of each shortcut key, by the key's name as the page's key events give it.
    const shortcuts = new Map();
    let open = null;
    let focusBefore = null;

    function close(restore) {
      if (!open) return;
      open.popup.hidden = true;
      open.button.setAttribute("aria-expanded", "false");
      open = null;
      if (restore && focusBefore && focusBefore.isConnected) gamePort.restoreFocus(focusBefore);
    }

    function entries(menu) {
      return [...menu.popup.querySelectorAll("[data-item]")];
    }

    function show(menu, focusLast) {
      if (open !== menu) {
        // Where the game has the focus, or is about to put it: a menu opened as the page comes,
        // before the first letter has taken the focus, gives it to that letter when it closes.
        const before = gamePort.claimFocus();
        if (!open && !element.contains(document.activeElement)) focusBefore = before;
        close(false);
      }
      open = menu;
      menu.popup.hidden = false;
      menu.button.setAttribute("aria-expanded", "true");
      const all = entries(menu);
      all[focusLast ? all.length - 1 : 0].focus();
    }

    function pick(id) {
      close(true);
      choose(id);
    }

    function popupKeys(entry, index, event) {
      const all = entries(entry);
      const at = all.indexOf(document.activeElement);
      if (event.key === "ArrowDown" || event.key === "ArrowUp") {
        event.preventDefault();
        all[(at + (event.key === "ArrowDown" ? 1 : all.length - 1)) % all.length].focus();
      } else if (event.key === "ArrowRight" || event.key === "ArrowLeft") {
        event.preventDefault();
        const step = event.key === "ArrowRight" ? 1 : buttons.length - 1;
        show(buttons[(index + step) % buttons.length], false);
      } else if (event.key === "Escape") {
        event.preventDefault();
        close(false);
        entry.button.focus();
      } else if (event.key === "Tab") {
        close(true);
        event.preventDefault();
      } else if (event.key.length === 1 && !event.altKey && !event.ctrlKey && !event.metaKey) {
        const matches = all.filter((item) => item.dataset.key === event.key.toLowerCase());
        if (matches.length === 1) {
          event.preventDefault();
          matches[0].click();
        } else if (matches.length > 1) {
          // An access key shared by several items moves to the next of them, as on the desktop;
          // Enter then chooses it.
          event.preventDefault();
          (matches.find((item) => all.indexOf(item) > at) || matches[0]).focus();
        }
      }
      // The menu's keys are not the game's.
      event.stopPropagation();
    }

    function addMenu(id, caption) {
      const index = buttons.length;
      const button = document.createElement("button");
      button.type = "button";
      label(button, caption);
      button.dataset.key = accessKey(caption);
      button.setAttribute("role", "menuitem");
      button.setAttribute("aria-haspopup", "menu");
      button.setAttribute("aria-expanded", "false");
      const popup = document.createElement("div");
      popup.setAttribute("role", "menu");
      popup.setAttribute("aria-label", plain(caption));
      popup.hidden = true;
      const entry = { button, popup };
      button.addEventListener("click", () => (open === entry ? close(true) : show(entry, false)));
      button.addEventListener("keydown", (event) => {
        if (event.key === "ArrowDown" || event.key === "ArrowUp") {
          event.preventDefault();
          show(entry, event.key === "ArrowUp");
        } else if (event.key === "ArrowRight" || event.key === "ArrowLeft") {
          event.preventDefault();
          const step = event.key === "ArrowRight" ? 1 : buttons.length - 1;
          buttons[(index + step) % buttons.length].button.focus();
        }
      });
      popup.addEventListener("keydown", (event) => popupKeys(entry, index, event));
      popup.addEventListener("focusout", (event) => {
        if (open === entry && !element.contains(event.relatedTarget)) close(false);
      });
      const holder = document.createElement("div");
      holder.className = "menu";
      holder.append(button, popup);
      element.append(holder);
      buttons.push(entry);
      places.set(id, popup);
    }

    // A submenu stands in its menu as a named group of items.
    function addGroup(id, menu, caption) {
      const group = document.createElement("div");
      group.setAttribute("role", "group");
      group.setAttribute("aria-label", plain(caption));
      const heading = document.createElement("div");
      heading.className = "menu-group";
      heading.setAttribute("aria-hidden", "true");
      label(heading, caption);
      group.append(heading);
      places.get(menu).append(group);
      places.set(id, group);
    }

    // role: menuitem, menuitemcheckbox or menuitemradio; shortcut: the name of the key that runs
    // it from anywhere in the window, or "".
    function addItem(id, menu, caption, role, shortcut, checked) {
      const item = document.createElement("button");
      item.type = "button";
      item.dataset.item = String(id);
      item.tabIndex = -1;
      item.setAttribute("role", role);
      if (role !== "menuitem") item.setAttribute("aria-checked", checked ? "true" : "false");
      const mark = document.createElement("span");
      mark.className = "check-mark";
      mark.setAttribute("aria-hidden", "true");
      const text = document.createElement("span");
      label(text, caption);
      item.append(mark, text);
      if (shortcut) {
        const key = document.createElement("span");
        key.className = "shortcut";
        key.textContent = shortcut;
        item.append(key);
        item.setAttribute("aria-keyshortcuts", shortcut);
        shortcuts.set(shortcut, id);
      }
      item.addEventListener("click", () => pick(id));
      item.dataset.key = accessKey(caption);
      places.get(menu).append(item);
      items.set(id, item);
    }

    // Alt (Option on a Mac) and a menu's access key open it, F10 the first one, as on the desktop; a message box
    // up, or a key the page's own controls answer (the hint window's Alt+C), leaves them alone.
    document.addEventListener("keydown", (event) => {
      if (gamePort.messageBoxOpen() || event.defaultPrevented || event.ctrlKey || event.metaKey) return;
      if (event.key === "F10" && !event.altKey) {
        event.preventDefault();
        show(buttons[0], false);
        return;
      }
      if (!event.altKey) return;
      const key = gamePort.accessKeyOf(event);
      const menu = buttons.findIndex((m) => key !== "" && m.button.dataset.key === key);
      if (menu >= 0) {
        event.preventDefault();
        show(buttons[menu], false);
      }
    });

    return {
      element,
      add(id, menu, caption, role, shortcut, checked) {
        if (role === "menu" && menu === 0) addMenu(id, caption);
        else if (role === "menu") addGroup(id, menu, caption);
        else addItem(id, menu, caption, role, shortcut, checked);
      },
      setChecked(id, checked) {
        const item = items.get(id);
        if (item) item.setAttribute("aria-checked", checked ? "true" : "false");
      },
      // The id of the item the key runs from anywhere in the window, if it is a shortcut key.
      shortcutOf(event) {
        if (event.altKey || event.ctrlKey || event.metaKey) return 0;
        return shortcuts.get(event.key) || 0;
      },
    };
  }

  return { bar, label };
})();
