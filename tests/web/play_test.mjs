// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The browser build played in headless Chromium from a loopback server with real keys and
// clicks, under the page's Content-Security-Policy, reading only what the page shows (texts,
// which control has the focus), its stored record and what a private sound server hears.
// Environment: QUELLABOX_SITE (the built site), QUELLABOX_SAMPLES (the sample key files) and
// QUELLABOX_RECORDING (tests/support/null_sink.py runs it on a sound server of its own).
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';

import { launchChromium, serve } from './browser.mjs';

const GAME = 102;
const START = 129;
const ABOUT = 100;
const id = { ok: 1, howTo: 1000, display: 1001, exit: 1002, music: 1003, random: 1005,
  fixed: 1006, input: 1007, reset: 1010, best: 1011, noSpeedChange: 1016, speed: 1017 };

const site = process.env.QUELLABOX_SITE;
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'quellabox-web-'));
const problems = []; // errors the pages report: a CSP violation is one

async function until(read, accept, what) {
  const deadline = Date.now() + 10000;
  for (;;) {
    const value = await read();
    if (accept(value)) return value;
    assert.ok(Date.now() < deadline, `timed out for ${what}; last ${JSON.stringify(value)}`);
    await new Promise((resolve) => setTimeout(resolve, 5));
  }
}

// The RMS of the last `ms` the sound server has heard.
function loudness(ms) {
  const bytes = fs.readFileSync(process.env.QUELLABOX_RECORDING);
  const samples = new Int16Array(bytes.buffer, bytes.byteOffset, bytes.length >> 1);
  const last = samples.subarray(Math.max(0, samples.length - 44.1 * ms));
  return Math.sqrt(last.reduce((sum, x) => sum + x * x, 0) / Math.max(1, last.length));
}

// One tab of the game, read as a player sees it.
class Tab {
  constructor(page) {
    this.page = page;
    page.on('pageerror', (error) => problems.push(error.message));
    page.on('console', (message) => {
      if (message.type() === 'error') problems.push(message.text());
    });
  }

  control(template, control) {
    return this.page.locator(`.window[data-template="${template}"] [data-id="${control}"]`);
  }

  text(template, control) {
    const found = this.control(template, control);
    return control === id.input ? found.inputValue() : found.textContent();
  }

  waitText(template, control, accept) {
    return until(() => this.text(template, control),
      typeof accept === 'string' ? (text) => text === accept : accept,
      `${template}:${control} to read ${accept}`);
  }

  // "template:id" of the control with the focus; "box:id" in a message box.
  focus() {
    return this.page.evaluate(() => {
      const control = document.activeElement.closest('[data-id]');
      const win = document.activeElement.closest('.window');
      return win ? `${win.dataset.template || 'box'}:${control ? control.dataset.id : ''}` : '';
    });
  }

  async box() {
    const box = this.page.locator('.message-box');
    return [await box.locator('.title').textContent(),
      await box.locator('.box-text').textContent()];
  }

  // Loads the page (when given its address) and starts the game with Enter; `best`: its line.
  async start(url, best) {
    if (url) await this.page.goto(url);
    await this.control(START, id.ok).waitFor();
    await this.page.keyboard.press('Enter');
    await this.waitText(GAME, id.best, best);
  }

  // Arms the mode, clicks into the box and types the key shown `hits` times, then none.
  async play(modeButton, hits, chooseFile) {
    await this.page.bringToFront();
    const choosing = chooseFile && this.page.waitForEvent('filechooser');
    await this.control(GAME, modeButton).click();
    if (choosing) {
      const chooser = await choosing;
      assert.equal(await chooser.element().getAttribute('accept'), '.vts');
      await chooser.setFiles(chooseFile);
    }
    await this.waitText(GAME, id.input, 'Click me');
    await this.control(GAME, id.input).click();
    let speed = await this.waitText(GAME, id.speed, (s) => s !== '');
    const shown = [];
    for (let hit = 0; hit < hits; ++hit) {
      shown.push(await this.text(GAME, id.display));
      await this.page.keyboard.type(shown[hit][0].toLowerCase());
      // The next tick shows a new speed, or the win after the last key.
      const [next] = await until(() => Promise.all([this.text(GAME, id.speed),
        this.text(GAME, id.display)]), ([s, shownNow]) => s !== speed || shownNow === 'YOU WIN!',
      'the next tick');
      speed = next;
    }
    return shown;
  }
}

