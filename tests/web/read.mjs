// SPDX-License-Identifier: MIT
// Reads the game's page in the Chromium app window (runtime/web/launch.sh --inspect DIR) in the
// form tests/e2e.sh reads every build: title, focus, the labels, the scroll bars' values as the
// page tells a screen reader, and each coin's face and place in the client area.
// Usage: node tests/web/read.mjs DIR
import { readFileSync } from 'node:fs';
import puppeteer from 'puppeteer-core';

const [port, path] = readFileSync(`${process.argv[2]}/DevToolsActivePort`, 'utf8').split('\n');
const browser = await puppeteer.connect({
  browserWSEndpoint: `ws://127.0.0.1:${port}${path}`,
  defaultViewport: null,
});
const pages = await browser.pages();
const page = pages.find((each) => each.url().startsWith('file:'));
process.stdout.write(await page.evaluate(() => {
  const lines = [`title=${document.querySelector('title').textContent}`];
  const focused = document.activeElement;
  if (focused && focused.closest('#client')) lines.push(`focus=${focused.id}`);
  for (const label of ['Bet', 'Choose', 'Money'])
    lines.push(`${label}=${document.getElementById(label).textContent}`);
  for (const bar of ['BetScroll', 'ChooseScroll'])
    lines.push(`${bar}=${document.getElementById(bar).getAttribute('aria-valuenow')}`);
  // Places in the window's logical pixels, whatever the page's zoom.
  const client = document.getElementById('client');
  const area = client.getBoundingClientRect();
  const scale = area.width / client.offsetWidth;
  for (const coin of client.querySelectorAll('[role=img]')) {
    const name = coin.getAttribute('aria-label');
    const at = coin.getBoundingClientRect();
    const place = [at.left - area.left, at.top - area.top, at.width, at.height]
      .map((length) => Math.round(length / scale));
    lines.push(`${name}=${coin.getAttribute('aria-description') ?? ''}`, `${name} at=${place.join(' ')}`);
  }
  return `${lines.join('\n')}\n`;
}));
await browser.disconnect();
