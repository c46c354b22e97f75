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

  function build(bar, menus, choose) {
    bar.setAttribute("role", "menubar");
    bar.setAttribute("aria-label", "Menus");
    const items = new Map();
    const buttons = [];
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
        if (!open && !bar.contains(document.activeElement)) focusBefore = before;
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

    menus.forEach((menu, index) => {
      const button = document.createElement("button");
      button.type = "button";
      label(button, menu.caption);
      button.setAttribute("role", "menuitem");
      button.setAttribute("aria-haspopup", "menu");
      button.setAttribute("aria-expanded", "false");
      const popup = document.createElement("div");
      popup.setAttribute("role", "menu");
      popup.setAttribute("aria-label", plain(menu.caption));
      popup.hidden = true;
      const entry = { button, popup };

      const addItem = (parent, item) => {
        const element = document.createElement("button");
        element.type = "button";
        element.dataset.item = String(item.id);
        element.tabIndex = -1;
        element.setAttribute("role", item.check ? item.check : "menuitem");
        if (item.check) element.setAttribute("aria-checked", "false");
        const mark = document.createElement("span");
        mark.className = "check-mark";
        mark.setAttribute("aria-hidden", "true");
        const caption = document.createElement("span");
        label(caption, item.caption);
        element.append(mark, caption);
        if (item.shortcut) {
          const shortcut = document.createElement("span");
          shortcut.className = "shortcut";
          shortcut.textContent = item.shortcut;
          element.append(shortcut);
          element.setAttribute("aria-keyshortcuts", item.shortcut);
        }
        element.addEventListener("click", () => pick(item.id));
        element.dataset.key = accessKey(item.caption);
        parent.append(element);
        items.set(item.id, element);
      };
      for (const item of menu.items) {
        if (item.group) {
          const group = document.createElement("div");
          group.setAttribute("role", "group");
          group.setAttribute("aria-label", plain(item.group));
          const heading = document.createElement("div");
          heading.className = "menu-group";
          heading.setAttribute("aria-hidden", "true");
          label(heading, item.group);
          group.append(heading);
          for (const inner of item.items) addItem(group, inner);
          popup.append(group);
        } else {
          addItem(popup, item);
        }
      }

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
      popup.addEventListener("keydown", (event) => {
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
          button.focus();
        } else if (event.key === "Tab") {
          close(true);
          event.preventDefault();
        } else if (event.key.length === 1 && !event.altKey && !event.ctrlKey && !event.metaKey) {
          const matches = all.filter((element) => element.dataset.key === event.key.toLowerCase());
          if (matches.length === 1) {
            event.preventDefault();
            matches[0].click();
          } else if (matches.length > 1) {
            // An access key shared by several items moves to the next of them, as on the desktop;
            // Enter then chooses it.
            event.preventDefault();
            (matches.find((element) => all.indexOf(element) > at) || matches[0]).focus();
          }
        }
        // The menu's keys are not the game's.
        event.stopPropagation();
      });
      popup.addEventListener("focusout", (event) => {
        if (open === entry && !bar.contains(event.relatedTarget)) close(false);
      });
      const holder = document.createElement("div");
      holder.className = "menu";
      holder.append(button, popup);
      bar.append(holder);
      buttons.push(entry);
    });

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
      const menu = menus.findIndex((m) => key !== "" && accessKey(m.caption) === key);
      if (menu >= 0) {
        event.preventDefault();
        show(buttons[menu], false);
      }
    });

    return {
      setCaption(id, caption) {
        const element = items.get(id);
        if (!element) return;
        const text = element.children[1];
        text.textContent = "";
        label(text, caption);
        element.dataset.key = accessKey(caption);
      },
      setChecked(id, checked) {
        const element = items.get(id);
        if (element) element.setAttribute("aria-checked", checked ? "true" : "false");
      },
    };
  }

  // The "&Time Allowed" group of a game's Options menu: four radio items, Standard, then two, five
  // and ten times as long, with the ids first to first + 3.
  function timeAllowed(first) {
    const captions = ["&Standard", "&Twice As Long", "&Five Times As Long", "T&en Times As Long"];
    return {
      group: "&Time Allowed",
      items: captions.map((caption, index) => ({ caption, id: first + index, check: "menuitemradio" })),
    };
  }

  return { build, label, timeAllowed };
})();
