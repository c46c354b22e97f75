// Scrambolo's window in the page: the letter buttons, the clock, the command buttons, the menus and the "Cheat" window.
"use strict";

globalThis.gamePage = (() => {
  const port = gamePort;
  // The page's click targets beside the letter buttons, numbered by the game when it lays out the window.
  let Target = {};
  const KeyH = 72, KeyC = 67, KeyJ = 74;

  const root = document.getElementById("game");
  port.setPageRoot(root, "Scrambolo");

  const menus = gameMenus.bar();
  const menuBar = menus.element;

  // The client area, laid out in twips as on the desktop.
  const client = document.createElement("div");
  client.className = "client";
  const letters = document.createElement("div");
  letters.className = "letters";
  // A toolbar: screen readers leave their browse mode for it, so the letter keys reach the game.
  letters.setAttribute("role", "toolbar");
  letters.setAttribute("aria-label", "Letters");
  // Where the focus goes when its letter button is hidden, as it goes to the window on the desktop.
  letters.tabIndex = -1;
  function letterButton(index) {
    const button = document.createElement("button");
    button.type = "button";
    button.className = "letter";
    if (index >= 1) {
      button.addEventListener("click", () => port.post("Click", index));
      button.addEventListener("focus", () => {
        if (!port.focusIsRestored()) port.post("Focus", index);
      });
    }
    return button;
  }
  const buttons = [];
  for (let index = 0; index <= 6; index += 1) {
    buttons.push(letterButton(index));
    letters.append(buttons[index]);
  }
  // A new button in the place of one whose letter changed, placed and shown as it was: a screen
  // reader that keeps the name it first read of a button reads the new one's letter.
  function renewButton(index) {
    const old = buttons[index];
    const fresh = letterButton(index);
    fresh.style.cssText = old.style.cssText;
    fresh.hidden = old.hidden;
    fresh.textContent = old.textContent;
    buttons[index] = fresh;
    port.replaceControl(old, fresh);
    return fresh;
  }
  // WebKit tells the screen reader nothing of a button's new letter: a new button takes the
  // place of one whose letter changed, and where the focus is on it, the focus moves along, which
  // the screen reader reads. Once the focus has settled: a deal that moves it to the first letter
  // says only that one.
  function renewLetter(index, caption) {
    const button = buttons[index];
    if (document.activeElement !== button) {
      renewButton(index);
      return;
    }
    port.whenSettled(() => {
      if (buttons[index] !== button) return;
      if (document.activeElement !== button) renewButton(index);
      else if (button.textContent === caption) port.restoreFocus(renewButton(index));
    });
  }
  const clock = document.createElement("div");
  clock.className = "clock";
  clock.addEventListener("dblclick", () => port.post("DoubleClick", Target.ClockLabel));
  client.append(letters, clock);

  // The commands of the letter keys, for a player whose screen reader or phone keeps the keys.
  const commands = document.createElement("div");
  commands.className = "commands";
  const addCommand = (caption, key) => {
    const button = document.createElement("button");
    button.type = "button";
    button.textContent = caption;
    button.addEventListener("click", () => port.post("Key", 0, key, 0));
    commands.append(button);
  };
  addCommand("Check (J)", KeyJ);
  addCommand("Hint (C)", KeyC);
  addCommand("High score (H)", KeyH);
  root.append(menuBar, client, commands);

  // The window's key preview: every key pressed in it goes to the game, then on to the control.
  root.addEventListener("keydown", (event) => {
    if (event.altKey || event.metaKey || port.messageBoxOpen()) return;
    const shortcut = menus.shortcutOf(event);
    if (menuBar.contains(event.target) && !shortcut) return;
    if (shortcut) {
      event.preventDefault();
      port.post("Menu", shortcut);
      return;
    }
    // A letter does nothing else in the window: taken here, a browser that hands a key no control
    // took back to its window (WebKitGTK's) does not let the screen reader hear it twice.
    if (event.keyCode >= 65 && event.keyCode <= 90 && !event.ctrlKey) event.preventDefault();
    port.post("Key", 0, event.keyCode, (event.shiftKey ? 1 : 0) | (event.ctrlKey ? 2 : 0));
  }, true);

  // The "Cheat" window: the hint pattern in a text box with the focus, and Close.
  let hint = null;
  let focusBeforeHint = null;
  let hintCaptions = null;
  function createHint() {
    hint = document.createElement("div");
    hint.className = "hint-window";
    hint.setAttribute("role", "dialog");
    hint.setAttribute("aria-label", hintCaptions.caption);
    hint.hidden = true;
    const heading = document.createElement("h2");
    heading.textContent = hintCaptions.caption;
    heading.setAttribute("aria-hidden", "true");
    const text = document.createElement("input");
    text.type = "text";
    text.value = hintCaptions.text;
    text.setAttribute("aria-label", hintCaptions.boxName);
    text.autocomplete = "off";
    text.spellcheck = false;
    const close = document.createElement("button");
    close.type = "button";
    gameMenus.label(close, hintCaptions.close);
    close.addEventListener("click", () => port.post("Click", Target.HintClose));
    hint.addEventListener("keydown", (event) => {
      const altC = event.altKey && port.accessKeyOf(event) === "c";
      if (event.key === "Escape" || altC) {
        event.preventDefault();
        event.stopPropagation();
        port.post("Click", Target.HintClose);
      }
    });
    hint.append(heading, text, close);
    port.addWindow(hint);
  }

  function focusLetter(index) {
    const button = buttons[index];
    if (port.focusTarget() !== button) port.focusSoon(button);
  }

  return {
    menus,
    // The window as it is created: button 0's place and the letter buttons' size, the clock's
    // place, the client area, the first captions, and the numbers of the page's click targets.
    layout(button0, size, clockPlace, clientWidth, clientHeight, buttonCaption, clockCaption, targets) {
      Target = targets;
      // Written out: the build's script minifier loses the names of a destructuring declaration.
      buttons.forEach((button, index) => {
        const place = index === 0 ? button0 : [0, 0];
        port.setTwips(button, { left: place[0], top: place[1], width: size[0], height: size[1] });
        button.textContent = buttonCaption;
      });
      port.setTwips(clock, { left: clockPlace[0], top: clockPlace[1], width: clockPlace[2], height: clockPlace[3] });
      clock.textContent = clockCaption;
      port.setTwips(root, { "window-width": clientWidth });
      port.setTwips(client, { "client-height": clientHeight });
    },
    hintCaptions(caption, boxName, text, close) {
      hintCaptions = { caption, boxName, text, close };
    },
    setButtonCaption(index, caption) {
      const button = buttons[index];
      if (button.textContent === caption) return;
      button.textContent = caption;
      if (port.webKit) {
        renewLetter(index, caption);
        return;
      }
      // A swap or a deal puts a new letter under the focus without moving it. Told once the focus
      // has settled: a deal that moves it to the first letter says only that one. A button a
      // closing menu has just given the focus back to is read with its new letter anyway.
      if (port.focusTarget() === button && !port.focusRestoredInThisTask(button)) {
        port.whenSettled(() => {
          if (document.activeElement === button && button.textContent === caption) port.announce(caption);
        });
      }
    },
    setButtonShown(index, shown) {
      const button = buttons[index];
      if (!shown && port.focusTarget() === button) port.focusSoon(letters);
      button.hidden = !shown;
    },
    focusButton: focusLetter,
    placeButton(index, left, top, width) {
      port.setTwips(buttons[index], { left, top, width });
    },
    setOuterWidth(width) {
      port.setTwips(root, { "window-width": width });
    },
    placeClockLabel(left, top) {
      port.setTwips(clock, { left, top });
    },
    // The window stands in the page from the first; a part that appears later under a closing
    // box is not told to screen readers.
    showMainWindow() {},
    setClockText(text) {
      clock.textContent = text;
    },
    // WebKitGTK's browsers show the page's title as their window's, and Orca reads each new name
    // of the window at once, the clock every second: there the title keeps the game's name, and
    // the clock is read beside the letters.
    setWindowCaption(text) {
      if (!port.webKit) document.title = text;
    },
    createHintWindow: createHint,
    setHintText(text) {
      const box = hint.querySelector("input");
      box.value = text;
      box.setSelectionRange(0, 0);
    },
    showHintWindow() {
      if (hint.hidden) focusBeforeHint = port.focusTarget();
      hint.hidden = false;
      port.focusSoon(hint.querySelector("input"));
    },
    closeHintWindow() {
      const wasFocused = hint.contains(document.activeElement);
      port.removeWindow(hint);
      hint = null;
      if (wasFocused && focusBeforeHint && focusBeforeHint.isConnected) port.focusSoon(focusBeforeHint, true);
      focusBeforeHint = null;
    },
  };
})();
