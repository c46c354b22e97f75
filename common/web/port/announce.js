// The page's side, what is said without a move of the focus: a polite live region.
"use strict";

(() => {
  // A polite live region, there and empty from the start (a region made with its text is not
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

  Object.assign(globalThis.gamePort, { announce });
})();
