// The page's side, the program: its WebAssembly travels deflated beside the page (as GAME.wasm.packed), small from any host, and is inflated before it is compiled.
"use strict";

(() => {
  const port = globalThis.gamePort;
  // The program's script names it: GAME.wasm.packed beside GAME.js. A page made into one file
  // has the program inside it already.
  const script = document.currentScript;
  const packedProgram = script && script.src ? script.src.replace(/\.js$/, ".wasm.packed") : null;

  async function instantiate(imports) {
    let program = Module.wasmBinary;
    if (!program) {
      const packed = await port.readAhead(packedProgram);
      if (!packed) throw new Error(`${packedProgram} could not be fetched`);
      program = await port.inflate(packed);
    }
    return (await WebAssembly.instantiate(program, imports)).instance;
  }

  // A program missing, cut short or broken stops the page as a failed start does: the loading
  // script tells the player.
  Module.instantiateWasm = (imports, receiveInstance) => {
    instantiate(imports).then((instance) => receiveInstance(instance), (error) => abort(String(error)));
    return {};
  };
})();
