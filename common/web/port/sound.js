// The page's side, the sound cues: Web Audio buffers, played once the browser allows it.
"use strict";

(() => {
  const port = globalThis.gamePort;
  // Sounds: Web Audio buffers, fetched once. Before the player's first key or tap a browser
  // refuses to play, so the sound system starts only then (it costs the start of the game a good
  // part of its time on a phone); a cue before it is skipped, never waited for.
  let audio = null;
  let audioAllowed = false;
  const sounds = new Map();
  // Safari before 14.1 has the Web Audio API only under its old name.
  const AudioContextClass = globalThis.AudioContext || globalThis.webkitAudioContext;
  function audioContext() {
    if (!audio && audioAllowed && typeof AudioContextClass === "function") audio = new AudioContextClass();
    return audio;
  }
  // The old API decodes only with callbacks; the newer one also returns a promise.
  function decode(context, data) {
    return new Promise((resolve, reject) => {
      const decoding = context.decodeAudioData(data.buffer, resolve, reject);
      if (decoding && typeof decoding.then === "function") decoding.then(resolve, reject);
    });
  }
  function sound(url) {
    if (!sounds.has(url)) {
      const context = audioContext();
      sounds.set(url, context
        ? port.fetchBytes(url).then((data) => (data ? decode(context, data) : null)).catch(() => null)
        : Promise.resolve(null));
    }
    return sounds.get(url);
  }
  function unlockSound() {
    audioAllowed = true;
    const context = audioContext();
    if (context && context.state === "suspended") context.resume().catch(() => {});
  }
  addEventListener("keydown", unlockSound, true);
  addEventListener("pointerdown", unlockSound, true);

  // Resolves when the cue has ended, or at once when it cannot be played.
  async function playSound(url) {
    if (!audioContext()) return;
    const buffer = await sound(url);
    const context = audioContext();
    if (!buffer || !context || context.state !== "running") return;
    const source = context.createBufferSource();
    source.buffer = buffer;
    source.connect(context.destination);
    const ended = new Promise((resolve) => {
      source.onended = resolve;
      // A context that stops (the tab hidden, the device gone) never ends the cue by itself.
      setTimeout(resolve, buffer.duration * 1000 + 250);
    });
    source.start();
    await ended;
  }

  Object.assign(port, { sound, playSound });
})();
