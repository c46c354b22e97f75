// Tells the player, in the page's status line, that the game is loading, and in a box why it could not start and what to do.
"use strict";

// Runs before the game's program. The status line and the box are in the page's first HTML: the
// status line empty, so that a screen reader speaks what comes into it; the box hidden, with its
// title and button, so that screen readers know its parts before it is shown. The game's page
// says when the game has shown itself.
globalThis.gameLoading = (() => {
  // Gecko (Firefox) lets screen readers read the page only through its other process, so they
  // fall behind the page on a busy machine: the game's page allows for it where it counts.
  const gecko = /\bGecko\/\d/.test(navigator.userAgent);
  // A first visit slower than this is told that the game is loading.
  const SlowLoadMs = 1500;
  // A box or a first focus that comes with the page comes this long after the page has loaded: a
  // screen reader reads one shown earlier as part of the page, or takes it in silence while still
  // busy with the page's coming. Screen readers with Gecko fall furthest behind: with Orca under
  // load, a first letter focused 400 ms after the load came before Orca had taken the new page's
  // own focus, and was not read; a second leaves them time.
  const LoadedPageSettleMs = gecko ? 1000 : 400;
  const game = document.getElementById("game");
  const status = document.getElementById("game-status");
  const report = document.getElementById("game-report");
  const name = game.dataset.name;
  let shown = false;
  let failed = false;

  function say(text) {
    status.textContent = text;
  }

  // The game cannot start: its window goes, and once the page has loaded, a box as the game's own
  // says why and what to do, its button loading the page again (a page added to a home screen has
  // no reload button). Orca reads it once, title, text and button, in every engine.
  function cannotStart(why, whatToDo) {
    if (failed) return;
    failed = true;
    game.hidden = true;
    say("");
    whenPageSettled(() => {
      document.getElementById("game-report-text").textContent = `${why} ${whatToDo}`;
      const again = report.querySelector("button");
      again.addEventListener("click", () => location.reload());
      report.hidden = false;
      again.focus();
    });
  }

  let loadedAt = document.readyState === "complete" ? performance.now() : null;
  if (loadedAt === null) {
    addEventListener("load", () => {
      loadedAt = performance.now();
    }, { once: true });
  }
  function whenPageSettled(then) {
    if (loadedAt === null) {
      addEventListener("load", () => setTimeout(then, LoadedPageSettleMs), { once: true });
      return;
    }
    const left = loadedAt + LoadedPageSettleMs - performance.now();
    if (left > 0) setTimeout(then, left);
    else then();
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
    gecko,
    whenPageSettled,
    // The game's window or first box is there: the status line has nothing more to say.
    shown() {
      if (shown || failed) return;
      shown = true;
      say("");
    },
  };
})();
