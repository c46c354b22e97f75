// Plays the site offline: each build of the site is kept whole in a cache of its own, switched to only once every file of it is there.
"use strict";

// The site's files with their SHA-256 and the build's id made from them, written in at build time.
const build = { id: "unbuilt", files: {} };

const cachePrefix = "word-games-";
const buildCache = `${cachePrefix}build-${build.id}`;
// Which build each open page was started from: its later requests (a cue, the help) come from
// the same build, even when a newer one has been switched to meanwhile.
const pagesCache = `${cachePrefix}pages`;
const scope = self.registration.scope;

// The site's file an address stands for ("scrambolo/" is its index.html), or null.
function siteFile(address) {
  const url = new URL(address);
  if (url.origin !== self.location.origin || !url.href.startsWith(scope)) return null;
  const path = decodeURIComponent(url.pathname.slice(new URL(scope).pathname.length));
  const file = path === "" || path.endsWith("/") ? `${path}index.html` : path;
  return Object.prototype.hasOwnProperty.call(build.files, file) ? file : null;
}

async function sha256(bytes) {
  const digest = new Uint8Array(await crypto.subtle.digest("SHA-256", bytes));
  return Array.from(digest, (byte) => byte.toString(16).padStart(2, "0")).join("");
}

// The file's bytes as this build has them: from an older build's cache where it did not change,
// else from the host. The worker's own fetches skip the browser's HTTP cache ("no-cache" asks the
// host whether its copy is still current), so a host that sends only Last-Modified cannot hold a
// returning player on an old build. A file that does not match its hash (a download cut short, a
// host in the middle of an upload) fails the whole build.
async function fileOfBuild(file, olderCaches) {
  const url = new URL(file, scope).href;
  for (const older of olderCaches) {
    const kept = await older.match(url);
    if (kept) {
      const bytes = await kept.clone().arrayBuffer();
      if ((await sha256(bytes)) === build.files[file]) return kept;
    }
  }
  const response = await fetch(url, { cache: "no-cache" });
  if (!response.ok) throw new Error(`${file}: ${response.status}`);
  const bytes = await response.arrayBuffer();
  if ((await sha256(bytes)) !== build.files[file]) throw new Error(`${file} is not this build's`);
  return new Response(bytes, { headers: { "Content-Type": response.headers.get("Content-Type") || "" } });
}

// When a build's cache was begun, kept in it: a worker only ever drops builds older than its
// own, never one that a newer worker is storing or has just switched to.
const begunKey = new URL(".begun", scope).href;
async function begun(cache) {
  const found = await cache.match(begunKey);
  return found ? Number(await found.text()) : 0;
}

// Every file of the build into its cache; the worker is installed only once all are there. A
// build half stored by a visit that ended keeps what it has for the next try.
async function storeBuild() {
  const cache = await caches.open(buildCache);
  if (!(await cache.match(begunKey))) await cache.put(begunKey, new Response(String(Date.now())));
  const olderNames = (await caches.keys()).filter((name) => name.startsWith(`${cachePrefix}build-`) && name !== buildCache);
  const olderCaches = await Promise.all(olderNames.map((name) => caches.open(name)));
  for (const file of Object.keys(build.files)) {
    const url = new URL(file, scope).href;
    if (!(await cache.match(url))) await cache.put(url, await fileOfBuild(file, olderCaches));
  }
}

const pageKey = (clientId) => new URL(`.pages/${encodeURIComponent(clientId)}`, scope).href;

async function rememberPage(clientId) {
  const pages = await caches.open(pagesCache);
  await pages.put(pageKey(clientId), new Response(buildCache));
}

async function buildOfPage(clientId) {
  const pages = await caches.open(pagesCache);
  const found = await pages.match(pageKey(clientId));
  return found ? found.text() : null;
}

// Drops the builds older than this one that no open page was started from, and forgets closed
// pages; and the cache of the site's first offline worker, which kept no builds apart. Run when a
// build is switched to and when a loaded page asks, never while a page is being opened: a page
// being opened is not yet among the open ones.
async function dropOldBuilds() {
  const open = new Set((await self.clients.matchAll({ includeUncontrolled: true })).map((client) => client.id));
  const pages = await caches.open(pagesCache);
  const inUse = new Set([buildCache]);
  for (const request of await pages.keys()) {
    const clientId = decodeURIComponent(request.url.slice(request.url.lastIndexOf("/") + 1));
    if (open.has(clientId)) inUse.add(await (await pages.match(request)).text());
    else await pages.delete(request);
  }
  const ours = await begun(await caches.open(buildCache));
  for (const name of await caches.keys()) {
    const older = name.startsWith(`${cachePrefix}build-`) && !inUse.has(name) && (await begun(await caches.open(name))) < ours;
    if (older || name === "word-games") await caches.delete(name);
  }
}

self.addEventListener("install", (event) => {
  event.waitUntil(storeBuild().then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(self.clients.claim().then(dropOldBuilds));
});

// A page asks whether the site is ready to play offline: it is once this worker, whose build is
// whole, is the one in use.
self.addEventListener("message", (event) => {
  if (event.data === "offline?") {
    event.source.postMessage({ offline: build.id });
    event.waitUntil(dropOldBuilds());
  }
});

// A file of the site comes from the build its page was started from, or, for a page being
// opened, from the build in use now; a page opened before the worker came gets the build in use.
self.addEventListener("fetch", (event) => {
  const request = event.request;
  const file = request.method === "GET" ? siteFile(request.url) : null;
  if (!file) return;
  event.respondWith((async () => {
    let name = buildCache;
    if (request.mode === "navigate") {
      if (event.resultingClientId) await rememberPage(event.resultingClientId);
    } else if (event.clientId) {
      const started = await buildOfPage(event.clientId);
      if (started && (await caches.has(started))) name = started;
    }
    const cached = await (await caches.open(name)).match(new URL(file, scope).href);
    return cached || fetch(request);
  })());
});
