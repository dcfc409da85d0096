// SPDX-License-Identifier: MIT
// The page's WebAssembly, embedded in it as base64, decoded by the browser itself where it can
// (Uint8Array.fromBase64): Emscripten's own decoder is a loop in JavaScript, the longest part of
// the start before the window is drawn. Compiled and started at once, as Emscripten would.
Module.instantiateWasm = (imports, receiveInstance) => {
  const base64 = wasmBinaryFile.slice(wasmBinaryFile.indexOf(',') + 1);
  const bytes = Uint8Array.fromBase64 ? Uint8Array.fromBase64(base64) : intArrayFromBase64(base64);
  const module = new WebAssembly.Module(bytes);
  const instance = new WebAssembly.Instance(module, imports);
  receiveInstance(instance, module);
  return instance.exports;
};
