// The page's side, the word lists: a word list travels packed beside the page and is unpacked into the very bytes of its file, a few milliseconds of work at a time.
"use strict";

(() => {
  const port = globalThis.gamePort;
  const LF = 10;
  const CR = 13;
  // The longest list unpacked, as the program's own bound for a word list (common/word_list.h):
  // a longer one is damage, and what the program is given of it shows it as longer.
  const LargestList = 16 * 1024 * 1024;
  // The most the lines of a list of that size and one byte more take: each line its shared length
  // and its LF, for the line end it stands for, and the line end flag.
  const LargestLines = 2 * (LargestList + 1) + 3;
  // The page answers a key or paints between slices of unpacking this long.
  const SliceMs = 8;

  // A word list (a .dll, as the desktop names it) travels as its packed form, .words beside it
  // (common/web/pack_site_file.py writes it and tells the form); any other file as itself. A packed
  // form is small before any compression, so it comes small from a host that compresses nothing.
  function travelsAs(url) {
    return url.replace(/\.dll$/, ".words");
  }
  function isPackedList(url) {
    return /\.words$/.test(url);
  }

  // The next task: the browser paints and takes keys before it (no timer, which may wait longer).
  const channel = new MessageChannel();
  const waiting = [];
  channel.port1.onmessage = () => waiting.shift()();
  function nextTask() {
    return new Promise((resolve) => {
      waiting.push(resolve);
      channel.port2.postMessage(null);
    });
  }

  // The list's bytes, at most LargestList and one more, as they are read from the file itself;
  // null for a packed form that is broken or cut short, which reads as a file that cannot be read.
  async function unpackWords(packed) {
    let coded;
    try {
      coded = await port.inflate(packed, LargestLines);
    } catch {
      return null;
    }
    const whole = coded.length < LargestLines;
    if (coded.length === 0 || coded[0] > 1 || (whole && coded[coded.length - 1] !== LF)) return null;
    const crlf = coded[0] === 1;

    // The list's size first, each shared length checked against the line before.
    let size = 0;
    let lineCount = 0;
    for (let at = 1, previous = 0; at < coded.length; lineCount += 1) {
      const shared = coded[at];
      if (shared > previous) return null;
      let end = coded.indexOf(LF, at + 1);
      if (end < 0) end = coded.length;
      previous = shared + end - at - 1;
      size += previous;
      at = end + 1;
    }
    size += (lineCount - 1) * (crlf ? 2 : 1);

    // Then each line: the bytes shared with the line before, then its own.
    const words = new Uint8Array(size);
    let written = 0;
    let previousStart = 0;
    let sliceStart = performance.now();
    for (let at = 1, line = 0; at < coded.length; at += 1, line += 1) {
      if (line > 0) {
        if (crlf) words[written++] = CR;
        words[written++] = LF;
      }
      if (line % 1024 === 1023 && performance.now() - sliceStart > SliceMs) {
        await nextTask();
        sliceStart = performance.now();
      }
      const shared = coded[at];
      const start = written;
      for (let n = 0; n < shared; n += 1) words[written++] = words[previousStart + n];
      previousStart = start;
      for (at += 1; at < coded.length && coded[at] !== LF; at += 1) words[written++] = coded[at];
    }
    return words.length > LargestList + 1 ? words.subarray(0, LargestList + 1) : words;
  }

  Object.assign(port, { travelsAs, isPackedList, unpackWords, nextTask });
})();
