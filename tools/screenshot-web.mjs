// SPDX-License-Identifier: MIT
// Makes a screenshot of the page in a tab larger than the game's window, after the same moves as
// tools/screenshot.sh. Usage: node tools/screenshot-web.mjs [PAGE [OUTPUT]]   (after ./check)
import { createRequire } from 'node:module';
import { resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

const require = createRequire(new URL('../tests/web/', import.meta.url));
const puppeteer = require('puppeteer-core');
const [page = 'build-web/tencoins.html', output = 'docs/screenshot-web.png'] = process.argv.slice(2);

const browser = await puppeteer.launch({
  headless: true,
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking'],
});
const tab = await browser.newPage();
await tab.setViewport({ width: 480, height: 360 });
await tab.goto(pathToFileURL(resolve(page)).href);
await tab.waitForFunction(() => document.title === 'Form1');
// Bet 20 on a guess of 4, then flip.
for (const key of ['Tab', 'PageDown', 'PageDown', 'Tab', 'ArrowLeft']) await tab.keyboard.press(key);
await tab.click('#Flip');
await tab.waitForFunction(() => document.getElementById('Bet').textContent === '0');
await tab.screenshot({ path: output });
await browser.close();
console.log(`Saved ${output}`);
