// SPDX-License-Identifier: MIT
// The page's start. The window stands in the page already, from its markup: first of all it is
// fitted to the page, and the browser draws it. Then the WebAssembly embedded as base64 is
// decoded, by the browser itself where it can (Uint8Array.fromBase64: Emscripten's own decoder is
// a loop in JavaScript), and compiled off the main thread, as browsers ask (Chromium before 115
// refuses to compile more than 4 KB on it). A start that fails, for whatever reason, tells the
// player so in the page, never leaving a window that does nothing.

// The client area stands alone when the window is its size (an app window); in anything larger (a
// tab, an installed app, a phone) the page shows it as a window with a caption, centred and scaled
// to fit, and fits it again as that changes size or turns (an app on an iPhone is told of the turn
// before its size changes, and the visual viewport when it has); a page that opened as the game's
// own window keeps its layout, as a desktop window does. Worked out from the sizes alone: asking the
// page for its layout here would lay it out twice before it is shown. CSS zoom scales the window's
// layout; where the browser has none (Firefox before 126), a transform scales its looks, about its
// centre where the page centres it, else about its corner.
class WindowFit {
  constructor(element) {
    this.style = element.style;
    const size = (name) => parseFloat(this.style.getPropertyValue(name));
    this.client = { width: size('--client-width'), height: size('--client-height') };
    this.zooms = CSS.supports('zoom', '1');
    this.style.setProperty('--caption', WindowFit.Caption + 'px');
    this.style.setProperty('--border', WindowFit.Border + 'px');
    this.fit();
    if (!document.body.classList.contains('framed')) return;
    const refit = () => this.fit();
    addEventListener('resize', refit);
    if (window.visualViewport) visualViewport.addEventListener('resize', refit);
  }

  fit() {
    const { client } = this;
    const framed = innerWidth >= client.width + 40 && innerHeight >= client.height + 80;
    document.body.classList.toggle('framed', framed);
    const border = framed ? WindowFit.Border : 0, margin = framed ? WindowFit.Margin : 0;
    const width = client.width + 2 * border;
    const height = client.height + (framed ? WindowFit.Caption : 0) + 2 * border;
    const fitted = Math.min((innerWidth - 2 * margin) / width, (innerHeight - 2 * margin) / height);
    const scale = fitted > 0 ? fitted : 1;
    if (this.zooms) {
      this.style.zoom = scale;
    } else {
      this.style.transform = scale === 1 ? '' : `scale(${scale})`;
      this.style.transformOrigin = framed ? '' : '0 0';
    }
  }
}

// The window drawn around the client area in a larger page, and the page around it.
WindowFit.Caption = 24;
WindowFit.Border = 1;
WindowFit.Margin = 16;

new WindowFit(document.getElementById('window'));

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

// The browser draws the window first: decoding and compiling wait for the task after the first
// frame, which would otherwise come a third later. A hidden page draws no frames: it starts at once.
Module.instantiateWasm = (imports, receiveInstance) => {
  const start = () => {
    const base64 = wasmBinaryFile.slice(wasmBinaryFile.indexOf(',') + 1);
    const bytes = Uint8Array.fromBase64 ? Uint8Array.fromBase64(base64) : intArrayFromBase64(base64);
    WebAssembly.instantiate(bytes, imports)
      .then(({ instance, module }) => receiveInstance(instance, module))
      .catch((error) => Module.startFailed(String(error)));
  };
  if (document.visibilityState === 'hidden') start();
  else requestAnimationFrame(() => setTimeout(start, 0));
  return {};
};
