// SPDX-License-Identifier: MIT
// WebKit for the page's stories: WebKitGTK's MiniBrowser, driven over W3C WebDriver by
// WebKitWebDriver, behind the few calls of puppeteer's that the stories make, so that they run
// unchanged in the third engine. It needs an X display, and openbox. Touch is not offered: this driver turns a
// finger into the mouse.
import { spawn } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { createServer } from 'node:net';

const miniBrowser = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
// W3C's codes for the keys the stories press.
const codes = { Tab: '\uE004', Enter: '\uE007', Shift: '\uE008', Control: '\uE009', Alt: '\uE00A', PageUp: '\uE00E', PageDown: '\uE00F',
  End: '\uE010', Home: '\uE011', ArrowLeft: '\uE012', ArrowUp: '\uE013', ArrowRight: '\uE014',
  ArrowDown: '\uE015' };
const code = (name) => codes[name] ?? name;
const sleep = (ms) => new Promise((resolve) => { setTimeout(resolve, ms); });

async function freePort() {
  const server = createServer();
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const { port } = server.address();
  await new Promise((resolve) => server.close(resolve));
  return port;
}

class Session {
  constructor(base) { this.base = base; }

  async call(method, path, body) {
    const response = await fetch(`${this.base}${path}`, {
      method, headers: { 'Content-Type': 'application/json' },
      body: body === undefined ? undefined : JSON.stringify(body),
    });
    const { value } = await response.json();
    if (value && value.error) throw new Error(`WebDriver ${path}: ${value.error} ${value.message}`);
    return value;
  }

  // A function of the stories' run in the page, with its arguments, and its value (awaited).
  run(fn, ...args) {
    return this.call('POST', '/execute/sync',
      { script: `return (${fn}).apply(null, arguments);`, args });
  }

  act(type, id, actions, parameters) {
    return this.call('POST', '/actions', { actions: [{ type, id, parameters, actions }] });
  }
}

const buttons = { left: 0, middle: 1, right: 2 };

class Page {
  constructor(session) {
    this.session = session;
    this.errors = null; // this driver cannot read the console
    this.pointer = { x: 0, y: 0 };
    const act = (type, id, actions, parameters) => session.act(type, id, actions, parameters);
    // The driver forgets a held key between requests: the keys still held go down again first.
    const held = new Set();
    const keys = (...actions) => act('key', 'keys', [...[...held].map((name) => ({ type: 'keyDown', value: code(name) })),
      ...actions.map(([type, name]) => ({ type, value: code(name) }))]);
    this.keyboard = {
      down: async (name) => { await keys(['keyDown', name]); held.add(name); },
      up: async (name) => { held.delete(name); await keys(['keyUp', name]); },
      press: (name) => keys(['keyDown', name], ['keyUp', name]),
    };
    const mouse = (actions) => act('pointer', 'mouse', actions, { pointerType: 'mouse' });
    this.mouse = {
      move: async (x, y, { steps = 1 } = {}) => {
        const from = this.pointer;
        const moves = Array.from({ length: steps }, (_, step) => ({
          type: 'pointerMove', origin: 'viewport', duration: 10,
          x: Math.round(from.x + (x - from.x) * (step + 1) / steps),
          y: Math.round(from.y + (y - from.y) * (step + 1) / steps),
        }));
        this.pointer = { x, y };
        await mouse(moves);
      },
      down: ({ button = 'left' } = {}) => mouse([{ type: 'pointerDown', button: buttons[button] }]),
      up: ({ button = 'left' } = {}) => mouse([{ type: 'pointerUp', button: buttons[button] }]),
      click: async (x, y) => {
        await this.mouse.move(x, y);
        await this.mouse.down();
        await this.mouse.up();
      },
      wheel: ({ deltaY }) => act('wheel', 'wheel', [{ type: 'scroll', origin: 'viewport',
        x: Math.round(this.pointer.x), y: Math.round(this.pointer.y), deltaX: 0, deltaY }]),
    };
  }

  // The window's frame around the viewport is measured once, then the window sized to fit.
  async setViewport({ width, height }) {
    const rect = await this.session.call('GET', '/window/rect');
    const [innerWidth, innerHeight] = await this.evaluate(() => [innerWidth, innerHeight]);
    await this.session.call('POST', '/window/rect',
      { width: width + rect.width - innerWidth, height: height + rect.height - innerHeight });
  }

  goto(url) { return this.session.call('POST', '/url', { url }); }

  reload() { return this.session.call('POST', '/refresh', {}); }

  evaluate(fn, ...args) { return this.session.run(fn, ...args); }

  $eval(selector, fn, ...args) {
    return this.session.run(`(selector, ...rest) => (${fn})(document.querySelector(selector), ...rest)`,
      selector, ...args);
  }

  async $(selector) {
    return (await this.evaluate((found) => document.querySelector(found) !== null, selector)) ? selector : null;
  }

  async waitForFunction(fn, { timeout = 30000 } = {}, ...args) {
    const deadline = Date.now() + timeout;
    for (;;) {
      const value = await this.evaluate(fn, ...args);
      if (value) return { jsonValue: async () => value };
      if (Date.now() > deadline) throw new Error(`waiting for ${fn} failed: ${timeout} ms exceeded`);
      await sleep(50);
    }
  }

  async waitForSelector(selector, options) {
    await this.waitForFunction((found) => document.querySelector(found) !== null, options, selector);
    return { evaluate: (fn) => this.$eval(selector, fn) };
  }

  // An element's box in the page's pixels, where the pointer lands: WebKit gives the boxes inside
  // an element scaled with CSS zoom unzoomed.
  box(selector) {
    return this.$eval(selector, (element) => {
      let zoom = 1;
      for (let each = element; each; each = each.parentElement)
        zoom *= parseFloat(getComputedStyle(each).zoom) || 1;
      const { left, top, right, bottom, width, height } = element.getBoundingClientRect();
      return { left: left * zoom, top: top * zoom, right: right * zoom, bottom: bottom * zoom,
        width: width * zoom, height: height * zoom };
    });
  }

  async click(selector) {
    const { left, top, width, height } = await this.box(selector);
    await this.mouse.click(left + width / 2, top + height / 2);
  }

  focus(selector) { return this.$eval(selector, (element) => element.focus()); }

  addScriptTag({ path }) {
    return this.evaluate((source) => { (0, eval)(source); }, readFileSync(path, 'utf8'));
  }
}

// One MiniBrowser, whose one window every newPage takes over. A window manager gives it the focus,
// as a desktop does: without it the page never has the focus, and shows no focus mark.
export async function launchWebKit() {
  const port = await freePort();
  const windowManager = spawn('openbox', [], { stdio: 'ignore' });
  const driver = spawn('WebKitWebDriver', [`--port=${port}`], { stdio: 'ignore' });
  const base = `http://127.0.0.1:${port}`;
  for (let tries = 0; ; ++tries) {
    try {
      if ((await (await fetch(`${base}/status`)).json()).value.ready) break;
    } catch (error) {
      if (tries > 100) throw new Error(`WebKitWebDriver did not start: ${error.message}`);
    }
    await sleep(100);
  }
  const { sessionId } = await new Session(base).call('POST', '/session', { capabilities: { alwaysMatch: {
    browserName: 'MiniBrowser',
    'webkitgtk:browserOptions': { binary: miniBrowser, args: ['--automation'] },
  } } });
  const session = new Session(`${base}/session/${sessionId}`);
  return {
    newPage: async () => new Page(session),
    close: async () => {
      await session.call('DELETE', '').catch(() => {});
      driver.kill();
      windowManager.kill();
    },
  };
}
