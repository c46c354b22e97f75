// The page's side, inflating: a raw DEFLATE stream back into its bytes, by the browser where it can, else here (Safari before 16.4, Firefox before 113, Chrome before 103 have no way to).
"use strict";

(() => {
  // The lengths and distances a code stands for: the first of each and the bits that follow it.
  const LENGTH_BASE = [3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31, 35, 43, 51, 59, 67, 83, 99, 115, 131,
    163, 195, 227, 258];
  const LENGTH_EXTRA = [0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0];
  const DISTANCE_BASE = [1, 2, 3, 4, 5, 7, 9, 13, 17, 25, 33, 49, 65, 97, 129, 193, 257, 385, 513, 769, 1025, 1537,
    2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577];
  const DISTANCE_EXTRA = [0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13];
  // The order in which a block gives the lengths of its code-length code.
  const CODE_LENGTH_ORDER = [16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15];
  const LONGEST_CODE = 15;
  const END_OF_BLOCK = 256;

  // A canonical Huffman code from each symbol's code length, as a table read with the code's
  // longest length of bits at once: each entry the symbol and its code's own length (0 for bits
  // that begin no code). Codes come least significant bit first, so they index the table reversed.
  function huffman(lengths) {
    const counts = new Uint16Array(LONGEST_CODE + 1);
    let longest = 0;
    for (const length of lengths) {
      counts[length] += 1;
      longest = Math.max(longest, length);
    }
    counts[0] = 0;
    const nextCode = new Uint16Array(LONGEST_CODE + 1);
    for (let length = 1, code = 0; length <= LONGEST_CODE; length += 1) {
      code = (code + counts[length - 1]) << 1;
      if (code + counts[length] > 1 << length) throw new Error("more codes than bits for them");
      nextCode[length] = code;
    }
    const table = new Uint16Array(1 << longest);
    lengths.forEach((length, symbol) => {
      if (!length) return;
      const code = nextCode[length]++;
      let reversed = 0;
      for (let bit = 0; bit < length; bit += 1) reversed |= ((code >> bit) & 1) << (length - 1 - bit);
      for (let index = reversed; index < table.length; index += 1 << length) table[index] = (symbol << 4) | length;
    });
    return { table, longest };
  }

  let fixedCodes = null;
  function fixed() {
    fixedCodes = fixedCodes || [
      huffman(Array.from({ length: 288 }, (_, symbol) => (symbol < 144 ? 8 : symbol < 256 ? 9 : symbol < 280 ? 7 : 8))),
      huffman(new Array(30).fill(5)),
    ];
    return fixedCodes;
  }

  // The first limit bytes the stream inflates to, all of them when it has fewer; throws on a
  // stream that is cut short or broken.
  function inflateHere(input, limit) {
    let at = 0;
    let bitBuffer = 0;
    let bitCount = 0;
    // Past the stream's end the bits read as zeros, for a code shorter than its table's reach;
    // taking any of them is a stream cut short.
    let pastEnd = 0;
    let output = new Uint8Array(Math.min(limit, Math.max(1024, input.length * 4)));
    let size = 0;
    const full = {};

    function fill(count) {
      while (bitCount < count) {
        if (at < input.length) bitBuffer |= input[at++] << bitCount;
        else pastEnd += 8;
        bitCount += 8;
      }
    }
    function take(count) {
      bitBuffer >>>= count;
      bitCount -= count;
      if (bitCount < pastEnd) throw new Error("the stream is cut short");
    }
    function bits(count) {
      fill(count);
      const value = bitBuffer & ((1 << count) - 1);
      take(count);
      return value;
    }
    function decode(code) {
      fill(code.longest);
      const entry = code.table[bitBuffer & ((1 << code.longest) - 1)];
      if (!entry) throw new Error("no such code");
      take(entry & 15);
      return entry >> 4;
    }
    // The bytes go into room made ahead, twice as much each time.
    function room() {
      if (size < output.length) return;
      if (size === limit) throw full;
      const larger = new Uint8Array(Math.min(limit, output.length * 2));
      larger.set(output);
      output = larger;
    }

    // A stored block starts at the next whole byte: the whole bytes already read ahead go back.
    function stored() {
      if (pastEnd) throw new Error("the stream is cut short");
      at -= bitCount >> 3;
      bitBuffer = 0;
      bitCount = 0;
      if (at + 4 > input.length) throw new Error("the stream is cut short");
      const length = input[at] | (input[at + 1] << 8);
      if ((length ^ (input[at + 2] | (input[at + 3] << 8))) !== 0xffff) throw new Error("a stored length is broken");
      at += 4;
      if (at + length > input.length) throw new Error("the stream is cut short");
      for (let n = 0; n < length; n += 1) {
        room();
        output[size++] = input[at++];
      }
    }
    function dynamicCodes() {
      const literalCount = bits(5) + 257;
      const distanceCount = bits(5) + 1;
      const lengthCodeCount = bits(4) + 4;
      const lengthLengths = new Array(19).fill(0);
      for (let n = 0; n < lengthCodeCount; n += 1) lengthLengths[CODE_LENGTH_ORDER[n]] = bits(3);
      const lengthCode = huffman(lengthLengths);
      const lengths = [];
      while (lengths.length < literalCount + distanceCount) {
        const symbol = decode(lengthCode);
        if (symbol < 16) {
          lengths.push(symbol);
          continue;
        }
        let repeated = 0;
        let times;
        if (symbol === 16) {
          if (lengths.length === 0) throw new Error("a repeat with nothing before it");
          repeated = lengths[lengths.length - 1];
          times = 3 + bits(2);
        } else if (symbol === 17) {
          times = 3 + bits(3);
        } else {
          times = 11 + bits(7);
        }
        if (lengths.length + times > literalCount + distanceCount) throw new Error("too many code lengths");
        for (let n = 0; n < times; n += 1) lengths.push(repeated);
      }
      if (lengths[END_OF_BLOCK] === 0) throw new Error("a block without its end");
      return [huffman(lengths.slice(0, literalCount)), huffman(lengths.slice(literalCount))];
    }
    function compressed([literals, distances]) {
      for (;;) {
        const symbol = decode(literals);
        if (symbol < END_OF_BLOCK) {
          room();
          output[size++] = symbol;
          continue;
        }
        if (symbol === END_OF_BLOCK) return;
        const lengthIndex = symbol - 257;
        if (lengthIndex >= LENGTH_BASE.length) throw new Error("no such length");
        const length = LENGTH_BASE[lengthIndex] + bits(LENGTH_EXTRA[lengthIndex]);
        const distanceIndex = decode(distances);
        if (distanceIndex >= DISTANCE_BASE.length) throw new Error("no such distance");
        const distance = DISTANCE_BASE[distanceIndex] + bits(DISTANCE_EXTRA[distanceIndex]);
        if (distance > size) throw new Error("a distance before the start");
        for (let n = 0; n < length; n += 1) {
          room();
          output[size] = output[size - distance];
          size += 1;
        }
      }
    }

    try {
      let last = 0;
      while (!last) {
        last = bits(1);
        const type = bits(2);
        if (type === 0) stored();
        else if (type === 1) compressed(fixed());
        else if (type === 2) compressed(dynamicCodes());
        else throw new Error("no such block type");
      }
    } catch (error) {
      if (error !== full) throw error;
    }
    return output.subarray(0, size);
  }

  // The browser's own inflating, fed the whole stream and read until limit bytes have come; null
  // where the browser has none.
  async function inflateByBrowser(input, limit) {
    let reader;
    try {
      reader = new Blob([input]).stream().pipeThrough(new DecompressionStream("deflate-raw")).getReader();
    } catch {
      return null;
    }
    const parts = [];
    let size = 0;
    while (size < limit) {
      const { done, value } = await reader.read();
      if (done) break;
      parts.push(value);
      size += value.length;
    }
    if (size >= limit) reader.cancel().catch(() => {});
    const whole = new Uint8Array(Math.min(size, limit));
    let at = 0;
    for (const part of parts) {
      if (at === whole.length) break;
      const used = Math.min(part.length, whole.length - at);
      whole.set(part.subarray(0, used), at);
      at += used;
    }
    return whole;
  }

  // The first limit bytes the stream inflates to; rejects for a stream that is cut short or broken.
  async function inflate(input, limit = Infinity) {
    const byBrowser = await inflateByBrowser(input, limit);
    return byBrowser || inflateHere(input, limit);
  }

  Object.assign(globalThis.gamePort, { inflate, inflateHere });
})();
