// Answers the site's requests from the cache when it has them, so a page added to a home screen plays offline.
"use strict";

const cacheName = "word-games";

self.addEventListener("install", () => self.skipWaiting());
self.addEventListener("activate", (event) => event.waitUntil(self.clients.claim()));

// A page asks for the files it uses to be kept; it is told once they are.
self.addEventListener("message", (event) => {
  if (!event.data || !Array.isArray(event.data.store)) return;
  event.waitUntil((async () => {
    const cache = await caches.open(cacheName);
    await Promise.all(event.data.store.map(async (url) => {
      if (!url.startsWith(self.registration.scope) || (await cache.match(url))) return;
      const response = await fetch(url).catch(() => null);
      if (response && response.ok) await cache.put(url, response);
    }));
    event.source.postMessage("stored");
  })());
});

// From the cache at once where it is there, refreshed from the network for the next visit;
// from the network, and kept, where it is not yet.
self.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET" || !request.url.startsWith(self.registration.scope)) return;
  event.respondWith((async () => {
    const cache = await caches.open(cacheName);
    const cached = await cache.match(request, { ignoreSearch: true });
    const fresh = fetch(request).then((response) => {
      if (response.ok) cache.put(request, response.clone());
      return response;
    });
    if (cached) {
      fresh.catch(() => {});
      return cached;
    }
    return fresh;
  })());
});
