// The page's side, the message boxes: a modal dialog each, read title, text and button, the rest of the page out of reach behind it.
"use strict";

(() => {
  const port = globalThis.gamePort;
  // How long a closed box stays in the screen reader's view after the focus has moved back.
  const ClosedBoxKeptMs = 1000;
  const dialogs = [];
  let nextDialog = 1;

  // The box's parts: its title bar, which names it (as no heading, it is not read a second time
  // inside it), its text and its row of buttons.
  function boxElements(id, prompt, title) {
    const box = document.createElement("div");
    box.className = "message-box";
    box.setAttribute("role", "dialog");
    box.setAttribute("aria-modal", "true");
    box.setAttribute("aria-labelledby", `message-title-${id}`);
    box.setAttribute("aria-describedby", `message-text-${id}`);
    const heading = document.createElement("div");
    heading.className = "title";
    heading.id = `message-title-${id}`;
    heading.textContent = title;
    const text = document.createElement("p");
    text.id = `message-text-${id}`;
    text.textContent = prompt;
    const buttons = document.createElement("div");
    buttons.className = "message-buttons";
    box.append(heading, text, buttons);
    return { box, text, buttons };
  }

  // Which keys a box takes. A question raised with a type-ahead drop (dropTypeAheadMs above 0,
  // the time the game gives) takes no key until it has come and no key has been pressed for that
  // long, however long the typing goes on; each key pressed meanwhile, a held key's repeats too,
  // starts the wait again. A key held down since before any box came (Enter held on a guess)
  // repeats into it: its repeats answer nothing, or the box would go before it was heard. A key
  // whose press the box did not take is never taken: neither its repeats nor its release (on
  // which a button takes Space).
  function keyGate(dropTypeAheadMs) {
    const openedAt = performance.now();
    const taken = new Set();
    const untaken = new Set();
    let lastKeyTaken = false;
    const waiting = (at, since) => dropTypeAheadMs > 0 && at - Math.max(openedAt, since) < dropTypeAheadMs;
    return {
      // Whether the key going down is the box's to act on.
      takes(event) {
        const heldFromBefore = event.repeat && !taken.has(event.code);
        if (heldFromBefore || waiting(port.lastKeyAt(), port.keyBeforeLastAt())) {
          untaken.add(event.code);
          lastKeyTaken = false;
          return false;
        }
        untaken.delete(event.code);
        taken.add(event.code);
        lastKeyTaken = true;
        return true;
      },
      // The key going up; true when its press was not taken, so its release is not either.
      released(event) {
        taken.delete(event.code);
        return untaken.delete(event.code);
      },
      // A press made without the pointer (a screen reader's, or a key's the box did not take,
      // one held since before it came among them) waits for the keyboard as a key does; a key
      // the box took presses at once.
      pressWaits(event) {
        const keyboardBusy = untaken.size > 0 || waiting(performance.now(), port.lastKeyAt());
        return event.detail === 0 && !lastKeyTaken && keyboardBusy;
      },
    };
  }

  // The keys a box answers once it takes them: Esc closes an OK box (a question has no cancel),
  // Y and N answer a question, the arrows and page keys scroll a long text while the focus stays
  // on the button, and Tab keeps the focus inside the box.
  function actOnKey(event, yesNo, text, buttons, answer) {
    const key = event.key.toLowerCase();
    const plain = !event.altKey && !event.ctrlKey && !event.metaKey;
    if (event.key === "Escape") {
      event.preventDefault();
      if (!yesNo) answer(0);
    } else if (yesNo && plain && (key === "y" || key === "n")) {
      event.preventDefault();
      answer(key === "y" ? 1 : 2);
    } else if (plain && scrollKeys.includes(event.key)) {
      event.preventDefault();
      scrollText(text, event.key);
    } else if (event.key === "Tab") {
      const all = [...buttons.querySelectorAll("button")];
      const at = all.indexOf(document.activeElement);
      event.preventDefault();
      all[(at + (event.shiftKey ? all.length - 1 : 1)) % all.length].focus();
    }
  }

  function openMessage(prompt, title, yesNo, dropTypeAheadMs) {
    const id = nextDialog++;
    port.gameShown();
    removeClosedBoxes();
    if (dropTypeAheadMs > 0) port.dropInput();
    const returnFocus = port.claimFocus();
    const { box, text, buttons } = boxElements(id, prompt, title);
    const keys = keyGate(dropTypeAheadMs);
    const dialog = { id, box, returnFocus, answered: false };
    const answer = (code) => {
      if (dialogs.includes(dialog) && !dialog.answered) {
        dialog.answered = true;
        port.post("Answer", id, code);
      }
    };
    const addButton = (caption, code) => {
      const button = document.createElement("button");
      button.type = "button";
      button.textContent = caption;
      button.addEventListener("click", (event) => {
        if (!keys.pressWaits(event)) answer(code);
      });
      buttons.append(button);
      return button;
    };
    const defaultButton = yesNo ? addButton("Yes", 1) : addButton("OK", 0);
    if (yesNo) addButton("No", 2);

    box.addEventListener("keydown", (event) => {
      event.stopPropagation();
      if (box.classList.contains("closing") || !keys.takes(event)) {
        event.preventDefault();
        return;
      }
      actOnKey(event, yesNo, text, buttons, answer);
    });
    box.addEventListener("keyup", (event) => {
      event.stopPropagation();
      if (keys.released(event)) event.preventDefault();
    });

    // The focus goes straight from the window to the default button. The page behind stays in
    // the screen reader's view (aria-modal tells it that only the box counts): a control taken
    // out of its view under its reading makes it start inside the box, silently. The keys and the
    // pointer cannot reach the page behind: the box keeps the focus and a cover takes the clicks.
    document.body.append(cover(box));
    dialogs.push(dialog);
    // A box that comes while the page is loading or has just loaded (the welcome question) takes
    // the focus a moment after the load: a screen reader starts reading a page when the browser
    // tells it the page has loaded, which comes a little after the load itself, and reads the
    // focused box again then; and a box focused before the browser has told the screen reader
    // of the new page at all is taken silently, as the page coming.
    globalThis.gameLoading.whenPageSettled(() => {
      if (dialogs.includes(dialog)) defaultButton.focus();
    });
    return id;
  }

  const scrollKeys = ["ArrowDown", "ArrowUp", "PageDown", "PageUp", "Home", "End"];
  function scrollText(text, key) {
    const line = parseFloat(getComputedStyle(text).lineHeight) || 20;
    const page = Math.max(line, text.clientHeight - line);
    const by = { ArrowDown: line, ArrowUp: -line, PageDown: page, PageUp: -page };
    if (key === "Home") text.scrollTop = 0;
    else if (key === "End") text.scrollTop = text.scrollHeight;
    else text.scrollTop += by[key];
  }

  // The box leaves the screen at once but stays in the screen reader's view until the focus has
  // moved on to the window: a box taken away under the focus makes a screen reader put its place
  // on the next control silently, and the control the focus then comes to is not spoken.
  // A full-page cover under the box: clicks on the page behind land on it. A focus that leaves
  // the box (a click on the cover, a screen reader's own move) is brought back.
  function cover(box) {
    const layer = document.createElement("div");
    layer.className = "modal-cover";
    layer.append(box);
    layer.addEventListener("mousedown", (event) => {
      if (event.target === layer) event.preventDefault();
    });
    return layer;
  }
  document.addEventListener("focusin", (event) => {
    const top = dialogs[dialogs.length - 1];
    if (top && !top.box.contains(event.target)) top.box.querySelector("button").focus();
  });

  function closeMessage(id) {
    const at = dialogs.findIndex((d) => d.id === id);
    if (at < 0) return;
    const [dialog] = dialogs.splice(at, 1);
    dialog.answered = true;
    dialog.box.classList.add("closing");
    // No longer modal: WebKit leaves everything outside a modal box out of the screen reader's
    // view, and the control the focus comes back to would be read without its text.
    dialog.box.removeAttribute("aria-modal");
    if (dialog.returnFocus && dialog.returnFocus.isConnected && typeof dialog.returnFocus.focus === "function") {
      port.focusSoon(dialog.returnFocus, true);
    }
    const layer = dialog.box.parentElement;
    layer.classList.add("closing");
    closedBoxes.add(layer);
    // Firefox lets the screen reader see the box gone before it has handled the focus's move
    // back, and it then takes the control the focus came to silently: the box stays a moment.
    port.whenSettled(() => setTimeout(() => removeClosedBox(layer), ClosedBoxKeptMs));
  }
  // Boxes closed but kept for the screen reader; the next box does not wait for them.
  const closedBoxes = new Set();
  function removeClosedBox(layer) {
    closedBoxes.delete(layer);
    layer.remove();
  }
  function removeClosedBoxes() {
    for (const layer of closedBoxes) removeClosedBox(layer);
  }

  function messageBoxOpen() {
    return dialogs.length > 0;
  }
  // A control put in the place of one that had the focus before a box came: the box gives the
  // focus back to the new one.
  function retargetReturnFocus(old, fresh) {
    for (const dialog of dialogs) if (dialog.returnFocus === old) dialog.returnFocus = fresh;
  }
  // The game has ended: its boxes go with it.
  function removeAllBoxes() {
    for (const dialog of dialogs.splice(0)) dialog.box.parentElement.remove();
    removeClosedBoxes();
  }

  Object.assign(port, { openMessage, closeMessage, messageBoxOpen, retargetReturnFocus, removeAllBoxes });
})();
