// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The figures of the browser build, in headless Chromium from a loopback server: page load
// to the start dialog on screen (median of RUNS, cold cache and warm) for the game and for
// the minimal page of the same template; the transferred size of the game's page, gzip'd;
// and the tick accuracy of a whole game on the web host.
// Usage: node bench/measure_web.mjs SITE MINIMAL_SITE TICK_SITE   (measure_web.sh runs it)
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';

// The test's helpers, and through them its package playwright-core (npm ci in tests/web).
import { launchChromium, serve } from '../tests/web/browser.mjs';

const RUNS = 5;
const [site, minimal, tick] = process.argv.slice(2);

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// The time from the navigation's start to the frame that first shows the start dialog, as
// the context's watch (below) notes it.
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

function watchForTheDialog(context) {
  return context.addInitScript(() => {
    new MutationObserver((changes, observer) => {
      if (!document.querySelector('.window[data-template="129"]:not([hidden])')) return;
      observer.disconnect();
      requestAnimationFrame(() => { window.quellaboxShownAt = performance.now(); });
    }).observe(document, { subtree: true, childList: true, attributes: true,
      attributeFilter: ['hidden'] });
  });
}

// Cold: a fresh browser context each time, with nothing cached. Warm: one context, loaded
// once before the runs.
async function loadTimes(browser, folder) {
  const server = await serve(folder);
  const url = `http://127.0.0.1:${server.address().port}/`;
  const cold = [];
  for (let run = 0; run < RUNS; ++run) {
    const context = await browser.newContext();
    await watchForTheDialog(context);
    cold.push(await loadTime(context, url));
    await context.close();
  }
  const context = await browser.newContext();
  await watchForTheDialog(context);
  await loadTime(context, url);
  const warm = [];
  for (let run = 0; run < RUNS; ++run) warm.push(await loadTime(context, url));
  await context.close();
  server.close();
  return { cold: median(cold), warm: median(warm) };
}

// The tick benchmark's page prints its figures to the console once its game has ended.
async function tickFigures(browser, folder) {
  const server = await serve(folder);
  const page = await browser.newPage();
  const printed = page.waitForEvent('console',
    { predicate: (message) => message.text().includes('ticks'), timeout: 120000 });
  await page.goto(`http://127.0.0.1:${server.address().port}/`);
  const line = (await printed).text();
  server.close();
  return line;
}

const gzipped = (file) =>
  zlib.gzipSync(fs.readFileSync(path.join(site, file)), { level: 9 }).length;
const kib = (bytes) => `${(bytes / 1024).toFixed(1)} KiB`;

const browser = await launchChromium();
try {
  const game = await loadTimes(browser, site);
  const least = await loadTimes(browser, minimal);
  console.error('Playing a Random game down to the 10 ms floor (about 45 s) ...');
  const ticks = await tickFigures(browser, tick);

  const program = gzipped('Quellabox.js') + gzipped('Quellabox.wasm');
  const music = gzipped('BackgroundMusic.wav');
  const page = fs.readdirSync(site).reduce((sum, file) => sum + gzipped(file), 0) - program -
    music;
  const row = (label, a, b) => console.log(`${label.padEnd(46)} ${a.padStart(10)} ` +
    `${b.padStart(15)} ${(parseFloat(a) / parseFloat(b)).toFixed(2).padStart(7)}`);
  console.log(`\nQuellabox in headless Chromium ${browser.version()}, a loopback server`);
  console.log(`${''.padEnd(46)} ${'game'.padStart(10)} ${'minimal page'.padStart(15)} ` +
    `${'ratio'.padStart(7)}`);
  row(`page load to the dialog, cold (median of ${RUNS})`, `${game.cold.toFixed(0)} ms`,
    `${least.cold.toFixed(0)} ms`);
  row(`page load to the dialog, warm (median of ${RUNS})`, `${game.warm.toFixed(0)} ms`,
    `${least.warm.toFixed(0)} ms`);
  console.log('\nTransferred, gzip -9:');
  console.log(`  Quellabox.js + Quellabox.wasm   ${kib(program)}`);
  console.log(`  BackgroundMusic.wav             ${kib(music)}`);
  console.log(`  the page (html, scripts, style, pictures)  ${kib(page)}`);
  console.log(`  in all                          ${kib(program + music + page)} (budget 1024 KiB)`);
  console.log('\nTick accuracy (quellabox_bench_tick_web):');
  console.log(ticks);
} finally {
  await browser.close();
}
