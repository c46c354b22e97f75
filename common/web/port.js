// The page's side of the browser edition: queues the page's events for the game, and carries out its message boxes, sounds, storage and fetches.
"use strict";

// The game runs in WebAssembly and may be waiting inside one of its handlers (a message box, the
// pause after a verdict, a cue) when the page has something to say: the page never calls into it,
// it only queues what happened and wakes the wait.
globalThis.gamePort = (() => {
  const EventKind = { Timer: 1, Click: 2, DoubleClick: 3, Focus: 4, Key: 5, Menu: 6, Close: 7, Answer: 8 };
  const TypeAheadDropMs = 500;
  // How long a closed box stays in the screen reader's view after the focus has moved back.
  const ClosedBoxKeptMs = 1000;
  const queue = [];
  let wake = null;

  // What a player does to the window; a message box takes all of it while it is up.
  const isInput = (kind) => kind === EventKind.Key || kind === EventKind.Click || kind === EventKind.DoubleClick ||
    kind === EventKind.Focus || kind === EventKind.Menu;

  function post(kind, target = 0, code = 0, shift = 0) {
    // A clock tick already waiting is not queued twice: the game reads the time itself.
    if (kind === EventKind.Timer && queue.some((e) => e.kind === kind && e.target === target)) return;
    // A screen reader's activation or a tap reaches a control behind a box without the focus:
    // the window behind a box gets nothing, as a desktop's window behind a modal box.
    if (isInput(kind) && dialogs.length > 0) return;
    queue.push({ kind, target, code, shift });
    if (wake) {
      const resolve = wake;
      wake = null;
      resolve();
    }
  }

  // Resolves once an event is waiting, or after ms milliseconds (never, when ms is negative).
  function waitForEvent(ms) {
    if (queue.length > 0) return Promise.resolve();
    return new Promise((resolve) => {
      let timer = null;
      wake = () => {
        if (timer !== null) clearTimeout(timer);
        resolve();
      };
      if (ms >= 0) {
        timer = setTimeout(() => {
          wake = null;
          resolve();
        }, ms);
      }
    });
  }

  function take() {
    return queue.length > 0 ? queue.shift() : null;
  }

  function dropInput() {
    for (let i = queue.length - 1; i >= 0; i -= 1) {
      const kind = queue[i].kind;
      if (kind === EventKind.Key || kind === EventKind.Click || kind === EventKind.DoubleClick) queue.splice(i, 1);
    }
  }

  // --- Timers: switched on and off, and given an interval, as the game's timer controls are.
  const timers = new Map();
  function setTimer(id, enabled, intervalMs) {
    clearInterval(timers.get(id));
    timers.delete(id);
    if (enabled && intervalMs > 0) timers.set(id, setInterval(() => post(EventKind.Timer, id), intervalMs));
  }

  // --- Text: the game hands the page every text as UTF-8 (its 8-bit words decoded on its side,
  // once, as every edition decodes them), and takes the page's texts back the same way.
  function newText(text) {
    const size = lengthBytesUTF8(text) + 1;
    const copy = _malloc(size);
    stringToUTF8(text, copy, size);
    return copy;
  }

  // --- Message boxes: a modal dialog each, the rest of the page out of reach behind it.
  const dialogs = [];
  let nextDialog = 1;
  let pageRoot = null;
  let gameName = "";
  // The game's other windows (Scrambolo's "Cheat"), which stand outside its main window.
  const windows = new Set();

  // The game's main window, and the game's name, which the page gives when the game has closed.
  function setPageRoot(element, game) {
    pageRoot = element;
    gameName = game;
  }
  function addWindow(element) {
    windows.add(element);
    document.body.append(element);
  }
  function removeWindow(element) {
    windows.delete(element);
    element.remove();
  }

  // When the last key was pressed in the page, and the one before it, by the time each key event
  // carries (the moment it went down, which a busy page handles late but unchanged): whether the
  // keyboard had gone quiet before a key is judged with the other as it comes.
  let lastKeyAt = -Infinity;
  let keyBeforeLastAt = -Infinity;
  // An engine whose events give no such time, or count it from elsewhere, is taken at its word
  // of the moment the page handles the key.
  const pressedAt = (event) => {
    const now = performance.now();
    return event.timeStamp > 0 && event.timeStamp <= now ? event.timeStamp : now;
  };
  addEventListener("keydown", (event) => {
    keyBeforeLastAt = lastKeyAt;
    lastKeyAt = pressedAt(event);
  }, true);

  // The page's status line stops saying that the game is loading once the game shows itself.
  function gameShown() {
    globalThis.gameLoading.shown();
  }

  function openMessage(prompt, title, yesNo, dropTypeAhead) {
    const id = nextDialog++;
    gameShown();
    removeClosedBoxes();
    if (dropTypeAhead) dropInput();
    const returnFocus = claimFocus();
    const box = document.createElement("div");
    box.className = "message-box";
    box.setAttribute("role", "dialog");
    box.setAttribute("aria-modal", "true");
    box.setAttribute("aria-labelledby", `message-title-${id}`);
    box.setAttribute("aria-describedby", `message-text-${id}`);
    // The title bar names the box; as no heading, it is not read a second time inside it.
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

    // A question raised with the type-ahead drop takes no key until it has come and no key has
    // been pressed for a while, however long the typing goes on; each key pressed meanwhile, a
    // held key's repeats too, starts the wait again. A key whose press it did not take is never
    // taken: neither its repeats nor its release (on which a button takes Space).
    const openedAt = performance.now();
    const taken = new Set();
    const untaken = new Set();
    let lastKeyTaken = false;
    const waiting = (at, since) => dropTypeAhead && at - Math.max(openedAt, since) < TypeAheadDropMs;
    const answer = (code) => {
      if (dialogs.some((d) => d.id === id && !d.answered)) {
        dialogs.find((d) => d.id === id).answered = true;
        post(EventKind.Answer, id, code);
      }
    };
    const addButton = (caption, code) => {
      const button = document.createElement("button");
      button.type = "button";
      button.textContent = caption;
      button.addEventListener("click", (event) => {
        // A press made without the pointer (a screen reader's, or a key's the box did not take,
        // one held since before it came among them) waits for the keyboard as a key does; a key
        // the box took presses at once.
        const keyboardBusy = untaken.size > 0 || waiting(performance.now(), lastKeyAt);
        if (event.detail === 0 && !lastKeyTaken && keyboardBusy) return;
        answer(code);
      });
      buttons.append(button);
      return button;
    };
    const defaultButton = yesNo ? addButton("Yes", 1) : addButton("OK", 0);
    if (yesNo) addButton("No", 2);

    box.addEventListener("keydown", (event) => {
      event.stopPropagation();
      if (box.classList.contains("closing")) {
        event.preventDefault();
        return;
      }
      // A key held down since before the box came (Enter held on a guess) repeats into it: its
      // repeats answer nothing, or the box would go before it was heard.
      const heldFromBefore = event.repeat && !taken.has(event.code);
      if (heldFromBefore || waiting(lastKeyAt, keyBeforeLastAt)) {
        untaken.add(event.code);
        lastKeyTaken = false;
        event.preventDefault();
        return;
      }
      untaken.delete(event.code);
      taken.add(event.code);
      lastKeyTaken = true;
      const key = event.key.toLowerCase();
      const plain = !event.altKey && !event.ctrlKey && !event.metaKey;
      if (event.key === "Escape") {
        // A question has no cancel: Esc leaves it up. An OK box closes with OK.
        event.preventDefault();
        if (!yesNo) answer(0);
      } else if (yesNo && plain && (key === "y" || key === "n")) {
        event.preventDefault();
        answer(key === "y" ? 1 : 2);
      } else if (plain && scrollKeys.includes(event.key)) {
        // A text longer than the box scrolls inside it while the focus stays on the button.
        event.preventDefault();
        scrollText(text, event.key);
      } else if (event.key === "Tab") {
        // The focus stays inside the box.
        const all = [...buttons.querySelectorAll("button")];
        const at = all.indexOf(document.activeElement);
        event.preventDefault();
        all[(at + (event.shiftKey ? all.length - 1 : 1)) % all.length].focus();
      }
    });
    box.addEventListener("keyup", (event) => {
      event.stopPropagation();
      taken.delete(event.code);
      if (untaken.delete(event.code)) event.preventDefault();
    });

    // The focus goes straight from the window to the default button. The page behind stays in
    // the screen reader's view (aria-modal tells it that only the box counts): a control taken
    // out of its view under its reading makes it start inside the box, silently. The keys and the
    // pointer cannot reach the page behind: the box keeps the focus and a cover takes the clicks.
    document.body.append(cover(box));
    const dialog = { id, box, returnFocus, answered: false };
    dialogs.push(dialog);
    const takeFocus = () => {
      if (dialogs.includes(dialog)) defaultButton.focus();
    };
    // A box that comes while the page is loading or has just loaded (the welcome question) takes
    // the focus a moment after the load: a screen reader starts reading a page when the browser
    // tells it the page has loaded, which comes a little after the load itself, and reads the
    // focused box again then; and a box focused before the browser has told the screen reader
    // of the new page at all is taken silently, as the page coming.
    whenPageSettled(takeFocus);
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
      focusSoon(dialog.returnFocus, true);
    }
    const layer = dialog.box.parentElement;
    layer.classList.add("closing");
    closedBoxes.add(layer);
    // Firefox lets the screen reader see the box gone before it has handled the focus's move
    // back, and it then takes the control the focus came to silently: the box stays a moment.
    whenSettled(() => setTimeout(() => removeClosedBox(layer), ClosedBoxKeptMs));
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

  // The game's moves of the focus land once the browser has told screen readers of what changed
  // before them in the same handler (a box gone, the page back from inert, the window shown):
  // a focus given to a control they do not know of yet is not spoken. The last move wins.
  let pendingFocus = null;
  let settling = false;
  const afterSettling = [];
  function settle() {
    settling = false;
    const move = pendingFocus;
    pendingFocus = null;
    if (move) gameShown();
    if (move && move.element.isConnected && !move.element.closest("[inert]") && document.activeElement !== move.element) {
      if (move.restored) restoreFocus(move.element);
      else move.element.focus();
    }
    for (const then of afterSettling.splice(0)) then();
  }
  function scheduleSettling() {
    if (settling) return;
    settling = true;
    // A focus given while the page loads, or just after, is taken silently by a screen reader as
    // part of the page coming (the first letter of a first word dealt quickly): as a box that
    // comes with the page, it lands once the page has settled.
    whenPageSettled(() => requestAnimationFrame(() => setTimeout(settle, 0)));
  }
  function focusSoon(element, restored = false) {
    pendingFocus = { element, restored };
    scheduleSettling();
  }
  // A key comes after every move of the focus the game asked for before it, as on the desktop: a
  // move not yet landed lands before the page sees the key, so the key acts where the game put
  // the focus: a menu opened right after a deal, before the move to the first letter has landed,
  // would otherwise lose the focus to it and close again.
  addEventListener("keydown", () => {
    if (pendingFocus) settle();
  }, true);
  // Runs once the focus has settled where the game last put it.
  function whenSettled(then) {
    afterSettling.push(then);
    scheduleSettling();
  }
  // The control that has the focus, or will have it once a pending move has landed.
  function focusTarget() {
    return pendingFocus ? pendingFocus.element : document.activeElement;
  }
  // A box, or a menu the player opens, takes the focus now: a move of the game's not yet landed
  // would take it away again. That move's control is where the focus goes back to afterwards.
  function claimFocus() {
    const target = focusTarget();
    pendingFocus = null;
    return target;
  }

  // A control put in the place of one whose text changed, for screen readers that keep the name
  // they first read of a control (WebKit sends them no change of name): a move of the focus not yet
  // landed, or a box's way back, goes to the new one.
  function replaceControl(old, fresh) {
    old.replaceWith(fresh);
    if (pendingFocus && pendingFocus.element === old) pendingFocus.element = fresh;
    for (const dialog of dialogs) if (dialog.returnFocus === old) dialog.returnFocus = fresh;
  }

  // WebKit (Safari's engine, every iPhone browser, and WebKitGTK's on Linux) tells screen readers
  // nothing of a control's new text and speaks no polite live region: a new letter under the focus
  // is told there by the focus moving to a new control.
  const agent = globalThis.navigator ? navigator.userAgent : "";
  const webKit = /AppleWebKit/.test(agent) && !/Chrome|Chromium|Edg|OPR/.test(agent);
  // A guess refused and selected in its box is told by the selection's news, which a screen
  // reader still echoing the typed letters may take for no change, having read the selection
  // already (Orca in WebKitGTK and in Firefox, on a busy machine): there the guess comes back in
  // a new box that takes the focus, read whole with its selection.
  const refusedGuessInNewBox = webKit || globalThis.gameLoading.gecko;

  // Focus given back by a closing box, menu or window is not the player moving it.
  let restoringFocus = false;
  // The control given the focus back in this task: screen readers read it once the task is done,
  // with whatever the game changed on it meanwhile (a menu's pick is handled in the same task).
  let restoredInThisTask = null;
  function restoreFocus(element) {
    restoringFocus = true;
    try {
      element.focus();
    } finally {
      restoringFocus = false;
    }
    restoredInThisTask = element;
    setTimeout(() => {
      restoredInThisTask = null;
    }, 0);
  }
  function focusIsRestored() {
    return restoringFocus;
  }
  function focusRestoredInThisTask(element) {
    return restoredInThisTask === element && document.activeElement === element;
  }
  function messageBoxOpen() {
    return dialogs.length > 0;
  }

  const whenPageSettled = globalThis.gameLoading.whenPageSettled;

  // --- A polite live region, there and empty from the start (a region made with its text is not
  // read). A control's new caption is spoken through it where the browser tells screen readers
  // nothing of a change to the focused control; the same text again is told apart by a trailing
  // no-break space, or it would not be read twice.
  const spoken = document.createElement("div");
  spoken.className = "spoken";
  spoken.setAttribute("aria-live", "polite");
  document.body.append(spoken);
  let lastSpoken = "";
  function announce(text) {
    lastSpoken = lastSpoken === text ? `${text}\u00a0` : text;
    spoken.textContent = lastSpoken;
  }

  // --- The files beside the page, or, in a page made into one file to play from a disk, inside
  // it: a browser fetches nothing from a disk.
  function embeddedFile(url) {
    const files = globalThis.embeddedFiles;
    const at = url.lastIndexOf("/");
    const name = url.slice(at + 1);
    if (!files || url.slice(0, at) !== pageFolder() || !Object.prototype.hasOwnProperty.call(files, name)) return null;
    return Uint8Array.from(atob(files[name]), (c) => c.charCodeAt(0));
  }
  async function fetchBytes(url) {
    const embedded = embeddedFile(url);
    if (embedded) return embedded;
    const response = await fetch(url, { cache: "no-cache" });
    return response.ok ? new Uint8Array(await response.arrayBuffer()) : null;
  }

  // --- Sounds: Web Audio buffers, fetched once. Before the player's first key or tap a browser
  // refuses to play, so the sound system starts only then (it costs the start of the game a good
  // part of its time on a phone); a cue before it is skipped, never waited for.
  let audio = null;
  let audioAllowed = false;
  const sounds = new Map();
  // Safari before 14.1 has the Web Audio API only under its old name.
  const AudioContextClass = globalThis.AudioContext || globalThis.webkitAudioContext;
  function audioContext() {
    if (!audio && audioAllowed && typeof AudioContextClass === "function") audio = new AudioContextClass();
    return audio;
  }
  // The old API decodes only with callbacks; the newer one also returns a promise.
  function decode(context, data) {
    return new Promise((resolve, reject) => {
      const decoding = context.decodeAudioData(data.buffer, resolve, reject);
      if (decoding && typeof decoding.then === "function") decoding.then(resolve, reject);
    });
  }
  function sound(url) {
    if (!sounds.has(url)) {
      const context = audioContext();
      sounds.set(url, context
        ? fetchBytes(url).then((data) => (data ? decode(context, data) : null)).catch(() => null)
        : Promise.resolve(null));
    }
    return sounds.get(url);
  }
  function unlockSound() {
    audioAllowed = true;
    const context = audioContext();
    if (context && context.state === "suspended") context.resume().catch(() => {});
  }
  addEventListener("keydown", unlockSound, true);
  addEventListener("pointerdown", unlockSound, true);

  // Resolves when the cue has ended, or at once when it cannot be played.
  async function playSound(url) {
    if (!audioContext()) return;
    const buffer = await sound(url);
    const context = audioContext();
    if (!buffer || !context || context.state !== "running") return;
    const source = context.createBufferSource();
    source.buffer = buffer;
    source.connect(context.destination);
    const ended = new Promise((resolve) => {
      source.onended = resolve;
      // A context that stops (the tab hidden, the device gone) never ends the cue by itself.
      setTimeout(resolve, buffer.duration * 1000 + 250);
    });
    source.start();
    await ended;
  }

  // --- Saved files: one entry of the browser's storage per file, holding the file's bytes one
  // character each. Storage that is refused (a private window) or full fails as a disk would.
  function storage() {
    try {
      return globalThis.localStorage || null;
    } catch {
      return null;
    }
  }
  // The entry's bytes; null when there is none, or no storage at all (refused: nothing can be
  // written there either); undefined when the storage is there but failed to read, so that what
  // it holds is not known and must not be written over.
  function readSaved(key) {
    const store = storage();
    if (!store) return null;
    let text;
    try {
      text = store.getItem(key);
    } catch {
      return undefined;
    }
    return text === null ? null : Uint8Array.from(String(text), (c) => c.charCodeAt(0) & 0xff);
  }
  function writeSaved(key, bytes) {
    try {
      const store = storage();
      if (!store) return false;
      store.setItem(key, String.fromCharCode(...bytes));
      return true;
    } catch {
      return false;
    }
  }

  // --- Data files beside the page; a missing one (or an error) reads as nothing. The ones the
  // page fetches ahead (its word list) are read from the moment this script runs, while the
  // program's WebAssembly compiles, not when the game first asks: that first read takes them.
  const fetchedAhead = new Map();
  for (const link of document.querySelectorAll('link[rel="preload"][as="fetch"]')) {
    if (link.type !== "application/wasm") fetchedAhead.set(link.href, fetchBytes(link.href).catch(() => null));
  }
  async function fetchFile(url, maxBytes) {
    try {
      const ahead = fetchedAhead.get(url);
      fetchedAhead.delete(url);
      const data = await (ahead || fetchBytes(url));
      if (!data) return null;
      return data.length > maxBytes ? data.subarray(0, maxBytes + 1) : data;
    } catch {
      return null;
    }
  }

  // A help text inside the page opens as the text file it stands for, in the games' code page.
  function openTab(url) {
    try {
      const embedded = embeddedFile(url);
      const address = embedded
        ? URL.createObjectURL(new Blob([embedded], { type: "text/plain; charset=windows-1252" })) : url;
      const tab = window.open(address, "_blank");
      if (!tab) return false;
      tab.opener = null;
      return true;
    } catch {
      return false;
    }
  }

  // The game has ended, its window closed or a fault met: its clock stops, its boxes and windows
  // go, and the page says so and offers to start it again.
  function endGame() {
    for (const timer of timers.values()) clearInterval(timer);
    timers.clear();
    queue.length = 0;
    for (const dialog of dialogs.splice(0)) dialog.box.parentElement.remove();
    removeClosedBoxes();
    for (const element of windows) element.remove();
    windows.clear();
    const notice = document.createElement("p");
    notice.className = "closed";
    notice.tabIndex = -1;
    notice.append(`${gameName} has closed. `);
    const again = document.createElement("a");
    again.href = location.pathname;
    again.textContent = `Play ${gameName} again`;
    notice.append(again);
    if (pageRoot) pageRoot.replaceWith(notice);
    document.title = gameName;
    again.focus();
  }

  // The letter or digit of the key pressed with Alt (Option on a Mac), lower case. A Mac gives
  // the character Option makes of it ("ø" for Option+O) as the key: the key's place on the
  // keyboard tells it.
  function accessKeyOf(event) {
    const place = /^(?:Key([A-Z])|Digit([0-9]))$/.exec(event.code || "");
    if (place) return (place[1] || place[2]).toLowerCase();
    return event.key.length === 1 ? event.key.toLowerCase() : "";
  }

  // Places and sizes of the desktop's layout, in twips, handed to the style as pixels (--left,
  // --top, --width, --height of a control, each given or left as it was). The style decides where
  // they apply: a wide window with a mouse keeps them, a narrow one or a touch screen lets the
  // controls flow.
  const TwipsPerPixel = 15;
  function setTwips(element, box) {
    for (const name of Object.keys(box)) element.style.setProperty(`--${name}`, `${box[name] / TwipsPerPixel}px`);
  }

  // The folder of the page, as an address without a trailing slash.
  function pageFolder() {
    return new URL(".", document.baseURI).href.replace(/\/$/, "");
  }

  // Leaving the page closes the game as its close box does, so its settings are saved: the
  // game's wait is woken here and runs its close handling before the page goes.
  addEventListener("pagehide", () => post(EventKind.Close));

  return {
    EventKind, post, waitForEvent, take, dropInput, setTimer,
    newText, announce, setPageRoot, addWindow, removeWindow, openMessage, closeMessage,
    restoreFocus, focusSoon, whenSettled, focusTarget, claimFocus, focusIsRestored, focusRestoredInThisTask,
    messageBoxOpen, replaceControl, webKit, refusedGuessInNewBox, endGame, setTwips, accessKeyOf, sound, playSound, readSaved, writeSaved,
    fetchFile, openTab, pageFolder,
  };
})();
