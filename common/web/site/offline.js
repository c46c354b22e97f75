// Lets the site play offline after a first visit: a service worker answers from the cache, and the page stores what it used.
"use strict";

(() => {
  if (!("serviceWorker" in navigator) || !location.protocol.startsWith("http")) return;
  const script = document.currentScript.src;
  const root = new URL(".", script).href;
  navigator.serviceWorker.register(new URL("service-worker.js", root).href, { scope: root }).catch(() => {});

  // Everything this page has fetched so far (its program, word list, sounds), the files it opens
  // later (the help text, the cues not yet played) and the site's own pages: the worker keeps
  // them, and the page is marked ready to play offline once it has.
  function filesThisPageUses() {
    const urls = new Set([location.href.split("#")[0], root, ...["index.html", "game.css", "offline.js",
      "manifest.webmanifest", "icon.svg"].map((name) => new URL(name, root).href)]);
    for (const entry of performance.getEntriesByType("resource")) {
      if (entry.name.startsWith(root)) urls.add(entry.name.split("#")[0]);
    }
    for (const name of (document.body.dataset.offline || "").split(" ").filter(Boolean)) {
      urls.add(new URL(name, location.href).href);
    }
    return [...urls];
  }
  navigator.serviceWorker.addEventListener("message", (event) => {
    if (event.data === "stored") globalThis.offlineReady = true;
  });
  addEventListener("load", () => {
    navigator.serviceWorker.ready.then((registration) => {
      setTimeout(() => registration.active.postMessage({ store: filesThisPageUses() }), 1000);
    });
  });
})();
