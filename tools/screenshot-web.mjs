// SPDX-License-Identifier: MIT
// Makes a screenshot of the page after the same moves as tools/screenshot.sh: in a tab larger than
// the game's window, or with --phone in an app window of a phone's size in portrait (360 x 760 at
// twice the pixels), where the page is in standalone display, as the installed app on a phone.
// Usage: node tools/screenshot-web.mjs [PAGE [OUTPUT]]
//        xvfb-run -a node tools/screenshot-web.mjs --phone [PAGE [OUTPUT]]   (after ./check)
import { createRequire } from 'node:module';
import { resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

const require = createRequire(new URL('../tests/web/', import.meta.url));
const puppeteer = require('puppeteer-core');
const phone = process.argv[2] === '--phone';
const [page = 'build-web/tencoins.html', output = phone ? 'docs/screenshot-phone.png' : 'docs/screenshot-web.png']
  = process.argv.slice(phone ? 3 : 2);
const url = pathToFileURL(resolve(page)).href;

const options = ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking'];
const browser = phone
  ? await puppeteer.launch({ headless: false, executablePath: '/usr/bin/chromium', defaultViewport: null,
    args: [...options, '--test-type', `--app=${url}`, '--window-size=360,760', '--force-device-scale-factor=2'] })
  : await puppeteer.launch({ headless: true, executablePath: '/usr/bin/chromium', args: options });
let tab;
if (phone) {
  while (!tab) tab = (await browser.pages()).find((each) => each.url() === url);
} else {
  tab = await browser.newPage();
  await tab.setViewport({ width: 480, height: 360 });
  await tab.goto(url);
}
await tab.waitForFunction(() => document.title === 'Form1');
if (phone && !(await tab.evaluate(() => matchMedia('(display-mode: standalone)').matches)))
  throw new Error('The app window shows the page in no standalone display');
// Bet 20 on a guess of 4, then flip.
for (const key of ['Tab', 'PageDown', 'PageDown', 'Tab', 'ArrowLeft']) await tab.keyboard.press(key);
await tab.click('#Flip');
await tab.waitForFunction(() => document.getElementById('Bet').textContent === '0');
await tab.screenshot({ path: output });
await browser.close();
console.log(`Saved ${output}`);
