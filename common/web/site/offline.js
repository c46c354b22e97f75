// Lets the site play offline after a first visit: the site's worker keeps the whole build, and a new build comes whole on a later visit.
"use strict";

(() => {
  if (!("serviceWorker" in navigator) || !location.protocol.startsWith("http")) return;
  const root = new URL(".", document.currentScript.src).href;

  navigator.serviceWorker.addEventListener("message", (event) => {
    if (event.data && event.data.offline) globalThis.offlineReady = true;
  });
  // A moment after the page has loaded, once the game has started: the worker then fetches the
  // build without holding up the page's own downloads. The worker's script itself always comes
  // from the host, so a new build is found on the visit after it is put there, whatever caching
  // headers the host sends.
  const StartedMs = 1000;
  addEventListener("load", () => setTimeout(() => {
    navigator.serviceWorker.register(new URL("service-worker.js", root).href, { scope: root, updateViaCache: "none" })
      .then((registration) => registration.update())
      .catch(() => {});
    navigator.serviceWorker.ready.then((registration) => registration.active.postMessage("offline?"));
  }, StartedMs));
})();
