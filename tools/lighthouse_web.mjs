// Audits both game pages with Lighthouse's mobile audit (a mid-range phone on slow 4G, its processor four times slower, simulated), the site served as its files are by a host that compresses nothing.
//   node tools/lighthouse_web.mjs [SITE_FOLDER]   (tools/benchmark.sh builds the site and runs this)
// The host is Python's own static server (python3 -m http.server) on 127.0.0.1; Lighthouse drives
// Debian's Chromium. Each page is audited three times and the median run by performance score is
// printed. Prints numbers; it is not a test and passes or fails nothing.
import { execFile, spawn } from "node:child_process";
import { mkdtemp, readFile, rm } from "node:fs/promises";
import { createServer } from "node:net";
import { tmpdir } from "node:os";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";
import { promisify } from "node:util";

const here = dirname(fileURLToPath(import.meta.url));
const site = process.argv[2] || join(here, "..", "build", "web", "site");
const LIGHTHOUSE = join(here, "..", "e2e", "web", "node_modules", ".bin", "lighthouse");
const RUNS = 3;

async function freePort() {
  const server = createServer();
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  const { port } = server.address();
  await new Promise((resolve) => server.close(resolve));
  return port;
}

async function pythonServer(folder) {
  const port = await freePort();
  const server = spawn("python3", ["-m", "http.server", String(port), "--bind", "127.0.0.1", "--directory", folder],
    { stdio: "ignore" });
  const url = `http://127.0.0.1:${port}/`;
  for (let tries = 0; ; tries += 1) {
    try {
      await fetch(url);
      return { url, close: () => server.kill() };
    } catch (error) {
      if (tries > 100) throw error;
      await new Promise((resolve) => setTimeout(resolve, 100));
    }
  }
}

async function audit(url) {
  const folder = await mkdtemp(join(tmpdir(), "lighthouse-"));
  const report = join(folder, "report.json");
  try {
    await promisify(execFile)(LIGHTHOUSE, [url, "--quiet", "--only-categories=performance", "--output=json",
      `--output-path=${report}`, "--chrome-flags=--headless=new --no-sandbox"],
    { env: { ...process.env, CHROME_PATH: process.env.CHROME_PATH || "/usr/bin/chromium" }, maxBuffer: 1 << 26 });
    const { categories, audits, lighthouseVersion } = JSON.parse(await readFile(report, "utf8"));
    return {
      version: lighthouseVersion,
      performance: categories.performance.score,
      fcp: audits["first-contentful-paint"].numericValue,
      lcp: audits["largest-contentful-paint"].numericValue,
      tbt: audits["total-blocking-time"].numericValue,
      tti: audits.interactive.numericValue,
      bytes: audits["total-byte-weight"].numericValue,
    };
  } finally {
    await rm(folder, { recursive: true, force: true });
  }
}

const seconds = (ms) => `${(ms / 1000).toFixed(1)} s`;
const server = await pythonServer(site);
try {
  for (const game of ["scrambolo", "pebblix"]) {
    const runs = [];
    for (let n = 0; n < RUNS; n += 1) runs.push(await audit(`${server.url}${game}/index.html`));
    runs.sort((a, b) => a.performance - b.performance);
    const median = runs[Math.floor(RUNS / 2)];
    if (game === "scrambolo") console.log(`Lighthouse ${median.version}, mobile, served by python3 -m http.server (nothing compressed):`);
    console.log(`  ${game}: performance ${median.performance.toFixed(2)} (of ${runs.map((r) => r.performance.toFixed(2)).join(", ")}), ` +
      `first paint ${seconds(median.fcp)}, largest paint ${seconds(median.lcp)}, total blocking time ` +
      `${median.tbt.toFixed(0)} ms, interactive ${seconds(median.tti)}, ${(median.bytes / 1024).toFixed(0)} KB in all`);
  }
} finally {
  server.close();
}
