// Measures the browser edition in Debian's headless Chromium: the bytes of a first visit and the time to the first word, quiet and on a phone's slower processor.
//   node tools/benchmark_web.mjs [SITE_FOLDER]   (tools/benchmark.sh builds the site and runs this)
// The bytes of a first visit (a fresh profile, nothing cached) as two hosts send them, one that
// compresses nothing and one that gzips text (pages, scripts, style), as most do by default. Then
// each page is visited five times, each time as a first visit, from the host that compresses
// nothing, with each file's Last-Modified, for the time to the first word. Prints numbers; it is
// not a test and passes or fails nothing.
import { statSync } from "node:fs";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";
import { launchChromium, siteFolder } from "../e2e/web/browser.mjs";
import { serveSite } from "../e2e/web/site_server.mjs";
import { tellFirstWordIn, visitUntilFirstWord } from "./first_word.mjs";

const VISITS = 5;
const site = process.argv[2] || siteFolder;

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const kilobytes = (bytes) => `${(bytes / 1024).toFixed(1)} KB`;
const milliseconds = (values) => `median ${median(values).toFixed(0)} ms (of ${values.map((v) => v.toFixed(0)).join(", ")})`;

// A mid-range phone: Chromium's processor slowed down four times.
const PHONE_THROTTLE = 4;

async function visit(browser, server, game, wordList, throttle) {
  const context = await browser.newContext();
  await tellFirstWordIn(context, wordList);
  const page = await context.newPage();
  if (throttle > 1) {
    const session = await context.newCDPSession(page);
    await session.send("Emulation.setCPUThrottlingRate", { rate: throttle });
  }
  const before = server.served.length;
  const { firstWord, list, loaded } = await visitUntilFirstWord(page, `${server.url}${game}/index.html`);
  const pageFiles = server.served.slice(before);
  // What the offline worker keeps (the whole site: sounds, help, the other game), fetched once
  // the page has loaded.
  await page.waitForFunction(() => globalThis.offlineReady === true, null, { timeout: 30000 });
  const allFiles = server.served.slice(before);
  await context.close();
  return { firstWord, list, loaded, pageFiles, allFiles };
}

const sum = (files, keep = () => true) => files.filter(keep).reduce((total, file) => total + file.bytes, 0);

// The bytes of one first visit from each host: the page's files until the first word, its word
// list among them, and what the offline worker then keeps.
async function measureBytes(browser, hosts, game, wordList, desktopList) {
  const isList = (file) => file.path.endsWith(`/${wordList}`);
  const listBytes = statSync(join(dirname(fileURLToPath(import.meta.url)), "..", "data", desktopList)).size;
  for (const [host, server] of hosts) {
    const first = await visit(browser, server, game, wordList, 1);
    console.log(`${game}, from a host that ${host}: first visit ${kilobytes(sum(first.pageFiles))} in all, its word list ` +
      `${wordList} ${kilobytes(sum(first.pageFiles, isList))} (${desktopList}: ${kilobytes(listBytes)}); ` +
      `${kilobytes(sum(first.allFiles) - sum(first.pageFiles))} more kept for offline play (the rest of the site)`);
    console.log(`  files before the first word: ${first.pageFiles.map((f) => `${f.path} ${f.bytes}`).join(", ")}`);
  }
}

// Lighthouse's slow 4G: 1.6 Mbit/s.
const SLOW_4G_BYTES_PER_MS = 1638.4 * 1024 / 8 / 1000;

async function measure(browser, server, game, wordList, desktopList, firstWordName) {
  console.log(`${game}:`);
  const visits = [];
  const throttled = [];
  for (let n = 0; n < VISITS; n += 1) visits.push(await visit(browser, server, game, wordList, 1));
  for (let n = 0; n < VISITS; n += 1) throttled.push(await visit(browser, server, game, wordList, PHONE_THROTTLE));
  // A first focus lands a moment after the page's load, once the screen reader has been told of
  // the new page: what comes between is that wait, not the program.
  const fromLoad = (runs) => {
    const loaded = runs.filter((v) => v.loaded !== null);
    return loaded.length === 0 ? "" : `; the page's load: ${milliseconds(loaded.map((v) => v.loaded))}, ` +
      `from it to ${firstWordName}: ${milliseconds(loaded.map((v) => v.firstWord - v.loaded))}`;
  };
  console.log(`  navigation to ${firstWordName}: ${milliseconds(visits.map((v) => v.firstWord))}`);
  console.log(`  ${wordList} fetched in ${milliseconds(visits.map((v) => v.list.fetched))}; ` +
    `from its arrival to ${firstWordName} (read, checked, dealt): ${milliseconds(visits.map((v) => v.firstWord - v.list.arrived))}` +
    fromLoad(visits));
  const saved = statSync(join(dirname(fileURLToPath(import.meta.url)), "..", "data", desktopList)).size -
    statSync(join(site, game, wordList)).size;
  console.log(`  ${wordList} unpacked in ${milliseconds(visits.map((v) => v.list.unpacking))}, with the processor ` +
    `${PHONE_THROTTLE} times slower in ${milliseconds(throttled.map((v) => v.list.unpacking))}; the ${kilobytes(saved)} ` +
    `it saves take ${(saved / SLOW_4G_BYTES_PER_MS).toFixed(0)} ms on slow 4G`);
  console.log(`  with the processor ${PHONE_THROTTLE} times slower (a mid-range phone): navigation to ${firstWordName}: ` +
    `${milliseconds(throttled.map((v) => v.firstWord))}; from the word list's arrival: ` +
    `${milliseconds(throttled.map((v) => v.firstWord - v.list.arrived))}` +
    fromLoad(throttled));
}

const server = await serveSite(site, { lastModified: true });
const textHost = await serveSite(site, { gzip: "text", lastModified: true });
const hosts = [["compresses nothing", server], ["gzips text", textHost]];
const browser = await launchChromium();
try {
  console.log(`Browser edition in headless Chromium ${browser.version()}, served on 127.0.0.1:`);
  await measureBytes(browser, hosts, "scrambolo", "jmsit32.words", "jmsit32.dll");
  await measureBytes(browser, hosts, "pebblix", "mswnby32.words", "mswnby32.dll");
  console.log("Time to the first word, from the host that compresses nothing:");
  await measure(browser, server, "scrambolo", "jmsit32.words", "jmsit32.dll", "the first dealt word");
  await measure(browser, server, "pebblix", "mswnby32.words", "mswnby32.dll", "the welcome box");
} finally {
  await browser.close();
  await server.close();
  await textHost.close();
}
