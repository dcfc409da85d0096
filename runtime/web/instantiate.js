// SPDX-License-Identifier: MIT
// The page's start. The window stands in the page already, from its markup; the start fits it to
// the page, then decodes the WebAssembly embedded as base64, by the browser itself where it can
// (Uint8Array.fromBase64: Emscripten's own decoder is a loop in JavaScript), and compiles it off
// the main thread, as browsers ask (Chromium before 115 refuses to compile more than 4 KB on it).
// A start that fails, for whatever reason, tells the player so in the page, never an empty window.

Module.startFailed = (reason) => {
  if (Module.started) return;
  Module.started = true;
  document.getElementById('client').inert = true;
  const report = document.getElementById('error');
  report.textContent = 'Ten Coins cannot start in this browser.\n\n'
    + 'It needs WebAssembly, which this browser lacks, does not allow here, or is too old for. '
    + 'A newer browser plays it. On an iPhone or iPad in Lockdown Mode, exclude this site from it '
    + '(Settings, Privacy & Security, Lockdown Mode, Configure Web Browsing).\n\n'
    + `The browser said: ${reason}`;
  report.hidden = false;
};
// Whatever the page's script throws before the game has started (without WebAssembly, the
// glue itself does).
addEventListener('error', (event) => Module.startFailed(event.message));

Module.instantiateWasm = (imports, receiveInstance) => {
  Page.prepare();
  const base64 = wasmBinaryFile.slice(wasmBinaryFile.indexOf(',') + 1);
  const bytes = Uint8Array.fromBase64 ? Uint8Array.fromBase64(base64) : intArrayFromBase64(base64);
  WebAssembly.instantiate(bytes, imports)
    .then(({ instance, module }) => receiveInstance(instance, module))
    .catch((error) => Module.startFailed(String(error)));
  return {};
};