// The stored record's bytes as the page's storage holds them; `bytes` replaces them first.
function storedRecord(page, bytes) {
  return page.evaluate(([key, replacement]) => new Promise((resolve) => {
    const request = indexedDB.open('Quellabox', 1);
    request.onupgradeneeded = () => request.result.createObjectStore('files');
    request.onsuccess = () => {
      const tx = request.result.transaction('files', 'readwrite');
      const store = tx.objectStore('files');
      if (replacement) store.put(new Uint8Array(replacement), key);
      const read = store.get(key);
      tx.oncomplete = () => resolve(read.result ? [...read.result] : null);
    };
  }), ['/data/best.data', bytes]);
}

const bytesOf = (text) => [...Buffer.from(text, 'latin1')];

async function main() {
  const server = await serve(site);
  const url = `http://127.0.0.1:${server.address().port}/`;
  const browser = await launchChromium({
    // Sound must reach the sound server, and only the player's first key may let it play.
    ignoreDefaultArgs: ['--mute-audio'],
    args: ['--autoplay-policy=document-user-activation-required'],
  });
  try {
    const context = await browser.newContext({ viewport: { width: 1000, height: 700 } });
    const tab = new Tab(await context.newPage());

    // Opened as a file, and without WebAssembly, the page says why it cannot play.
    await tab.page.goto('file://' + path.join(site, 'index.html'));
    assert.match(await tab.page.locator('#status').textContent(), /must be served by a web server/);
    const bare = await context.newPage();
    await bare.addInitScript(() => delete window.WebAssembly);
    await bare.goto(url);
    assert.equal(await bare.locator('#status').textContent(),
      'This browser cannot run WebAssembly, which the game needs.');
    await bare.close();

    // A stored record of markup characters shows as those characters.
    await tab.page.goto(url);
    await storedRecord(tab.page, bytesOf('<b>&"\''));
    await tab.page.goto(url);
    assert.equal(await tab.page.locator(`.window[data-template="${START}"] .title`).textContent(),
      'Game-start dialog   [game by orlavo]');

    // Enter is STRAT GAME; the music, held back by the browser, starts with that key.
    await tab.start(null, 'Best score: <b>&"\'');
    assert.equal(await tab.page.locator('.window b').count(), 0);
    await until(() => loudness(300), (rms) => rms > 1000, 'the music');

    // Tab goes round the tab stops in the template's order, from the first.
    await tab.page.keyboard.press('Tab');
    assert.equal(await tab.focus(), `${GAME}:${id.exit}`);
    await tab.page.keyboard.press('Shift+Tab');
    await tab.page.keyboard.press('Shift+Tab');
    assert.equal(await tab.focus(), `${GAME}:${id.noSpeedChange}`);
    await tab.page.keyboard.press('Tab');

    // About from the caption menu, with the system menu's text; Esc closes it.
    await tab.page.locator(`.window[data-template="${GAME}"] .menu-button`).click();
    const items = tab.page.locator('.menu .item');
    assert.deepEqual(await items.allTextContents(), ['Close', '关于 Quellabox(A)...']);
    await items.nth(1).click();
    await tab.control(ABOUT, id.ok).waitFor();
    assert.equal(await tab.focus(), `${ABOUT}:${id.ok}`);
    await tab.page.keyboard.press('Escape');
    await tab.control(ABOUT, id.ok).waitFor({ state: 'detached' });
    assert.equal(await tab.focus(), `${GAME}:${id.howTo}`);

    // The music button stops the music and starts it again.
    await tab.control(GAME, id.music).click();
    await until(() => loudness(200), (rms) => rms < 30, 'silence');
    await tab.control(GAME, id.music).click();
    await until(() => loudness(200), (rms) => rms > 1000, 'the music again');

    // Two hits are a record: saved, then announced; Reset starts afresh and reads it back.
    await tab.play(id.random, 2);
    assert.deepEqual(await tab.box(), ['Quellabox', 'You make the new highest score!']);
    assert.equal(await tab.focus(), `box:${id.ok}`);
    assert.deepEqual(await storedRecord(tab.page), bytesOf('2\0>&"\'\0\0'));
    await tab.page.keyboard.press('Enter');
    await tab.waitText(GAME, id.display, 'FINISH');
    await tab.control(GAME, id.reset).click();
    await tab.start(null, 'Best score: 2');

    // Headless Chromium cancels a chooser it is not told to fill: the website is offered.
    await tab.control(GAME, id.fixed).click();
    assert.match((await tab.box())[1], /^Would you like to get more vantosh files\?/);
    await tab.page.keyboard.press('Escape');
    await tab.page.locator('.message-box').waitFor({ state: 'detached' });
    assert.equal(context.pages().length, 1);

    // Fixed games of a sample and of markup characters from the chooser, won; keys as text.
    const homeRow = path.join(process.env.QUELLABOX_SAMPLES, 'home_row.vts');
    const keys = await tab.play(id.fixed, 8, homeRow);
    assert.deepEqual(keys, ['A', 'S', 'D', 'F', 'J', 'K', 'L', ';']);
    const markup = path.join(work, 'markup.vts');
    fs.writeFileSync(markup, Buffer.from('3\0\0\0\0\0\0\0<&"', 'latin1'));
    assert.deepEqual(await tab.play(id.fixed, 3, markup), ['<', '&', '"']);

    // Two tabs read the record 2; the first makes 4, then the second's 3 stores nothing.
    const second = new Tab(await context.newPage());
    await second.start(url, 'Best score: 2');
    await tab.play(id.random, 4);
    assert.deepEqual(await tab.box(), ['Quellabox', 'You make the new highest score!']);
    await tab.page.keyboard.press('Enter');
    await second.play(id.random, 3);
    await second.waitText(GAME, id.display, 'FINISH');
    assert.equal(await second.page.locator('.message-box').count(), 0);
    assert.deepEqual((await storedRecord(second.page)).slice(0, 2), bytesOf('4\0'));
    await second.page.close();

    // Where the browser keeps nothing for the page, the game plays on and says so.
    const refused = new Tab(await context.newPage());
    await refused.page.addInitScript(() => Object.defineProperty(window, 'indexedDB', {
      get() { throw new DOMException('No storage for this page', 'SecurityError'); } }));
    await refused.start(url, 'Best score: ');
    await refused.play(id.random, 1);
    assert.deepEqual(await refused.box(), ['Quellabox', 'You make the new highest score!']);
    await refused.page.keyboard.press('Enter');
    await until(() => refused.box(), ([, text]) => text === 'The best score could not be saved.',
      'the second message');
    await refused.page.close();

    // Exit asks "Really?" as the game ticks on, Esc keeps it; OK on the close box's ends it.
    await tab.control(GAME, id.random).click();
    await tab.control(GAME, id.input).click();
    await tab.waitText(GAME, id.display, '3');
    await tab.control(GAME, id.exit).click();
    assert.deepEqual(await tab.box(), ['Quellabox', 'Really?']);
    await tab.waitText(GAME, id.display, '2'); // the countdown goes on under the box
    await tab.page.keyboard.press('Escape');
    await tab.page.locator('.message-box').waitFor({ state: 'detached' });
    assert.equal(await tab.focus(), `${GAME}:${id.exit}`);
    await tab.page.locator(`.window[data-template="${GAME}"] .close-box`).click();
    assert.deepEqual(await tab.box(), ['Quellabox', 'Really?']);
    await tab.page.keyboard.press('Enter');
    assert.equal(await tab.page.locator('.ended p').textContent(), 'The game has ended.');
    assert.equal(await tab.page.locator('.window').count(), 0);
    await until(() => loudness(200), (rms) => rms < 30, 'silence at the end');

    assert.deepEqual(problems, []);
  } finally {
    await browser.close();
    server.close();
    fs.rmSync(work, { recursive: true, force: true });
  }
}

await main();
console.log('web play-through: passed');
