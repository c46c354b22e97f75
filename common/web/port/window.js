// The page's side, the game's windows: its main window and the others, the text handed to the game, the desktop's twips, and the page once the game has closed.
"use strict";

(() => {
  const port = globalThis.gamePort;
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

  // The page's status line stops saying that the game is loading once the game shows itself.
  function gameShown() {
    globalThis.gameLoading.shown();
  }

  // Text: the game hands the page every text as UTF-8 (its 8-bit words decoded on its side, once,
  // as every edition decodes them), and takes the page's texts back the same way.
  function newText(text) {
    const size = lengthBytesUTF8(text) + 1;
    const copy = _malloc(size);
    stringToUTF8(text, copy, size);
    return copy;
  }

  // Places and sizes of the desktop's layout, in twips, handed to the style as pixels (--left,
  // --top, --width, --height of a control, each given or left as it was). The style decides where
  // they apply: a wide window with a mouse keeps them, a narrow one or a touch screen lets the
  // controls flow.
  const TwipsPerPixel = 15;
  function setTwips(element, box) {
    for (const name of Object.keys(box)) element.style.setProperty(`--${name}`, `${box[name] / TwipsPerPixel}px`);
  }

  // The game has ended, its window closed or a fault met: its clock stops, its boxes and windows
  // go, and the page says so and offers to start it again.
  function endGame() {
    port.stopTimers();
    port.clearQueue();
    port.removeAllBoxes();
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

  Object.assign(port, { setPageRoot, addWindow, removeWindow, gameShown, newText, setTwips, endGame });
})();
