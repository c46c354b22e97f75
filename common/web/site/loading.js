// Tells the player, in the page's status line, that the game is loading, and why it could not start and what to do.
"use strict";

// Runs before the game's program: the status line is in the page's first HTML, empty, so that a
// screen reader speaks what comes into it. The game's page says when the game has shown itself.
globalThis.gameLoading = (() => {
  // A first visit slower than this is told that the game is loading.
  const SlowLoadMs = 1500;
  // As a box that comes with the page, the report of a start that failed takes the focus a moment
  // after the page has loaded: a screen reader reads a focus given earlier as part of the page.
  const LoadedPageSettleMs = 400;
  const game = document.getElementById("game");
  const status = document.getElementById("game-status");
  const name = game.dataset.name;
  let shown = false;
  let failed = false;

  function say(text) {
    status.textContent = text;
  }

  // The game cannot start: its window goes, and once the page has loaded and the screen reader
  // has been told so, the status line says why and what to do and takes the focus, with a link
  // after it that loads the page again (a page added to a home screen has no reload button). Said
  // before the load, it would be read as part of the page coming, then again as the focus came;
  // said after it, Orca reads it once, in Chromium and in Firefox.
  function cannotStart(why, whatToDo) {
    if (failed) return;
    failed = true;
    game.hidden = true;
    status.textContent = "";
    whenPageSettled(() => {
      status.textContent = `${why} ${whatToDo}`;
      status.tabIndex = -1;
      const again = document.createElement("a");
      again.href = location.href.split("#")[0];
      again.textContent = `Load ${name} again`;
      const line = document.createElement("p");
      line.className = "game-status";
      line.append(again);
      status.after(line);
      status.focus();
    });
  }

  function whenPageSettled(then) {
    const settle = () => setTimeout(then, LoadedPageSettleMs);
    if (document.readyState === "complete") settle();
    else addEventListener("load", settle, { once: true });
  }

  const programLost = () => cannotStart(`${name} could not start: its program did not arrive whole.`,
    "Check that this device is online, then load the page again.");

  if (typeof WebAssembly !== "object" || typeof WebAssembly.instantiate !== "function") {
    cannotStart(`${name} cannot start in this browser: it needs WebAssembly, which is switched off or missing here.`,
      "On an iPhone, iPad or Mac, Lockdown Mode switches it off: turn Lockdown Mode off for this website in " +
      "Safari's settings for the website, or play in another browser.");
  }

  // The program's script, beside the page, not found; its WebAssembly missing, cut short or broken.
  const pageFolder = new URL(".", location.href).href;
  addEventListener("error", (event) => {
    const target = event.target;
    if (target instanceof HTMLScriptElement && target.src.startsWith(pageFolder)) programLost();
  }, true);
  globalThis.Module = {
    onAbort() {
      if (shown) {
        cannotStart(`${name} has stopped working.`, "Load the page again to play on.");
      } else {
        programLost();
      }
    },
  };

  setTimeout(() => {
    if (!shown && !failed) say(`${name} is loading.`);
  }, SlowLoadMs);

  return {
    // The game's window or first box is there: the status line has nothing more to say.
    shown() {
      if (shown || failed) return;
      shown = true;
      say("");
    },
  };
})();
