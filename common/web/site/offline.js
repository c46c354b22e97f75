// Lets the site play offline after a first visit: a service worker answers from the cache, and the page stores what it used.
"use strict";

(() => {
  if (!("serviceWorker" in navigator) || !location.protocol.startsWith("http")) return;
  const script = document.currentScript.src;
  const root = new URL(".", script).href;
  const cacheName = "word-games";
  navigator.serviceWorker.register(new URL("service-worker.js", root).href, { scope: root }).catch(() => {});

  // Everything this page has fetched so far (its program, word list, sounds), the files it opens
  // later (the help text) and the site's own pages go into the cache the worker answers from.
  async function storeWhatThisPageUses() {
    const urls = new Set([location.href.split("#")[0], root, new URL("index.html", root).href,
      new URL("game.css", root).href, new URL("offline.js", root).href, new URL("manifest.webmanifest", root).href,
      new URL("icon.svg", root).href]);
    for (const entry of performance.getEntriesByType("resource")) {
      if (entry.name.startsWith(root)) urls.add(entry.name.split("#")[0]);
    }
    for (const name of (document.body.dataset.offline || "").split(" ").filter(Boolean)) {
      urls.add(new URL(name, location.href).href);
    }
    const cache = await caches.open(cacheName);
    await Promise.all([...urls].map(async (url) => {
      if (await cache.match(url)) return;
      const response = await fetch(url);
      if (response.ok) await cache.put(url, response);
    }));
  }
  addEventListener("load", () => {
    navigator.serviceWorker.ready.then(() => setTimeout(() => storeWhatThisPageUses().catch(() => {}), 2000));
  });
})();
