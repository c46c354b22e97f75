// The files that travel packed come back whole: each word list the site ships unpacks, in the page's own port code, to the very bytes of the desktop's file, and its program to its WebAssembly, by the browser's inflating and by the page's own.
import { test } from "node:test";
import assert from "node:assert/strict";
import { readdir, readFile } from "node:fs/promises";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";
import vm from "node:vm";
import { inflateRawSync } from "node:zlib";
import { siteFolder, wordsFolder } from "./browser.mjs";
import { packedAsOnTheSite } from "./site_server.mjs";

const here = dirname(fileURLToPath(import.meta.url));
const portFolder = join(here, "..", "..", "common", "web", "port");
const dataFolder = join(here, "..", "..", "data");

// The port's inflating and word lists as a page runs them; without the browser's own inflating
// when told, as in the oldest browsers.
async function port({ browserInflates = true } = {}) {
  // Node keeps running while a channel listens; a page's does not hold it open.
  const Channel = class extends MessageChannel {
    constructor() {
      super();
      const listening = this.port1;
      Object.defineProperty(this, "port1", { value: { set onmessage(handler) {
        listening.onmessage = handler;
        listening.unref();
      } } });
    }
  };
  const page = { gamePort: {}, Blob, MessageChannel: Channel, performance, Uint8Array, Error };
  if (browserInflates) page.DecompressionStream = DecompressionStream;
  page.globalThis = page;
  vm.createContext(page);
  for (const part of ["inflate", "word_lists"]) {
    vm.runInContext(await readFile(join(portFolder, `${part}.js`), "utf8"), page, { filename: `${part}.js` });
  }
  return page.gamePort;
}
const both = [["by the browser", { browserInflates: true }], ["by the page itself", { browserInflates: false }]];
const bytes = (data) => Buffer.from(data.buffer, data.byteOffset, data.length);

for (const [how, options] of both) {
  test(`each shipped word list unpacks to the desktop's file, inflated ${how}`, async () => {
    const gamePort = await port(options);
    for (const [game, list, count] of [["scrambolo", "jmsit32", 4211], ["pebblix", "mswnby32", 63528]]) {
      const file = await readFile(join(dataFolder, `${list}.dll`));
      const unpacked = bytes(await gamePort.unpackWords(await readFile(join(siteFolder, game, `${list}.words`))));
      assert.ok(unpacked.equals(file), `${list}.words unpacks to ${unpacked.length} bytes, not the ${file.length} of ${list}.dll`);
      assert.equal(unpacked.toString("latin1").split("\r\n").length - 1, count);
    }
  });

  test(`each program inflates to its WebAssembly, ${how}`, async () => {
    const gamePort = await port(options);
    for (const game of ["scrambolo", "pebblix"]) {
      const packed = await readFile(join(siteFolder, game, `${game}.wasm.packed`));
      const program = bytes(await gamePort.inflate(packed));
      assert.ok(program.equals(inflateRawSync(packed)), game);
      assert.ok(WebAssembly.validate(program), `${game}'s program is no WebAssembly`);
    }
  });

  test(`any list comes back byte for byte, and a broken or cut one reads as nothing, inflated ${how}`, async () => {
    const gamePort = await port(options);
    const lists = {
      "lines ending LF, the last without": Buffer.from("cab\ncat\ncatalog"),
      "no bytes at all": Buffer.alloc(0),
      "a CR inside a line": Buffer.from("x\ry\r\nx\r\r\n"),
      "lines sharing more than a byte tells": Buffer.from(`${"q".repeat(300)}\n${"q".repeat(300)}z\n`),
      "bytes of every value": Buffer.from(Array.from({ length: 4096 }, (_, n) => (n * 7919) % 256)),
    };
    for (const name of (await readdir(wordsFolder)).filter((file) => file.endsWith(".txt"))) {
      lists[name] = await readFile(join(wordsFolder, name));
    }
    for (const [name, list] of Object.entries(lists)) {
      const packed = packedAsOnTheSite("list.dll", list);
      assert.ok(bytes(await gamePort.unpackWords(packed)).equals(list), name);
      for (const size of [0, 1, packed.length >> 1, packed.length - 1]) {
        assert.equal(await gamePort.unpackWords(packed.subarray(0, size)), null, `${name} cut to ${size} bytes`);
      }
    }
    // More shared than the line before has, and a line end flag other than 0 or 1.
    const stored = (coded) => Buffer.concat([Buffer.from([1, coded.length & 0xff, coded.length >> 8,
      ~coded.length & 0xff, (~coded.length >> 8) & 0xff]), Buffer.from(coded, "latin1")]);
    assert.ok(bytes(await gamePort.unpackWords(stored("\x01\x00a\n\x01ardvark\n\x00\n"))).equals(Buffer.from("a\r\naardvark\r\n")));
    assert.equal(await gamePort.unpackWords(stored("\x01\x00ab\n\x03c\n")), null);
    assert.equal(await gamePort.unpackWords(stored("\x02\x00ab\n")), null);
  });
}

test("the page's own inflating stops at its bound, and throws on damage anywhere, never reading past its input", async () => {
  const { inflateHere } = await port({ browserInflates: false });
  const packed = await readFile(join(siteFolder, "scrambolo", "jmsit32.words"));
  const whole = inflateRawSync(packed);
  assert.ok(bytes(inflateHere(packed, 1000)).equals(whole.subarray(0, 1000)));
  for (let at = 0; at < packed.length; at += 97) {
    const damaged = Buffer.from(packed);
    damaged[at] ^= 0x5a;
    try {
      assert.ok(inflateHere(damaged, 1 << 20).length <= 1 << 20);
    } catch (error) {
      assert.ok(error instanceof Error, String(error));
    }
  }
});
