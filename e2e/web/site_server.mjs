// A static server for the built site on 127.0.0.1, with files a test takes away, puts in place or cuts short.
import { execFileSync } from "node:child_process";
import { createServer } from "node:http";
import { readFile, stat } from "node:fs/promises";
import { dirname, extname, join, normalize } from "node:path";
import { fileURLToPath } from "node:url";
import { deflateRawSync, gzipSync } from "node:zlib";

const PACKER = join(dirname(fileURLToPath(import.meta.url)), "..", "..", "common", "web", "pack_site_file.py");

// What a host that compresses text compresses.
const TEXT = /^(text\/|image\/svg\+xml|application\/manifest\+json)/;

// A test names a word list as the game reads it (NAME.dll) and the program as GAME.wasm; the site
// has them packed (NAME.words, GAME.wasm.packed), and so they are served, packed as the build
// packs them.
export function sitePath(path) {
  return path.replace(/\.dll$/, ".words").replace(/\.wasm$/, ".wasm.packed");
}
export function packedAsOnTheSite(path, content) {
  if (/\.dll$/.test(path)) return execFileSync("python3", [PACKER, "-", "-"], { input: content });
  if (/\.wasm$/.test(path)) return deflateRawSync(content);
  return content;
}

const types = {
  ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".wasm": "application/wasm",
  ".css": "text/css", ".svg": "image/svg+xml", ".webmanifest": "application/manifest+json",
  ".wav": "audio/wav", ".txt": "text/plain; charset=windows-1252", ".TXT": "text/plain; charset=windows-1252",
};

// Serves root; missing holds site paths answered 404, replaced maps a site path to a file's bytes.
// A word list or the program is named as the game reads it (sitePath).
// With gzip, every file goes compressed, as a web host that compresses everything sends it; with
// gzip "text", only its text (pages, scripts, style, icon, manifest, help), as most hosts do by
// default: each compressed once, for as long as its bytes stay the same. A page script goes into every page first, before the page's own
// scripts. With lastModified, each file is sent as a simple host sends it: its Last-Modified (the
// file's time), no other caching header, and 304 to a request that already has it. A path in cut
// has its download broken off halfway, as when a player leaves or the network drops; slow maps a
// path to the milliseconds its answer takes, as over a slow line. Every path asked for is
// counted, and the bytes sent. The returned object's root, missing, replaced and cut may be
// changed between requests.
export async function serveSite(root, { missing = [], replaced = {}, gzip = false, pageScript = "", lastModified = false,
  cut = [], slow = {} } = {}) {
  const served = [];
  const site = { root, missing, replaced, cut, served };
  const compressed = new Map();
  const gzipped = (file, content) => {
    const kept = compressed.get(file);
    if (kept && kept.content.equals(content)) return kept.body;
    const body = gzipSync(content);
    compressed.set(file, { content, body });
    return body;
  };
  const named = (paths, file) => paths.find((path) => sitePath(path) === file);
  const packed = new Map();
  const replacement = (file) => {
    const path = named(Object.keys(site.replaced), file);
    if (path === undefined) return null;
    const kept = packed.get(path);
    if (kept && kept.content === site.replaced[path]) return kept.body;
    const body = packedAsOnTheSite(path, site.replaced[path]);
    packed.set(path, { content: site.replaced[path], body });
    return body;
  };
  const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url, "http://localhost").pathname).replace(/^\/+/, "");
    const file = path === "" || path.endsWith("/") ? `${path}index.html` : path;
    const slowPath = named(Object.keys(slow), file);
    if (slowPath !== undefined) await new Promise((resolve) => setTimeout(resolve, slow[slowPath]));
    try {
      if (named(site.missing, file) !== undefined) throw new Error("taken away");
      let content = replacement(file) || await readFile(join(site.root, normalize(file)));
      const headers = { "Content-Type": types[extname(file)] || "application/octet-stream" };
      if (lastModified) {
        const modified = new Date((await stat(join(site.root, normalize(file)))).mtimeMs);
        modified.setMilliseconds(0);
        headers["Last-Modified"] = modified.toUTCString();
        const since = Date.parse(request.headers["if-modified-since"] || "");
        if (since >= modified.getTime()) {
          served.push({ path: file, bytes: 0 });
          response.writeHead(304, headers);
          response.end();
          return;
        }
      }
      if (pageScript && extname(file) === ".html") {
        content = Buffer.from(content.toString("utf8").replace("<head>", () => `<head><script>${pageScript}</script>`));
      }
      const compressed = gzip === true || (gzip === "text" && TEXT.test(headers["Content-Type"]));
      const body = compressed ? gzipped(file, content) : content;
      if (compressed) headers["Content-Encoding"] = "gzip";
      if (named(site.cut, file) !== undefined) {
        served.push({ path: file, bytes: body.length >> 1, cut: true });
        response.writeHead(200, { ...headers, "Content-Length": body.length });
        response.write(body.subarray(0, body.length >> 1), () => response.destroy());
        return;
      }
      served.push({ path: file, bytes: body.length });
      response.writeHead(200, headers);
      response.end(body);
    } catch {
      response.writeHead(404, { "Content-Type": "text/plain" });
      response.end("not found");
    }
  });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  site.url = `http://127.0.0.1:${server.address().port}/`;
  site.close = () => new Promise((resolve) => {
    server.closeAllConnections();
    server.close(resolve);
  });
  return site;
}
