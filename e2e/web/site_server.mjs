// A static server for the built site on 127.0.0.1, with files a test takes away or puts in place.
import { createServer } from "node:http";
import { readFile } from "node:fs/promises";
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
// scripts. Every path asked for is counted, and the bytes sent.
export async function serveSite(root, { missing = [], replaced = {}, gzip = false, pageScript = "" } = {}) {
  const served = [];
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
    try {
      if (missing.includes(file)) throw new Error("taken away");
      let content = file in replaced ? replaced[file] : await readFile(join(root, normalize(file)));
      if (pageScript && extname(file) === ".html") {
        content = Buffer.from(content.toString("utf8").replace("<head>", () => `<head><script>${pageScript}</script>`));
      }
      const body = gzip ? gzipped(file, content) : content;
      served.push({ path: file, bytes: body.length });
      response.writeHead(200, {
        "Content-Type": types[extname(file)] || "application/octet-stream",
        ...(gzip ? { "Content-Encoding": "gzip" } : {}),
      });
      response.end(body);
    } catch {
      response.writeHead(404, { "Content-Type": "text/plain" });
      response.end("not found");
    }
  });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    served,
    missing,
    close: () => new Promise((resolve) => server.close(resolve)),
  };
}
