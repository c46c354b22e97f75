// The moment a first visit's player meets the game, told by the page itself in its console: Scrambolo's focus on a letter of the first dealt word, Pebblix's welcome box.
// Waiting on the page from outside (Playwright's waitForFunction) would put the driver's own script
// into it while it starts, on the very thread that starts the game.

// Runs in the page from its first moment (an init script). Tells, on the page's own clock
// (milliseconds from the start of the navigation), the first word, the word list's arrival and unpacking, and the page's load.
function tellFirstWord(wordList) {
  // How long the page's port takes to unpack the word list, from the packed bytes to the file's.
  let unpacking = null;
  let port;
  Object.defineProperty(globalThis, "gamePort", { configurable: true, get: () => port, set(value) {
    port = value;
    queueMicrotask(() => {
      const unpack = port.unpackWords;
      port.unpackWords = async (packed) => {
        const start = performance.now();
        const words = await unpack(packed);
        unpacking = performance.now() - start;
        return words;
      };
    });
  } });
  let told = false;
  const check = () => {
    if (told) return;
    const focus = document.activeElement;
    const letter = focus && focus.classList.contains("letter") && focus.textContent.length === 1;
    if (!letter && !document.querySelector(".modal-cover:not([hidden]) .message-box")) return;
    told = true;
    const firstWord = performance.now();
    const entry = performance.getEntriesByType("resource").find((e) => e.name.endsWith(`/${wordList}`));
    const list = entry && { fetched: entry.responseEnd - entry.startTime, arrived: entry.responseEnd, unpacking };
    // The page's load, when it came before: the first focus waits a moment after it.
    const navigation = performance.getEntriesByType("navigation")[0];
    const loaded = navigation && navigation.loadEventStart > 0 ? navigation.loadEventStart : null;
    console.debug(`first word ${JSON.stringify({ firstWord, list, loaded })}`);
  };
  document.addEventListener("focusin", check, true);
  // A box may come before the page has finished loading; only the nodes added are looked at.
  new MutationObserver((records) => {
    const added = (record) => [...record.addedNodes].some((node) => node.classList && node.classList.contains("modal-cover"));
    if (records.some(added)) check();
  }).observe(document, { subtree: true, childList: true });
}

// Makes every page of the context tell its first word; wordList names the game's word list.
export async function tellFirstWordIn(context, wordList = "") {
  await context.addInitScript(tellFirstWord, wordList);
}

// Opens the game's page and resolves with { firstWord, list, loaded } once it has told its first word.
export async function visitUntilFirstWord(page, address, timeoutMs = 30000) {
  const told = new Promise((resolve) => page.on("console", (message) => {
    if (message.text().startsWith("first word ")) resolve(JSON.parse(message.text().slice("first word ".length)));
  }));
  let timer;
  const timeout = new Promise((_, reject) => {
    timer = setTimeout(() => reject(new Error(`${address}: no first word within ${timeoutMs / 1000} s`)), timeoutMs);
  });
  await page.goto(address, { waitUntil: "commit" });
  return Promise.race([told, timeout]).finally(() => clearTimeout(timer));
}
