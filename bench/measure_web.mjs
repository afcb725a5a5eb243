// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The figures of the browser build, in headless Chromium from a loopback server: page load
// to the start dialog on screen for the game and for its floor, taken in turn, once each to
// warm up and then RUNS times each, cold (a fresh browser profile every time) and warm (one
// profile that has loaded the page); the transferred size of the game's page, gzip'd; and
// the tick accuracy of a whole game on the web host.
// Usage: node bench/measure_web.mjs SITE FLOOR_SITE TICK_SITE   (measure_web.sh runs it)
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';

// The test's helpers, and through them its package playwright-core (npm ci in tests/web).
import { launchChromium, serve } from '../tests/web/browser.mjs';

const RUNS = 11;
const [site, floor, tick] = process.argv.slice(2);

// The time from the navigation's start to the frame that first shows the start dialog.
async function loadTime(context, url) {
  const page = await context.newPage();
  await page.goto(url);
  let shown;
  while (!(shown = await page.evaluate(() => window.quellaboxShownAt))) {
    await new Promise((resolve) => setTimeout(resolve, 5));
  }
  await page.close();
  return shown;
}

async function watchedContext(browser) {
  const context = await browser.newContext();
  await context.addInitScript(() => {
    new MutationObserver((changes, observer) => {
      if (!document.querySelector('.window[data-template="129"]:not([hidden])')) return;
      observer.disconnect();
      requestAnimationFrame(() => { window.quellaboxShownAt = performance.now(); });
    }).observe(document, { subtree: true, childList: true, attributes: true,
      attributeFilter: ['hidden'] });
  });
  return context;
}

// "median ms (least-most)" of the times.
function summary(times) {
  const sorted = [...times].sort((a, b) => a - b);
  const ms = (t) => t.toFixed(0);
  return { median: sorted[sorted.length >> 1],
    text: `${ms(sorted[sorted.length >> 1])} ms (${ms(sorted[0])}-${ms(sorted.at(-1))})` };
}

// Each page's load times, cold and warm, the pages taken in turn.
async function loadTimes(browser, urls) {
  const times = urls.map(() => ({ cold: [], warm: [] }));
  for (let run = 0; run <= RUNS; ++run) {
    for (const [i, url] of urls.entries()) {
      const context = await watchedContext(browser);
      const cold = await loadTime(context, url);
      await context.close();
      if (run > 0) times[i].cold.push(cold);
    }
  }
  const contexts = await Promise.all(urls.map(() => watchedContext(browser)));
  for (let run = 0; run <= RUNS; ++run) {
    for (const [i, url] of urls.entries()) {
      const warm = await loadTime(contexts[i], url);
      if (run > 0) times[i].warm.push(warm);
    }
  }
  await Promise.all(contexts.map((context) => context.close()));
  return times.map(({ cold, warm }) => ({ cold: summary(cold), warm: summary(warm) }));
}

// The tick benchmark's page prints its figures to the console once its game has ended.
async function tickFigures(browser, url) {
  const page = await browser.newPage();
  const printed = page.waitForEvent('console',
    { predicate: (message) => message.text().includes('ticks'), timeout: 120000 });
  await page.goto(url);
  return (await printed).text();
}

const gzipped = (file) =>
  zlib.gzipSync(fs.readFileSync(path.join(site, file)), { level: 9 }).length;
const kib = (bytes) => `${(bytes / 1024).toFixed(1)} KiB`;

const servers = await Promise.all([site, floor, tick].map(serve));
const [gameUrl, floorUrl, tickUrl] =
  servers.map((server) => `http://127.0.0.1:${server.address().port}/`);
const browser = await launchChromium();
try {
  const [game, least] = await loadTimes(browser, [gameUrl, floorUrl]);
  console.error('Playing a Random game down to the 10 ms floor (about 45 s) ...');
  const ticks = await tickFigures(browser, tickUrl);

  const program = gzipped('Quellabox.js') + gzipped('Quellabox.wasm');
  const music = gzipped('BackgroundMusic.wav');
  const page = fs.readdirSync(site).reduce((sum, file) => sum + gzipped(file), 0) - program -
    music;
  const row = (label, a, b) => console.log(`${label.padEnd(36)} ${a.text.padEnd(18)} ` +
    `${b.text.padEnd(18)} ${(a.median / b.median).toFixed(2)}`);
  console.log(`\nQuellabox in headless Chromium ${browser.version()}, a loopback server`);
  console.log(`${`median of ${RUNS} (spread)`.padEnd(36)} ${'game'.padEnd(18)} ` +
    `${'floor'.padEnd(18)} ratio`);
  row('page load to the dialog, cold cache', game.cold, least.cold);
  row('page load to the dialog, warm cache', game.warm, least.warm);
  console.log('\nTransferred, gzip -9:');
  console.log(`  Quellabox.js + Quellabox.wasm   ${kib(program)}`);
  console.log(`  BackgroundMusic.wav             ${kib(music)}`);
  console.log(`  the page's own files            ${kib(page)}`);
  console.log(`  in all                          ${kib(program + music + page)} (budget 1024 KiB)`);
  console.log('\nTick accuracy (quellabox_bench_tick_web):');
  console.log(ticks);
} finally {
  await browser.close();
  servers.forEach((server) => server.close());
}
