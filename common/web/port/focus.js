// The page's side, the focus: where the game puts it, landing once the screen reader can follow, and given back without counting as the player's move.
"use strict";

(() => {
  const port = globalThis.gamePort;
  const whenPageSettled = globalThis.gameLoading.whenPageSettled;

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
    if (move) port.gameShown();
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
    port.retargetReturnFocus(old, fresh);
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

  Object.assign(port, {
    focusSoon, whenSettled, focusTarget, claimFocus, replaceControl, restoreFocus, focusIsRestored,
    focusRestoredInThisTask, webKit, refusedGuessInNewBox,
  });
})();
