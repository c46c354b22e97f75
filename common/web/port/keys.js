// The page's side, the keyboard: when the last keys went down, and the letter of a key pressed with Alt or Option.
"use strict";

(() => {
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

  // The letter or digit of the key pressed with Alt (Option on a Mac), lower case. A Mac gives
  // the character Option makes of it ("ø" for Option+O) as the key: the key's place on the
  // keyboard tells it.
  function accessKeyOf(event) {
    const place = /^(?:Key([A-Z])|Digit([0-9]))$/.exec(event.code || "");
    if (place) return (place[1] || place[2]).toLowerCase();
    return event.key.length === 1 ? event.key.toLowerCase() : "";
  }

  Object.assign(globalThis.gamePort, {
    lastKeyAt: () => lastKeyAt,
    keyBeforeLastAt: () => keyBeforeLastAt,
    accessKeyOf,
  });
})();
