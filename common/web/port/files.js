// The page's side, the files: data fetched from beside the page (or from inside a one-file page), the saved files in the browser's storage, and tabs for help.
"use strict";

(() => {
  const port = globalThis.gamePort;

  // The folder of the page, as an address without a trailing slash.
  function pageFolder() {
    return new URL(".", document.baseURI).href.replace(/\/$/, "");
  }

  // The files beside the page, or, in a page made into one file to play from a disk, inside
  // it: a browser fetches nothing from a disk.
  function embeddedFile(url) {
    const files = globalThis.embeddedFiles;
    const at = url.lastIndexOf("/");
    const name = url.slice(at + 1);
    if (!files || url.slice(0, at) !== pageFolder() || !Object.prototype.hasOwnProperty.call(files, name)) return null;
    return Uint8Array.from(atob(files[name]), (c) => c.charCodeAt(0));
  }
  async function fetchBytes(url) {
    const embedded = embeddedFile(url);
    if (embedded) return embedded;
    const response = await fetch(url, { cache: "no-cache" });
    return response.ok ? new Uint8Array(await response.arrayBuffer()) : null;
  }

  // Saved files: one entry of the browser's storage per file, holding the file's bytes one
  // character each. Storage that is refused (a private window) or full fails as a disk would.
  function storage() {
    try {
      return globalThis.localStorage || null;
    } catch {
      return null;
    }
  }
  // The entry's bytes; null when there is none, or no storage at all (refused: nothing can be
  // written there either); undefined when the storage is there but failed to read, so that what
  // it holds is not known and must not be written over.
  function readSaved(key) {
    const store = storage();
    if (!store) return null;
    let text;
    try {
      text = store.getItem(key);
    } catch {
      return undefined;
    }
    return text === null ? null : Uint8Array.from(String(text), (c) => c.charCodeAt(0) & 0xff);
  }
  function writeSaved(key, bytes) {
    try {
      const store = storage();
      if (!store) return false;
      store.setItem(key, String.fromCharCode(...bytes));
      return true;
    } catch {
      return false;
    }
  }

  // A data file's bytes as the game reads them, from the address it travels at: a word list
  // unpacked from its packed form.
  async function readData(travelling) {
    const data = await fetchBytes(travelling);
    return data && port.isPackedList(travelling) ? port.unpackWords(data) : data;
  }

  // Data files beside the page; a missing one (or an error) reads as nothing. The ones the
  // page fetches ahead (its word list) are read, and unpacked, from the moment this script runs,
  // while the program's WebAssembly compiles, not when the game first asks: that first read
  // takes them.
  const fetchedAhead = new Map();
  for (const link of document.querySelectorAll('link[rel="preload"][as="fetch"]')) {
    fetchedAhead.set(link.href, readData(link.href).catch(() => null));
  }
  function readAhead(travelling) {
    const ahead = fetchedAhead.get(travelling);
    fetchedAhead.delete(travelling);
    return ahead || readData(travelling);
  }
  async function fetchFile(url, maxBytes) {
    try {
      const data = await readAhead(port.travelsAs(url));
      if (!data) return null;
      return data.length > maxBytes ? data.subarray(0, maxBytes + 1) : data;
    } catch {
      return null;
    }
  }

  // A help text inside the page opens as the text file it stands for, in the games' code page.
  function openTab(url) {
    try {
      const embedded = embeddedFile(url);
      const address = embedded
        ? URL.createObjectURL(new Blob([embedded], { type: "text/plain; charset=windows-1252" })) : url;
      const tab = window.open(address, "_blank");
      if (!tab) return false;
      tab.opener = null;
      return true;
    } catch {
      return false;
    }
  }


  Object.assign(globalThis.gamePort, { pageFolder, fetchBytes, readAhead, fetchFile, readSaved, writeSaved, openTab });
})();
