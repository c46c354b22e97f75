// The page's side of the browser edition, first part: the queue that takes the page's events to the game, and the page's timers.
"use strict";

// The game runs in WebAssembly and may be waiting inside one of its handlers (a message box, the
// pause after a verdict, a cue) when the page has something to say: the page never calls into it,
// it only queues what happened and wakes the wait. The other parts of the port (the files of
// common/web/port/, in the order the build joins them) add their own jobs to gamePort.
globalThis.gamePort = (() => {
  // An event's kind goes by its name ("Click", "Key"); the game numbers the kinds on its side.
  const queue = [];
  let wake = null;

  // What a player does to the window; a message box takes all of it while it is up.
  const isInput = (kind) => kind === "Key" || kind === "Click" || kind === "DoubleClick" || kind === "Focus" ||
    kind === "Menu";

  function post(kind, target = 0, code = 0, shift = 0) {
    // A clock tick already waiting is not queued twice: the game reads the time itself.
    if (kind === "Timer" && queue.some((e) => e.kind === kind && e.target === target)) return;
    // A screen reader's activation or a tap reaches a control behind a box without the focus:
    // the window behind a box gets nothing, as a desktop's window behind a modal box.
    if (isInput(kind) && globalThis.gamePort.messageBoxOpen()) return;
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

  // What the player did that the game has not yet taken: dropped when a box comes that keys typed
  // on for the word must not answer.
  function dropInput() {
    for (let i = queue.length - 1; i >= 0; i -= 1) {
      const kind = queue[i].kind;
      if (kind === "Key" || kind === "Click" || kind === "DoubleClick") queue.splice(i, 1);
    }
  }

  // Everything still waiting goes: the game has ended.
  function clearQueue() {
    queue.length = 0;
  }

  // --- Timers: switched on and off, and given an interval, as the game's timer controls are.
  const timers = new Map();
  function setTimer(id, enabled, intervalMs) {
    clearInterval(timers.get(id));
    timers.delete(id);
    if (enabled && intervalMs > 0) timers.set(id, setInterval(() => post("Timer", id), intervalMs));
  }
  function stopTimers() {
    for (const timer of timers.values()) clearInterval(timer);
    timers.clear();
  }

  // Leaving the page closes the game as its close box does, so its settings are saved: the
  // game's wait is woken here and runs its close handling before the page goes.
  addEventListener("pagehide", () => post("Close"));

  return { post, waitForEvent, take, dropInput, clearQueue, setTimer, stopTimers };
})();
