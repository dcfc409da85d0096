// SPDX-License-Identifier: MIT
// The page in a real browser: what X cannot see of it. The caption and the live region after a
// flip (a burst told once, each flip a moment apart told), the labels, what the page tells a
// screen reader, the keys, touch and the wheel of this engine, the mouse at three scales of the
// page, the framed layout in a large viewport, the bare one in a window the client's size, a
// high-contrast theme read from the pixels, the site served as a static host serves it
// (installable, offline, updated, an error during a deploy), what an accessibility checker finds
// in every layout, and an error in a handler reported and stopping the game. The same stories in
// each engine: Chromium and Firefox through puppeteer, WebKit through its WebDriver
// (webdriver.mjs, in an X display).
// Usage: [STORY=pattern] node tests/web/dom.mjs chromium|firefox|webkit PAGE FAULTY_PAGE SITE_FOLDER
import { execFileSync } from 'node:child_process';
import { createServer } from 'node:http';
import { createRequire } from 'node:module';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';
import { launchWebKit } from './webdriver.mjs';

const [engine, pagePath, faultyPath, siteFolder] = process.argv.slice(2);
const engines = {
  chromium: {
    executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync'],
  },
  firefox: { browser: 'firefox', executablePath: '/usr/bin/firefox-esr' },
};
const browser = engine === 'webkit' ? await launchWebKit()
  : await puppeteer.launch({ headless: true, ...engines[engine] });
// The narrowest window WebKit's MiniBrowser makes is about 447 pixels wide: there the window the
// client area's height is as wide as that, which lays the page out as bare as at 226.
const narrowest = engine === 'webkit' ? 447 : 226;
const pageUrl = pathToFileURL(pagePath).href;
const counts = { passed: 0, failed: 0, skipped: 0 };

// STORY=pattern runs only the stories whose names it matches.
const only = process.env.STORY && new RegExp(process.env.STORY);

async function story(name, run, { skip } = {}) {
  if (only && !only.test(name)) return;
  if (skip) {
    counts.skipped += 1;
    console.log(`SKIP: ${engine}: ${name}: ${skip}`);
    return;
  }
  try {
    await run();
    counts.passed += 1;
    console.log(`PASS: ${engine}: ${name}`);
  } catch (error) {
    counts.failed += 1;
    console.log(`FAIL: ${engine}: ${name}: ${error.message}`);
  }
}

function expect(actual, expected, what) {
  const [a, e] = [JSON.stringify(actual), JSON.stringify(expected)];
  if (a !== e) throw new Error(`${what} is ${a}, not ${e}`);
}

// A page in a viewport of that size, once the game has started in it; before(), if given, runs in
// it before the page's own script, and started false waits for no start.
async function open(url, width = narrowest, height = 161, device = {}, { before, started = true } = {}) {
  const page = await browser.newPage();
  if (page.on) {
    page.errors = [];
    page.on('console', (message) => { if (message.type() === 'error') page.errors.push(message.text()); });
    page.on('pageerror', (error) => page.errors.push(error.message));
  }
  // Firefox ESR 140 knows no screen orientation, which the driver sets along with the viewport;
  // the viewport is set all the same, as the check below makes sure.
  await page.setViewport({ width, height, ...device }).catch(() => {});
  if (before) await page.evaluateOnNewDocument(before);
  await page.goto(url);
  if (started) {
    await page.waitForFunction(() => document.title === 'Form1', { timeout: 10000 }).catch(async () => {
      throw new Error(`the game did not start in 10 s; the page says "${await page.$eval('#error', (report) => report.textContent)}"`);
    });
  }
  expect(await page.evaluate(() => [innerWidth, innerHeight]), [width, height], 'the viewport');
  return page;
}

// The window as the player sees and hears it.
function read(page) {
  return page.evaluate(() => {
    const text = (id) => document.getElementById(id).textContent;
    return {
      caption: text('caption-title'), title: document.title, announced: text('announcer'),
      focus: document.activeElement.id, Bet: text('Bet'), Choose: text('Choose'), Money: text('Money'),
      coins: [...document.querySelectorAll('#client [role=img]')].map((coin) => ({
        name: coin.getAttribute('aria-label'), face: coin.getAttribute('aria-description'),
        colour: getComputedStyle(coin).backgroundColor,
      })),
    };
  });
}

