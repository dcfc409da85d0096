// SPDX-License-Identifier: MIT
// From navigation to the first paint that shows the ten coins, in headless Chromium: the page
// against a static page of the same look with no WebAssembly (the floor), alternating, each load
// in a fresh browser context. Prints the medians in milliseconds.
// Usage: node bench/web.mjs PAGE [RUNS]
import { createRequire } from 'node:module';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';

const require = createRequire(new URL('../tests/web/', import.meta.url));
const puppeteer = require('puppeteer-core');
const [pagePath, runs = '21'] = process.argv.slice(2);

const browser = await puppeteer.launch({
  headless: true,
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync'],
});

// Stamps the first paint that shows ten coins, from navigation: the page's first paint if they
// stood there by then, else the first frame after they came.
const watchForCoins = () => {
  const coinsThere = () => document.querySelectorAll('#client .coin:not([hidden])').length >= 10;
  let coinsAt, firstPaint, coinsFrame;
  const settle = () => {
    if (firstPaint === undefined || coinsFrame === undefined) return;
    window.coinsShown = coinsAt <= firstPaint ? firstPaint : coinsFrame;
  };
  new MutationObserver((changes, observer) => {
    if (!coinsThere()) return;
    coinsAt = performance.now();
    observer.disconnect();
  }).observe(document, { childList: true, subtree: true, attributes: true });
  new PerformanceObserver((entries) => {
    const paint = entries.getEntriesByName('first-paint')[0];
    if (paint) firstPaint = paint.startTime;
    settle();
  }).observe({ type: 'paint', buffered: true });
  const look = (time) => {
    if (!coinsThere()) return requestAnimationFrame(look);
    coinsFrame = time;
    return settle();
  };
  requestAnimationFrame(look);
};

async function load(url) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport({ width: 226, height: 161 });
  await page.evaluateOnNewDocument(watchForCoins);
  await page.goto(url);
  const shown = await (await page.waitForFunction(() => window.coinsShown)).jsonValue();
  const html = await page.evaluate(() => {
    document.querySelectorAll('script').forEach((script) => script.remove());
    return `<!doctype html>\n${document.documentElement.outerHTML}`;
  });
  await context.close();
  return { shown, html };
}

const median = (values) => values.sort((a, b) => a - b)[values.length >> 1];
const folder = mkdtempSync(join(tmpdir(), 'tencoins-floor-'));
const floorPath = join(folder, 'floor.html');
writeFileSync(floorPath, (await load(pathToFileURL(pagePath).href)).html);
// The first loads of a fresh browser are slower, for both pages alike: warm up, then measure.
const times = { page: [], floor: [] };
for (let run = -3; run < Number(runs); ++run) {
  if (run < 0) {
    await load(pathToFileURL(pagePath).href);
    await load(pathToFileURL(floorPath).href);
    continue;
  }
  times.page.push((await load(pathToFileURL(pagePath).href)).shown);
  times.floor.push((await load(pathToFileURL(floorPath).href)).shown);
}
await browser.close();
rmSync(folder, { recursive: true });
const [page, floor] = [median(times.page), median(times.floor)];
const size = readFileSync(pagePath).length;
// The times move with the machine's load from run to run; their ratio, taken in one run, is the
// budget.
const ratio = page / floor;
console.log(`first paint with the ten coins: the page ${page.toFixed(1)} ms, the floor ${floor.toFixed(1)} ms, ` +
  `${ratio.toFixed(2)} x (median of ${runs}; at most 1.1${ratio > 1.1 ? ', OVER BUDGET' : ''})`);
