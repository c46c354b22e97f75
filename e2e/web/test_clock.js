// A clock for the browser tests, put in a page before its own scripts: the page's time stands still
// from the start and moves only as the test moves it (testClock.runFor), every timer due on the way
// fired in turn with the page's promises settled after each, as on the real clock.
"use strict";
(() => {
  const realTimeout = globalThis.setTimeout.bind(globalThis);
  // A task of its own for the page's promises to settle in, which no browser slows down as it
  // may a timer of a window it thinks hidden.
  const channel = new MessageChannel();
  const waiting = [];
  channel.port1.onmessage = () => waiting.shift()();
  const nextTask = () => new Promise((resolve) => {
    waiting.push(resolve);
    channel.port2.postMessage(0);
  });
  const RealDate = Date;
  const startedAt = RealDate.now();
  const timers = new Map();
  let now = 0;
  let nextId = 1;

  function schedule(callback, ms, args, every) {
    const id = nextId++;
    timers.set(id, { at: now + Math.max(0, Number(ms) || 0), callback, args, every });
    return id;
  }
  globalThis.setTimeout = (callback, ms, ...args) => schedule(callback, ms, args, 0);
  globalThis.setInterval = (callback, ms, ...args) => schedule(callback, ms, args, Math.max(1, Number(ms) || 0));
  globalThis.clearTimeout = (id) => timers.delete(id);
  globalThis.clearInterval = (id) => timers.delete(id);
  globalThis.requestAnimationFrame = (callback) => schedule(() => callback(now), 16, [], 0);
  globalThis.cancelAnimationFrame = (id) => timers.delete(id);
  performance.now = () => now;
  globalThis.Date = class extends RealDate {
    constructor(...args) {
      super(...(args.length > 0 ? args : [startedAt + now]));
    }
    static now() {
      return startedAt + now;
    }
  };

  function due(end) {
    let first = null;
    for (const [id, timer] of timers) {
      if (timer.at <= end && (first === null || timer.at < timers.get(first).at)) first = id;
    }
    return first;
  }

  globalThis.testClock = {
    async runFor(ms) {
      const end = now + ms;
      for (let id = due(end); id !== null; id = due(end)) {
        const timer = timers.get(id);
        now = Math.max(now, timer.at);
        if (timer.every > 0) timer.at += timer.every;
        else timers.delete(id);
        try {
          if (typeof timer.callback === "function") timer.callback(...timer.args);
        } catch (error) {
          realTimeout(() => { throw error; }, 0);
        }
        // What the timer started (the game's waits wake on promises) runs before the next.
        await nextTask();
      }
      now = end;
      await nextTask();
    },
  };
})();
