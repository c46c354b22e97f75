// A static server for the built site on 127.0.0.1, with files a test takes away, puts in place or cuts short.
import { createServer } from "node:http";
import { readFile, stat } from "node:fs/promises";
import { extname, join, normalize } from "node:path";
import { gzipSync } from "node:zlib";

const types = {
  ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".wasm": "application/wasm",
  ".css": "text/css", ".svg": "image/svg+xml", ".webmanifest": "application/manifest+json",
  ".wav": "audio/wav", ".txt": "text/plain; charset=windows-1252", ".TXT": "text/plain; charset=windows-1252",
};

// Serves root; missing holds site paths answered 404, replaced maps a site path to a file's bytes.
// With gzip, every file goes compressed, as a web host sends it: each compressed once, for as long
// as its bytes stay the same. A page script goes into every page first, before the page's own
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
  const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url, "http://localhost").pathname).replace(/^\/+/, "");
    const file = path === "" || path.endsWith("/") ? `${path}index.html` : path;
    if (slow[file]) await new Promise((resolve) => setTimeout(resolve, slow[file]));
    try {
      if (site.missing.includes(file)) throw new Error("taken away");
      let content = file in site.replaced ? site.replaced[file] : await readFile(join(site.root, normalize(file)));
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
      const body = gzip ? gzipped(file, content) : content;
      if (gzip) headers["Content-Encoding"] = "gzip";
      if (site.cut.includes(file)) {
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