// Waits until the window reads as expected, part by part.
async function until(page, expected, what) {
  const deadline = Date.now() + 3000;
  for (;;) {
    const seen = await read(page);
    const wrong = Object.keys(expected).filter((key) => seen[key] !== expected[key]);
    if (!wrong.length) return seen;
    if (Date.now() > deadline)
      throw new Error(`${what}: ${wrong.map((key) => `${key} is "${seen[key]}", not "${expected[key]}"`).join('; ')}`);
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
}

// An element's box in the page's pixels, where the pointer lands; WebKit's layer knows its own.
async function box(page, selector) {
  if (page.box) return page.box(selector);
  return page.$eval(selector, (element) => {
    const { left, top, right, bottom, width, height } = element.getBoundingClientRect();
    return { left, top, right, bottom, width, height };
  });
}

async function centre(page, selector) {
  const { left, top, width, height } = await box(page, selector);
  return { x: left + width / 2, y: top + height / 2 };
}

// Waits for the caption to report a flip and the live region to tell it, and reads the window then.
async function flipped(page) {
  await page.waitForFunction(() => /^ \d+ \d+$/.test(document.getElementById('caption-title').textContent)
    && document.getElementById('announcer').textContent !== '', { timeout: 3000 });
  return read(page);
}

function flipReads(seen, guess) {
  const red = seen.coins.filter((coin) => coin.face === 'red').length;
  expect(seen.caption, ` ${guess} ${red}`, 'the caption');
  expect(seen.announced, `Guessed ${guess}, ${red} red. ${seen.Money}`, 'what the live region tells');
  expect(seen.title, `${guess} ${red}`, 'the browser\'s title');
  seen.coins.forEach((coin, index) => {
    expect(coin.name, `Coin ${index + 1}`, 'a coin\'s name');
    expect(coin.colour, coin.face === 'red' ? 'rgb(255, 0, 0)' : 'rgb(0, 255, 0)', `${coin.name}, ${coin.face},`);
  });
}

await story('a large viewport shows the window framed, centred and scaled to fit, and again when it turns', async () => {
  const page = await open(pageUrl, 1000, 700);
  const fitted = async () => {
    const [frame, client] = [await box(page, '#window'), await box(page, '#client')];
    const seen = await page.evaluate(() => ({
      framed: document.body.classList.contains('framed'),
      caption: getComputedStyle(document.getElementById('caption')).display,
      viewport: [innerWidth, innerHeight],
    }));
    return { ...seen,
      centre: [Math.round(frame.left + frame.width / 2), Math.round(frame.top + frame.height / 2)],
      fill: Math.round(Math.max(frame.width / (seen.viewport[0] - 32), frame.height / (seen.viewport[1] - 32)) * 100),
      clientScale: Math.round(client.width / 226 * 100) / 100 };
  };
  const layout = await fitted();
  expect(layout.framed, true, 'framed');
  expect(layout.caption, 'flex', 'the caption bar\'s display');
  expect(layout.centre, [500, 350], 'the window\'s centre');
  expect(layout.fill, 100, 'the share of the viewport the window fills, in per cent,');
  expect(layout.clientScale > 2, true, `the scale ${layout.clientScale} above 2`);
  await until(page, { caption: 'Form1' }, 'the caption at the start');
  await page.click('#Flip');
  flipReads(await flipped(page), 5);
  // The viewport's new size shows before its resize event: wait for the event, whose listener,
  // added after the page's own, runs once the page has refitted.
  await page.evaluate(() => addEventListener('resize', () => { window.turned = true; }, { once: true }));
  await page.setViewport({ width: 700, height: 1000 }).catch(() => {});
  await page.waitForFunction(() => window.turned === true);
  const turned = await fitted();
  expect([turned.centre, turned.fill], [[350, 500], 100], 'the window\'s centre and share of the viewport, turned,');
});

await story('a window the size of the client area is the client area alone, from a file, with no worker', async () => {
  const page = await open(pageUrl);
  // WebKit's driver cannot read the console.
  expect([await page.$('link[rel=manifest]'), page.errors ?? []], [null, []], 'the manifest and the console\'s errors');
  const { left, top, width, height } = await box(page, '#client');
  expect([left, top, width, height], [0, 0, 226, 161], 'the client area');
  expect(await page.$eval('#caption', (caption) => caption.getBoundingClientRect().width <= 1), true,
    'the caption bar hidden');
});

await story('labels, font and what a screen reader is told', async () => {
  const page = await open(pageUrl);
  const seen = await page.evaluate(() => {
    const style = (id) => getComputedStyle(document.getElementById(id));
    const attributes = (id, names) => names.map((name) => document.getElementById(id).getAttribute(name));
    return {
      align: ['Bet', 'Choose', 'Money'].map((id) => style(id).textAlign),
      weight: ['Bet', 'Choose', 'Money', 'Flip'].map((id) => style(id).fontWeight),
      size: style('Money').fontSize, face: style('Money').fontFamily.split(',')[0],
      bet: attributes('BetScroll', ['role', 'aria-label', 'aria-orientation', 'aria-valuemin',
        'aria-valuemax', 'aria-valuenow', 'aria-controls']),
      guess: attributes('ChooseScroll', ['role', 'aria-label', 'aria-valuemin', 'aria-valuemax',
        'aria-valuenow', 'aria-controls']),
      live: document.getElementById('announcer').getAttribute('aria-live'),
      template: document.getElementById('Qtr').hidden,
    };
  });
  expect(seen.align, ['center', 'center', 'left'], 'the labels\' alignment');
  expect(seen.weight, ['700', '700', '700', '400'], 'the weights of Bet, Choose, Money and Flip');
  expect([seen.size, seen.face], ['18px', '"MS Sans Serif"'], 'the font');
  expect(seen.bet, ['slider', 'Bet', 'horizontal', '0', '100', '0', 'Bet'], 'the bet\'s scroll bar');
  expect(seen.guess, ['slider', 'Guess', '0', '10', '5', 'Choose'], 'the guess\'s scroll bar');
  expect([seen.live, seen.template], ['polite', true], 'the live region and the hidden template');
  const coins = (await read(page)).coins;
  expect(coins.map((coin) => coin.name).join(), Array.from({ length: 10 }, (_, i) => `Coin ${i + 1}`).join(), 'the coins');
  expect(coins.every((coin) => coin.face === null), true, 'no face before the first flip');
});

await story('keys: focus at the start, Tab, the bet\'s keys, Enter held on Flip flips once', async () => {
  const page = await open(pageUrl);
  await until(page, { focus: 'Flip' }, 'at the start');
  await page.keyboard.press('Tab');
  await until(page, { focus: 'BetScroll' }, 'after Tab');
  await page.keyboard.press('ArrowRight');
  await until(page, { Bet: '1', Money: 'Money: 99' }, 'after Right');
  expect(await page.$eval('#BetScroll', (bar) => bar.getAttribute('aria-valuetext')), '1', 'the bet\'s value as text');
  await page.keyboard.press('PageDown');
  await until(page, { Bet: '11', Money: 'Money: 89' }, 'after Page Down');
  await page.keyboard.down('Shift');
  await page.keyboard.press('Tab');
  await page.keyboard.up('Shift');
  await until(page, { focus: 'Flip' }, 'after Shift+Tab');
  for (let press = 0; press < 4; ++press) await page.keyboard.down('Enter');
  expect((await read(page)).caption, 'Form1', 'the caption while Enter is held');
  await page.keyboard.up('Enter');
  flipReads(await flipped(page), 5);
});

// A finger on the page: touch(type, x, y). Chromium is given the events' times, 8 ms apart, so
// that a drag is a flick as quick as a real one whatever the machine's load; Firefox's driver
// moves it at its own pace.
async function finger(page) {
  if (engine !== 'chromium') {
    const screen = page.touchscreen;
    return (type, x, y) => (type === 'touchEnd' ? screen.touchEnd() : screen[type](x, y));
  }
  const session = await page.createCDPSession();
  const start = Date.now() / 1000;
  let moves = 0;
  return (type, x, y) => session.send('Input.dispatchTouchEvent', {
    type, timestamp: start + 0.008 * moves++, touchPoints: type === 'touchEnd' ? [] : [{ x, y }],
  });
}

await story('touch: a tap on an arrow, a thumb flicked, and a tap on Flip at once', async () => {
  const page = await open(pageUrl);
  const more = await centre(page, '#BetScroll .more');
  await page.touchscreen.tap(more.x, more.y);
  await until(page, { Bet: '1', Money: 'Money: 99' }, 'after a tap on the bet\'s right arrow');
  const thumb = await centre(page, '#BetScroll .thumb');
  const touch = await finger(page);
  await touch('touchStart', thumb.x, thumb.y);
  await touch('touchMove', thumb.x + 10, thumb.y);
  await touch('touchMove', thumb.x + 20, thumb.y);
  const dragging = await read(page);
  expect([dragging.Bet, dragging.Money], ['1', 'Money: 99'], 'the bet and money while the thumb is dragged');
  await touch('touchEnd');
  const dropped = await page.waitForFunction(() => document.getElementById('Bet').textContent !== '1');
  const bet = Number(await dropped.evaluate(() => document.getElementById('Bet').textContent));
  await until(page, { Money: `Money: ${100 - bet}` }, `after the drag to ${bet}`);
  // The flick set nothing moving that this tap would only stop.
  const flip = await centre(page, '#Flip');
  await page.touchscreen.tap(flip.x, flip.y);
  flipReads(await flipped(page), 5);
}, { skip: engine === 'webkit' && 'WebKit\'s driver turns a finger into the mouse' });

// The driver turns the wheel in pixels, and the engines count a notch (wheelDelta 120) as
// different distances.
const notch = { chromium: 100, firefox: 40, webkit: 40 }[engine];

await story('the mouse wheel over a scroll bar: three steps a notch, never more than a page', async () => {
  const page = await open(pageUrl);
  const bet = await centre(page, '#BetScroll .track');
  await page.mouse.move(bet.x, bet.y);
  await page.mouse.wheel({ deltaY: notch });
  await until(page, { Bet: '3', Money: 'Money: 97' }, 'after a notch on the bet');
  const guess = await centre(page, '#ChooseScroll .track');
  await page.mouse.move(guess.x, guess.y);
  await page.mouse.wheel({ deltaY: -notch });
  await until(page, { Choose: '4' }, 'after a notch up on the guess');
});

// The mouse where the player sees the parts, the page scaled below 1 (a window lower than the
// client area), about 1.5 and above 2.5 (framed).
await story('the mouse at three scales: an arrow clicked for a tenth of a second steps once, the track pages on either side of the thumb, a thumb lands under the pointer', async () => {
  for (const [width, height] of [[447, 123], [460, 313], [800, 560]]) {
    const page = await open(pageUrl, width, height);
    const scale = ((await box(page, '#client')).width / 226).toFixed(2);
    const bar = async () => ({ track: await box(page, '#BetScroll .track'), thumb: await box(page, '#BetScroll .thumb') });
    const click = async (x, y, ms = 0) => {
      await page.mouse.move(x, y);
      await page.mouse.down();
      await new Promise((resolve) => setTimeout(resolve, ms));
      await page.mouse.up();
    };
    // The bet once it has changed from what it was.
    const after = async (what, from, bets) => {
      await page.waitForFunction((was) => document.getElementById('Bet').textContent !== was, { timeout: 3000 }, String(from))
        .catch(() => {});
      const bet = (await read(page)).Bet;
      if (!bets.includes(bet)) throw new Error(`at the scale ${scale}, ${what} gave the bet ${bet}, not ${bets.join(' or ')}`);
      return Number(bet);
    };
    const more = await centre(page, '#BetScroll .more');
    await click(more.x, more.y, 100);
    await until(page, { Bet: '1' }, `at the scale ${scale}, after a click of 100 ms on the bet's right arrow`);
    let { track, thumb } = await bar();
    const y = track.top + track.height / 2;
    await click((thumb.right + track.right) / 2, y);
    await until(page, { Bet: '11' }, `at the scale ${scale}, after a click in the track right of the thumb`);
    // The thumb's centre dragged to where it stands at the end of its travel, then to the middle:
    // it lands under the pointer, to a whole pixel of the pointer's.
    let bet = 11;
    for (const [to, what] of [[track.right - thumb.width / 2, 'a drag to the end'],
      [(track.left + track.right) / 2, 'a drag to the middle']]) {
      const grip = await centre(page, '#BetScroll .thumb');
      const [from, x] = [Math.round(grip.x), Math.round(to)];
      const travel = track.width - thumb.width;
      const lands = (pixels) => Math.max(0, Math.min(100, Math.round(bet + (x - from + pixels) / travel * 100)));
      await page.mouse.move(from, Math.round(y));
      await page.mouse.down();
      await page.mouse.move(x, Math.round(y), { steps: 5 });
      await page.mouse.up();
      bet = await after(what, bet, [...new Set([lands(-0.5), lands(0), lands(0.5)])].map(String));
    }
    ({ track, thumb } = await bar());
    await click((track.left + thumb.left) / 2, y);
    await after('a click in the track left of the thumb', bet, [String(bet - 10)]);
  }
});

await story('the live region: a burst of five flips is told once, the last; flips a moment apart are each told, the same words again too', async () => {
  const page = await open(pageUrl);
  await page.evaluate(() => {
    const region = document.getElementById('announcer');
    window.told = [];
    new MutationObserver(() => window.told.push(region.textContent)).observe(region, { childList: true, characterData: true, subtree: true });
    for (let flip = 0; flip < 5; ++flip) document.getElementById('Flip').click();
  });
  const last = await flipped(page);
  await new Promise((resolve) => { setTimeout(resolve, 300); });
  expect(await page.evaluate(() => window.told), [last.announced], 'what five flips in a burst told');
  // A bet of 0 keeps the money: flips 300 ms apart until two in a row come out the same.
  for (let flips = 1; ; ++flips) {
    const before = await page.evaluate(() => window.told);
    await page.evaluate(() => { setTimeout(() => document.getElementById('Flip').click(), 300); });
    await page.waitForFunction((count) => window.told.length > count, { timeout: 3000 }, before.length)
      .catch(() => { throw new Error(`flip ${flips} after "${before.at(-1)}" was not told`); });
    await new Promise((resolve) => { setTimeout(resolve, 200); });
    const now = await page.evaluate(() => window.told);
    expect(now.length, before.length + 1, `the messages told after flip ${flips} a moment apart`);
    if (now.at(-1) === before.at(-1)) break;
    if (flips === 60) throw new Error('60 flips without two in a row the same');
  }
});

await story('the focus mark is on the focused control only', async () => {
  const page = await open(pageUrl);
  for (const focused of ['Flip', 'BetScroll', 'ChooseScroll']) {
    await page.focus(`#${focused}`);
    const marks = await page.evaluate(() => ['Flip', 'BetScroll', 'ChooseScroll'].map((id) => {
      const element = document.getElementById(id);
      return getComputedStyle(element.querySelector('.thumb') ?? element).outlineStyle;
    }));
    expect(marks, ['Flip', 'BetScroll', 'ChooseScroll'].map((id) => (id === focused ? 'dotted' : 'none')),
      `the marks with ${focused} focused`);
  }
});

// The page as the player sees it, in a viewport at one screen pixel to the CSS pixel: its pixels
// as "r,g,b", read from a screenshot with ImageMagick; photograph's pixel(x, y) gives one.
async function screenPixels(page) {
  return execFileSync('convert', ['png:-', '-depth', '8', 'rgb:-'], { input: await page.screenshot(), maxBuffer: 1 << 26 });
}

async function photograph(page) {
  const { width } = page.viewport();
  const rgb = await screenPixels(page);
  return (x, y) => {
    const at = (Math.floor(y) * width + Math.floor(x)) * 3;
    return `${rgb[at]},${rgb[at + 1]},${rgb[at + 2]}`;
  };
}

// Each pixel of a box, but its frame, that differs from the first.
function inkIn(pixel, { left, top, right, bottom }, ground = pixel(left + 2, top + 2)) {
  let ink = 0;
  for (let y = Math.ceil(top) + 1; y < bottom - 1; ++y)
    for (let x = Math.ceil(left) + 1; x < right - 1; ++x) ink += pixel(x, y) !== ground;
  return ink;
}

await story('a high-contrast theme, light and dark: the coins show their faces, the scroll bars their parts, the rest the theme\'s colours', async () => {
  for (const scheme of ['light', 'dark']) {
    const page = await open(pageUrl);
    await (await page.createCDPSession()).send('Emulation.setEmulatedMedia', { features: [
      { name: 'forced-colors', value: 'active' }, { name: 'prefers-color-scheme', value: scheme }] });
    const themed = await page.evaluate(() => {
      const probe = document.body.appendChild(document.createElement('div'));
      probe.style.forcedColorAdjust = 'none';
      const system = (name) => { probe.style.color = name; return getComputedStyle(probe).color; };
      const style = (id) => getComputedStyle(document.getElementById(id));
      const seen = { labels: ['Bet', 'Choose', 'Money'].map((id) => style(id).color === system('CanvasText')),
        flip: style('Flip').color === system('ButtonText'), client: style('client').backgroundColor === system('Canvas') };
      probe.remove();
      return seen;
    });
    expect(themed, { labels: [true, true, true], flip: true, client: true },
      `in the ${scheme} theme, the labels, Flip and the window in the theme's colours`);
    await page.click('#Flip');
    const seen = await flipped(page);
    let pixel = await photograph(page);
    for (const [index, coin] of seen.coins.entries()) {
      const { x, y } = await centre(page, `#Qtr${index + 1}`);
      expect(pixel(x, y), coin.face === 'red' ? '255,0,0' : '0,255,0', `in the ${scheme} theme, ${coin.name}, ${coin.face},`);
    }
    const [bar, track, thumb] = [await box(page, '#BetScroll'), await box(page, '#BetScroll .track'), await box(page, '#BetScroll .thumb')];
    const [free, middle] = [(thumb.right + track.right) / 2, bar.top + bar.height / 2];
    const parts = {
      arrows: [inkIn(pixel, await box(page, '#BetScroll .less')) > 4, inkIn(pixel, await box(page, '#BetScroll .more')) > 4],
      thumb: pixel(thumb.left + thumb.width / 2, middle) !== pixel(free, middle),
      track: pixel(free, bar.top) !== pixel(free, middle) && pixel(free, bar.bottom - 1) !== pixel(free, middle),
    };
    await page.focus('#BetScroll');
    const unfocused = pixel;
    pixel = await photograph(page);
    let mark = 0;
    for (let y = Math.ceil(thumb.top); y < thumb.bottom; ++y)
      for (let x = Math.ceil(thumb.left); x < thumb.right; ++x) mark += pixel(x, y) !== unfocused(x, y);
    expect({ ...parts, mark: mark > 4 }, { arrows: [true, true], thumb: true, track: true, mark: true },
      `in the ${scheme} theme, the bet's scroll bar shows its parts and its focus mark`);
  }
}, { skip: engine !== 'chromium' && 'only Chromium\'s driver emulates forced colours' });

// What the oldest engines of each kind lack, taken away before the page's own script runs.
const missing = {
  'Uint8Array.fromBase64 (Safari before 18.2, Chrome before 140, Firefox before 133)': () => {
    delete Uint8Array.fromBase64;
  },
  'compiling over 4 KB on the main thread (Chromium before 115)': () => {
    const { Module } = WebAssembly;
    WebAssembly.Module = function (bytes) {
      if (bytes.byteLength > 4096) throw new RangeError('WebAssembly.Compile is disallowed on the main thread, if the buffer size is larger than 4KB. Use WebAssembly.compile, or compile on a worker thread.');
      return new Module(bytes);
    };
  },
  'CSS zoom (Firefox before 126)': () => {
    const { supports } = CSS;
    CSS.supports = (...condition) => condition[0] !== 'zoom' && supports.apply(CSS, condition);
  },
  'WebAssembly (an iPhone or iPad in Lockdown Mode)': () => { delete window.WebAssembly; },
};
const noScriptFirst = engine === 'webkit' && 'WebKit\'s driver runs no script before the page\'s own';

await story('without what an older engine lacks, the window fits the viewport and plays a round; without WebAssembly the page says why it cannot', async () => {
  for (const [piece, takeAway] of Object.entries(missing)) {
    for (const [width, height] of [[447, 123], [800, 560]]) {
      const playable = !piece.startsWith('WebAssembly');
      const page = await open(pageUrl, width, height, {}, { before: takeAway, started: playable });
      const where = `without ${piece}, in ${width} x ${height},`;
      const { left, top, right, bottom } = await box(page, '#window');
      expect([left, top, right, bottom].map(Math.round).every((edge, i) => (i < 2 ? edge >= 0 : edge <= [width, height][i - 2])),
        true, `${where} the window's box ${[left, top, right, bottom].map(Math.round)} inside the viewport`);
      if (!playable) {
        const report = await page.waitForSelector('#error:not([hidden])', { timeout: 5000 });
        const text = await report.evaluate((element) => element.textContent);
        expect([text.startsWith('Ten Coins cannot start in this browser.'), /newer browser/.test(text), /Lockdown Mode/.test(text),
          await page.$eval('#client', (client) => client.inert)], [true, true, true, true], `${where} the report "${text}" and the window inert`);
        continue;
      }
      const more = await centre(page, '#BetScroll .more');
      await page.mouse.click(more.x, more.y);
      await until(page, { Bet: '1' }, `${where} after a click on the bet's right arrow`);
      const [track, thumb] = [await box(page, '#BetScroll .track'), await box(page, '#BetScroll .thumb')];
      await page.mouse.click((thumb.right + track.right) / 2, track.top + track.height / 2);
      await until(page, { Bet: '11', Money: 'Money: 89' }, `${where} after a click in the track right of the thumb`);
      await page.click('#Flip');
      flipReads(await flipped(page), 5);
    }
  }
}, { skip: noScriptFirst });

await story('the window is there before the game\'s script has run: presses then do nothing, and nothing on the screen changes as the game takes over', async () => {
  for (const [width, height, presses] of [[narrowest, 161, false], [800, 560, true]]) {
    const page = await open(pageUrl, width, height, {}, { started: false, before: () => {
      const { instantiate } = WebAssembly;
      WebAssembly.instantiate = (...args) => new Promise((resolve) => { window.startGame = () => resolve(instantiate(...args)); });
    } });
    await page.waitForFunction(() => window.startGame);
    if (presses) {
      await page.keyboard.press(' ');
      const more = await centre(page, '#BetScroll .more');
      await page.mouse.click(more.x, more.y);
      await page.mouse.move(1, 1);
    }
    const before = await screenPixels(page);
    await page.evaluate(() => window.startGame());
    await page.waitForFunction(() => document.title === 'Form1');
    await page.evaluate(() => new Promise((resolve) => { requestAnimationFrame(() => requestAnimationFrame(resolve)); }));
    const after = await screenPixels(page);
    // A repaint may antialias an edge a shade differently: a change is one of over 48 in a channel.
    let changed = 0;
    for (let at = 0; at < before.length; at += 3)
      changed += [0, 1, 2].some((channel) => Math.abs(before[at + channel] - after[at + channel]) > 48);
    expect(changed, 0, `in ${width} x ${height}, the pixels that changed as the game took over`);
    const seen = await read(page);
    expect([seen.caption, seen.Bet, seen.Money, seen.focus], ['Form1', '0', 'Money: 100', presses ? 'BetScroll' : 'Flip'],
      `in ${width} x ${height}, the window once started`);
    if (presses) {
      await page.keyboard.press('ArrowRight');
      await until(page, { Bet: '1', Money: 'Money: 99' }, 'after Right once started');
    } else {
      await page.keyboard.press(' ');
      flipReads(await flipped(page), 5);
    }
  }
}, { skip: noScriptFirst });

// The layouts a player meets: a window the client's size, a large tab, a phone.
const layouts = { bare: [narrowest, 161], framed: [1000, 700],
  phone: engine === 'webkit' ? [447, 806] : [390, 844, { isMobile: true, hasTouch: true, deviceScaleFactor: 3 }] };

await story('a click or tap on what takes no focus leaves the focus where it was, in every layout; then Space flips and Right moves the bar', async () => {
  for (const [layout, [width, height, device]] of Object.entries(layouts)) {
    const page = await open(pageUrl, width, height, device);
    const client = await box(page, '#client');
    const caption = await box(page, '#caption');
    const places = [...Array.from({ length: 10 }, (_, i) => `#Qtr${i + 1}`), '#Bet', '#Choose', '#Money'];
    const points = await Promise.all(places.map(async (place) => [place, await centre(page, place)]));
    // The window's face right of the coins and below the money, the caption and the page's margin.
    points.push(['the face', { x: client.left + client.width * 150 / 226, y: client.top + client.height * 130 / 161 }]);
    if (caption.width > 1) points.push(['the caption', { x: caption.left + caption.width / 2, y: caption.top + caption.height / 2 }], ['the margin', { x: 2, y: 2 }]);
    const press = device?.hasTouch ? (x, y) => page.touchscreen.tap(x, y) : (x, y) => page.mouse.click(x, y);
    for (const focused of ['Flip', 'BetScroll']) {
      await page.focus(`#${focused}`);
      const lost = [];
      for (const [place, { x, y }] of points) {
        await press(x, y);
        const now = (await read(page)).focus;
        if (now !== focused) lost.push(`${place} (to "${now}")`);
      }
      expect(lost, [], `in the ${layout} layout, what took the focus from ${focused}`);
    }
    await page.keyboard.press('ArrowRight');
    await until(page, { Bet: '1' }, `in the ${layout} layout, Right on the bet after the presses`);
    await page.focus('#Flip');
    await press(points[0][1].x, points[0][1].y);
    await page.keyboard.press(' ');
    await flipped(page);
  }
});

await story('a phone turned, a toolbar shown, a small screen: after each, the window lies wholly in the viewport, also when the size comes a frame after the resize event', async () => {
  const [width, height, device = {}] = layouts.phone;
  const page = await open(pageUrl, width, height, device);
  // As an installed app on an iPhone is told of a turn: the resize event, and a frame later the
  // new size, of which only the visual viewport tells.
  await page.evaluate(() => addEventListener('resize', (event) => { if (event.isTrusted) event.stopImmediatePropagation(); }, { capture: true }));
  for (const [w, h] of [[height, width], [width, height], [width, Math.max(480, width)], [width, height - 56]]) {
    await page.evaluate(() => new Promise((resolve) => { dispatchEvent(new Event('resize')); requestAnimationFrame(() => resolve()); }));
    await page.setViewport({ width: w, height: h, ...device }).catch(() => {});
    await page.waitForFunction((wanted) => innerWidth === wanted[0] && innerHeight === wanted[1], {}, [w, h]);
    await page.evaluate(() => new Promise((resolve) => { requestAnimationFrame(() => requestAnimationFrame(resolve)); }));
    const { left, top, right, bottom } = await box(page, '#window');
    const edges = [left, top, right, bottom].map(Math.round);
    const fill = Math.max((right - left) / (w - 32), (bottom - top) / (h - 32));
    expect(edges[0] >= 0 && edges[1] >= 0 && edges[2] <= w && edges[3] <= h && fill > 0.98, true,
      `in ${w} x ${h}, the window's box ${edges} wholly in the viewport, filling it across or down`);
  }
});

await story('no gesture of the browser\'s moves the page, hover colours only for a pointer that hovers, a finger shows Flip pressed, and the home screen shows the game by its name on an opaque icon', async () => {
  const page = await open(pageUrl, ...layouts.phone);
  const seen = await page.evaluate(() => {
    const hover = [];
    const walk = (rules, media) => {
      for (const rule of rules) {
        if (rule.media) walk(rule.cssRules, [...media, rule.media.mediaText]);
        else if (rule.selectorText?.includes(':hover')) hover.push(media.some((text) => /\(hover: ?hover\)/.test(text)));
      }
    };
    for (const sheet of document.styleSheets) walk(sheet.cssRules, []);
    return { overscroll: [document.documentElement, document.body].map((element) => getComputedStyle(element).overscrollBehaviorY),
      hover: hover.length > 0 && hover.every(Boolean) };
  });
  expect(seen, { overscroll: ['none', 'none'], hover: true }, 'the overscroll of the page and every hover colour kept to hovering pointers');
  if (engine !== 'webkit') {
    const flip = await centre(page, '#Flip');
    const touch = await finger(page);
    const background = () => page.$eval('#Flip', (button) => getComputedStyle(button).backgroundColor);
    await touch('touchStart', flip.x, flip.y);
    await page.waitForFunction(() => getComputedStyle(document.getElementById('Flip')).backgroundColor === 'rgb(204, 228, 247)', { timeout: 3000 })
      .catch(async () => { throw new Error(`Flip under a finger is ${await background()}, not pressed`); });
    await touch('touchEnd');
    await flipped(page);
    expect(await background(), 'rgb(225, 225, 225)', 'Flip once the finger has left it');
  }
  const index = readFileSync(join(siteFolder, 'index.html'), 'utf8');
  const [name, icon] = [/<meta name="apple-mobile-web-app-title" content="([^"]*)"/, /<link rel="apple-touch-icon" href="([^"]*)"/]
    .map((pattern) => pattern.exec(index)?.[1]);
  const { name: appName, short_name: shortName } = JSON.parse(readFileSync(join(siteFolder, 'manifest.webmanifest'), 'utf8'));
  const corner = execFileSync('convert', [join(siteFolder, icon ?? 'none'), '-format', '%[fx:p{0,0}.a]', 'info:']).toString();
  expect([name, appName, shortName ?? appName, corner], ['Ten Coins', 'Ten Coins', 'Ten Coins', '1'],
    'the home screen\'s name for iOS and in the manifest, and the alpha of the iOS icon\'s corner');
});

// A generated sequence of presses, moves and releases over the bet's scroll bar, its parts and
// around it, each followed by what a desktop's scroll bar has then done. SEED=n plays another.
await story('the scroll bar keeps a desktop\'s contract over a seeded sequence of presses, moves and releases; Tab and Shift+Tab from no focus', async () => {
  const page = await open(pageUrl, 800, 560);
  // mulberry32: random(n) is a whole number below n.
  let seed = Number(process.env.SEED ?? 29);
  const random = (n) => {
    seed = (seed + 0x6d2b79f5) | 0;
    let t = Math.imul(seed ^ (seed >>> 15), 1 | seed);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return Math.floor(((t ^ (t >>> 14)) >>> 0) / 2 ** 32 * n);
  };
  const sleep = (ms) => new Promise((resolve) => { setTimeout(resolve, ms); });
  const value = async () => Number(await page.$eval('#BetScroll', (bar) => bar.getAttribute('aria-valuenow')));
  const parts = async () => Object.fromEntries(await Promise.all(['less', 'more', 'track', 'thumb']
    .map(async (part) => [part, await box(page, `#BetScroll .${part}`)])));
  const played = [];
  const check = (holds, what) => { if (!holds) throw new Error(`${what}, at step ${played.length}: ${played.slice(-3).join('; ')}`); };
  for (let step = 0; step < 30; ++step) {
    const { less, more, track, thumb } = await parts();
    const y = track.top + track.height / 2, before = await value();
    // WebKit's driver lets go of no button but the first: the others are tried elsewhere.
    const kinds = ['arrow', 'arrow off and back', 'track', 'drag', 'modified key', 'other button'];
    const kind = kinds[random(kinds.length - (engine === 'webkit' ? 1 : 0))];
    if (kind.startsWith('arrow')) {
      const [arrow, sign] = random(2) ? [more, 1] : [less, -1];
      const end = sign > 0 ? 100 : 0;
      const held = kind === 'arrow' ? 100 + random(800) : 700;
      played.push(`${kind} ${sign > 0 ? 'more' : 'less'} ${held} ms`);
      await page.mouse.move(arrow.left + arrow.width / 2, y);
      await page.mouse.down();
      await sleep(held);
      if (kind !== 'arrow') {
        await page.mouse.move(arrow.left + arrow.width / 2, y - 3 * track.height);
        await sleep(100);
        const off = await value();
        await sleep(400);
        check(await value() === off, 'the value moved while the pointer was off the arrow');
        await page.mouse.move(arrow.left + arrow.width / 2, y);
        await sleep(300);
        check((await value() - off) * sign > 0 || off === end, 'the held arrow did not go on once the pointer was back');
      }
      await page.mouse.up();
      const steps = (await value() - before) * sign;
      check(steps >= 1 || (before === end && steps === 0), `the arrow moved the bet ${steps} steps`);
      if (kind === 'arrow') check(steps <= 2 + Math.max(0, Math.ceil((held + 150 - 500) / 50)), `${held} ms on the arrow moved the bet ${steps} steps`);
    } else if (kind === 'track') {
      // Two pixels clear of the thumb and the arrows, where the engines may round either way.
      const right = track.right - thumb.right > thumb.left - track.left;
      const room = Math.floor((right ? track.right - thumb.right : thumb.left - track.left) - 4);
      const x = right ? thumb.right + 2 + random(room) : track.left + 2 + random(room);
      played.push(`track at ${Math.round(x)}`);
      await page.mouse.move(x, y);
      await page.mouse.down();
      await sleep(1500);
      const held = await value();
      await sleep(300);
      const { thumb: stopped } = await parts();
      check(await value() === held, 'the track went on paging');
      // Never past the pointer; under it, unless the bar is at its end.
      const [near, far] = right ? [stopped.left <= x + 0.5, stopped.right >= x - 0.5 || held === 100]
        : [stopped.right >= x - 0.5, stopped.left <= x + 0.5 || held === 0];
      check(near && far, `the thumb ${Math.round(stopped.left)} to ${Math.round(stopped.right)} stopped off the pointer at ${Math.round(x)}`);
      await page.mouse.up();
    } else if (kind === 'drag') {
      const to = track.left - 100 + random(Math.floor(track.width + 200));
      const grip = thumb.left + thumb.width / 2, travel = track.width - thumb.width;
      played.push(`drag from ${Math.round(grip)} to ${to}`);
      await page.mouse.move(grip, y);
      await page.mouse.down();
      await page.mouse.move(to, y, { steps: 5 });
      const { thumb: dragged } = await parts();
      check(dragged.left >= track.left - 0.5 && dragged.right <= track.right + 0.5, 'the dragged thumb left its track');
      await page.mouse.up();
      const end = to - grip >= (track.right - thumb.right) + 1 ? 100 : grip - to >= (thumb.left - track.left) + 1 ? 0 : undefined;
      if (end !== undefined) await page.waitForFunction((wanted) => document.getElementById('BetScroll').getAttribute('aria-valuenow') === String(wanted), { timeout: 3000 }, end)
        .catch(async () => check(false, `a thumb dragged past the end left the bet at ${await value()}, not ${end}`));
      check(travel > 0, 'the track has room for the thumb');
    } else if (kind === 'other button') {
      const part = [less, more, track, thumb][random(4)];
      played.push(`middle button on ${Math.round(part.left)}`);
      await page.mouse.move(part.left + part.width / 2, y);
      await page.mouse.down({ button: 'middle' });
      await sleep(600);
      await page.mouse.up({ button: 'middle' });
      check(await value() === before, 'the middle button moved the bet');
    } else {
      // Under WebKit's window manager, a click after Alt+Right never reaches the page.
      const modifier = engine === 'webkit' ? 'Control' : ['Alt', 'Control'][random(2)];
      played.push(`${modifier}+Right`);
      await page.focus('#BetScroll');
      await page.keyboard.down(modifier);
      await page.keyboard.press('ArrowRight');
      await page.keyboard.up(modifier);
      await sleep(100);
      check(await value() === before, `${modifier}+Right moved the bet`);
    }
  }
  for (const [keys, first] of [[['Tab'], 'Flip'], [['Shift', 'Tab'], 'ChooseScroll']]) {
    await page.evaluate(() => document.activeElement.blur());
    for (const key of keys) await page.keyboard.down(key);
    for (const key of keys.reverse()) await page.keyboard.up(key);
    await until(page, { focus: first }, `${keys.join('+')} with no control focused`);
  }
});

// Serves a folder on loopback as a static host does: under a path below the root, with caching
// headers on every file, nothing outside the path. publish(name, text) serves a file anew;
// failNext(name, status) answers the next request for it with that error, as a host does while a
// new version is being copied; offline = true lets no request through, as when the network is
// gone.
async function serve(folder, path = '/games/tencoins/') {
  const published = {}, failing = {};
  const types = { html: 'text/html', js: 'text/javascript', webmanifest: 'application/manifest+json', png: 'image/png' };
  const site = { offline: false, publish: (name, text) => { published[name] = text; },
    failNext: (name, status) => { failing[name] = status; } };
  const server = createServer((request, response) => {
    if (site.offline) return request.socket.destroy();
    const address = new URL(request.url, 'http://host').pathname;
    const name = address.startsWith(path) ? address.slice(path.length) || 'index.html' : undefined;
    const headers = { 'Cache-Control': 'max-age=600' };
    if (name in failing) {
      response.writeHead(failing[name], { ...headers, 'Content-Type': 'text/html' }).end('<title>Down for a deploy</title>');
      delete failing[name];
      return;
    }
    try {
      if (name === undefined) throw new Error('not the game\'s');
      const body = published[name] ?? readFileSync(join(folder, name));
      response.writeHead(200, { ...headers, 'Content-Type': types[name.split('.').pop()] ?? 'text/plain' });
      response.end(body);
    } catch {
      response.writeHead(404, headers).end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  site.url = `http://127.0.0.1:${server.address().port}${path}`;
  site.close = () => { server.closeAllConnections(); server.close(); };
  return site;
}

// The worker in control, within ten seconds.
function workerReady(page) {
  return page.evaluate(() => Promise.race([navigator.serviceWorker.ready.then(() => true),
    new Promise((resolve) => { setTimeout(() => resolve(false), 10000); })]))
    .then((ready) => expect(ready, true, 'the worker ready'));
}

const version = (page) => page.evaluate(() => document.querySelector('meta[name=version]')?.content ?? '1');

await story('the site as a host serves it: installable and turning with the phone; once visited, it plays with no network; an error while a new version is copied is never kept; the new version replaces the old', async () => {
  const site = await serve(siteFolder);
  try {
    let page = await open(site.url);
    await workerReady(page);
    if (engine === 'chromium') {
      const { installabilityErrors } = await (await page.createCDPSession()).send('Page.getInstallabilityErrors');
      expect(installabilityErrors, [], 'what keeps Chromium from installing the site');
    }
    const { orientation } = await page.evaluate(() => fetch('manifest.webmanifest').then((answer) => answer.json()));
    expect(['any', 'natural', undefined].includes(orientation), true, `the manifest's orientation "${orientation}" turning with the phone`);
    const offlineStart = async (what) => {
      site.offline = true;
      await page.reload();
      await page.waitForFunction(() => document.title === 'Form1', { timeout: 10000 });
      await page.click('#Flip');
      flipReads(await flipped(page), 5);
      site.offline = false;
      expect(await version(page), what, 'the version that started with no network');
    };
    await offlineStart('1');
    // A visit while the host answers with an error still plays the version kept.
    site.failNext('index.html', 503);
    page = await open(site.url);
    expect(await version(page), '1', 'the version a visit shows while the host fails');
    await offlineStart('1');
    // A new version published: the page and a worker with a new cache.
    const index = readFileSync(join(siteFolder, 'index.html'), 'utf8');
    site.publish('index.html', index.replace('<head>', '<head><meta name="version" content="2">'));
    site.publish('sw.js', readFileSync(join(siteFolder, 'sw.js'), 'utf8').replace(/tencoins-\w+/, 'tencoins-2'));
    page = await open(site.url);
    expect(await version(page), '2', 'the version a visit after its publication shows');
    await workerReady(page);
    await offlineStart('2');
  } finally {
    site.close();
  }
});

const axeSource = createRequire(import.meta.url).resolve('axe-core/axe.min.js');

await story('an accessibility checker finds nothing, in every layout, before and after a flip', async () => {
  for (const [layout, viewport] of Object.entries(layouts)) {
    const page = await open(pageUrl, ...viewport);
    await page.addScriptTag({ path: axeSource });
    for (const moment of ['before', 'after']) {
      if (moment === 'after') {
        await page.click('#Flip');
        await flipped(page);
      }
      const violations = await page.evaluate(async () => (await axe.run()).violations
        .map((found) => `${found.id} at ${found.nodes.map((node) => node.target).join(', ')}`));
      expect(violations, [], `what it finds in the ${layout} layout ${moment} a flip`);
    }
  }
});

await story('an error in a handler is shown to the player, and the game takes no more input', async () => {
  const page = await open(pathToFileURL(faultyPath).href);
  await page.click('#Flip');
  const alert = await page.waitForSelector('#error:not([hidden])', { timeout: 3000 });
  expect(await alert.evaluate((element) => [element.getAttribute('role'), element.textContent]),
    ['alert', 'Ten Coins has to close.\n\nA fault planted by the test build.'], 'the report');
  await page.keyboard.press('Tab');
  expect((await read(page)).focus, '', 'what Tab focuses after the error');
  await page.keyboard.press('ArrowRight');
  await page.click('#BetScroll .more').catch(() => {});
  const seen = await read(page);
  expect([seen.caption, seen.Bet, seen.Money], ['Form1', '0', 'Money: 100'], 'the window after more input');
});

await browser.close();
// What was not run is counted as such, never as passed.
console.log(`${engine}: ${counts.passed} passed, ${counts.failed} failed, ${counts.skipped} skipped`);
process.exit(counts.failed ? 1 : 0);
