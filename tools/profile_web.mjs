// Where a game's first visit spends its processor time, in Debian's headless Chromium: the functions that took most, from the navigation to the first word (or the welcome box).
//   node tools/profile_web.mjs build/web/site scrambolo|pebblix
// Three first visits, sampled every 0.1 ms; prints each function's time per visit. Not a test.
import { launchChromium } from "../e2e/web/browser.mjs";
import { serveSite } from "../e2e/web/site_server.mjs";
import { tellFirstWordIn, visitUntilFirstWord } from "./first_word.mjs";
const [site, game] = process.argv.slice(2);
const VISITS = 3;
const server = await serveSite(site, { gzip: true });
const browser = await launchChromium();
const totals = new Map();
for (let n = 0; n < VISITS; n += 1) {
  const context = await browser.newContext();
  await tellFirstWordIn(context);
  const page = await context.newPage();
  const s = await context.newCDPSession(page);
  await s.send("Profiler.enable");
  await s.send("Profiler.setSamplingInterval", { interval: 100 });
  await s.send("Profiler.start");
  await visitUntilFirstWord(page, `${server.url}${game}/index.html`);
  const { profile } = await s.send("Profiler.stop");
  const byId = new Map(profile.nodes.map((node) => [node.id, node]));
  const dt = profile.timeDeltas;
  for (let i = 0; i < profile.samples.length; i += 1) {
    const node = byId.get(profile.samples[i]);
    const name = `${node.callFrame.functionName || "(anon)"} ${node.callFrame.url.split("/").pop()}`;
    totals.set(name, (totals.get(name) || 0) + (dt[i] || 0) / 1000);
  }
  await context.close();
}
const sorted = [...totals].sort((a, b) => b[1] - a[1]).slice(0, 25);
for (const [name, ms] of sorted) console.log(`${(ms / VISITS).toFixed(1)} ms  ${name}`);
await browser.close();
await server.close();
