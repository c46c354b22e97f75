// Pebblix's window in the page: the given word, the guess in a form with its Check button, and the menus.
"use strict";

globalThis.gamePage = (() => {
  const port = gamePort;
  // The page's click target of Check it!, numbered by the game when it captions the window.
  let checkIt = 0;

  const root = document.getElementById("game");
  port.setPageRoot(root, "Pebblix");

  const menus = gameMenus.bar();
  const menuBar = menus.element;

  // The client area, its controls placed in twips as on the desktop; the tab order is the word,
  // the guess, Check it!.
  const form = document.createElement("form");
  form.className = "client";
  // A form for Enter and a phone's Go key, not a landmark a screen reader would name on the way to the word.
  form.setAttribute("role", "none");
  form.autocomplete = "off";
  const place = (element, [left, top, width, height]) => port.setTwips(element, { left, top, width, height });

  let word = document.createElement("input");
  word.type = "text";
  word.readOnly = true;
  word.id = "given-word";
  // WebKit gives a screen reader that was there as the page was built no text of the word's box
  // and tells it of no change: there each new word comes in a new box, described by the word.
  const wordText = document.createElement("span");
  wordText.id = "given-word-text";
  wordText.hidden = true;
  function renewWordBox(text) {
    const fresh = word.cloneNode();
    fresh.setAttribute("aria-describedby", wordText.id);
    wordText.textContent = text;
    const focused = document.activeElement === word;
    port.replaceControl(word, fresh);
    word = fresh;
    if (focused) port.restoreFocus(word);
  }
  const wordLabel = document.createElement("label");
  wordLabel.htmlFor = "guess";
  let guess = document.createElement("input");
  guess.type = "text";
  guess.id = "guess";
  guess.name = "guess";
  guess.enterKeyHint = "go";
  ["autocapitalize", "autocorrect", "autocomplete"].forEach((name) => guess.setAttribute(name, "off"));
  guess.spellcheck = false;
  const check = document.createElement("button");
  check.type = "submit";
  check.className = "check";
  form.append(wordLabel, word, guess, check, wordText);
  root.append(menuBar, form);

  form.addEventListener("submit", (event) => {
    event.preventDefault();
    port.post("Click", checkIt);
  });

  // Checks the guess as the Check it! button does; Safari before 16 has no requestSubmit, and a
  // click on the form's submit button does the same there.
  function submitGuess() {
    if (typeof form.requestSubmit === "function") form.requestSubmit();
    else check.click();
  }

  // WebKit: a screen reader still catching up with the letters just typed (a fast typist, a busy
  // phone) reads the guess box's selection as it is by then, the whole refused guess, and takes
  // the selection's own news that follows for no change: the refused guess goes unsaid. There it
  // comes back in a new box, all of it selected, that takes the focus: a new control's focus is
  // always read, with its text and its selection.
  function renewGuessBox() {
    const fresh = guess.cloneNode();
    fresh.value = guess.value;
    port.replaceControl(guess, fresh);
    guess = fresh;
    port.restoreFocus(guess);
    guess.select();
  }

  function selectGuess() {
    guess.focus();
    guess.select();
  }

  root.addEventListener("keydown", (event) => {
    if (port.messageBoxOpen() || menuBar.contains(event.target)) return;
    const key = event.key.toLowerCase();
    const plain = !event.altKey && !event.ctrlKey && !event.metaKey;
    const shortcut = menus.shortcutOf(event);
    if (event.key === "Enter" && !event.altKey && event.target === word) {
      // Enter presses the default button wherever the focus is, as in a desktop dialog.
      event.preventDefault();
      submitGuess();
    } else if (shortcut) {
      event.preventDefault();
      port.post("Menu", shortcut);
    } else if (event.altKey && !event.ctrlKey && ["w", "c"].includes(port.accessKeyOf(event))) {
      // The access keys of "&Word:" and "&Check it!" (Option with them on a Mac); the word's
      // always selects the whole guess.
      event.preventDefault();
      if (port.accessKeyOf(event) === "w") selectGuess();
      else submitGuess();
    } else if (plain && event.target === check && (key === "w" || key === "c")) {
      // A push button takes no typing: a letter typed on it works as the access key it matches.
      event.preventDefault();
      if (key === "w") guess.focus();
      else submitGuess();
    }
  });

  return {
    menus,
    layout(wordBox, label, guessBox, button, clientWidth, clientHeight) {
      place(word, wordBox);
      place(wordLabel, label);
      place(guess, guessBox);
      place(check, button);
      port.setTwips(root, { "window-width": clientWidth });
      port.setTwips(form, { "client-height": clientHeight });
    },
    captions(labelCaption, checkCaption, wordName, checkTarget) {
      checkIt = checkTarget;
      gameMenus.label(wordLabel, labelCaption);
      gameMenus.label(check, checkCaption);
      word.setAttribute("aria-label", wordName);
    },
    // The window stands behind the start-up boxes from the first, as no screen reader is told of
    // a page part that appears under a box closing; shown, it takes the focus.
    show() {
      port.focusSoon(word);
    },
    setWordText(text) {
      if (port.webKit) renewWordBox(text);
      word.value = text;
      word.setSelectionRange(0, 0);
    },
    guessText() {
      return guess.value;
    },
    setGuessText(text) {
      // The guess given back as it was checked stays as it is: a caret sent back to its start
      // is read out by a screen reader as a move, before the refused guess is selected.
      if (guess.value === text) return;
      guess.value = text;
      guess.setSelectionRange(0, 0);
    },
    focusWord() {
      port.focusSoon(word);
    },
    focusGuess() {
      port.focusSoon(guess);
    },
    selectAllGuess() {
      if (port.refusedGuessInNewBox && port.focusTarget() === guess) renewGuessBox();
      else guess.select();
    },
  };
})();
