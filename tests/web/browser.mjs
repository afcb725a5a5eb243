// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the browser test and the web benchmark share: a folder served on a loopback port as
// any static web server serves it, and Debian's Chromium, headless, driven by playwright-core
// (which downloads no browser of its own).
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { chromium } from 'playwright-core';

const TYPES = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css',
  '.wasm': 'application/wasm', '.wav': 'audio/wav', '.ico': 'image/x-icon',
  '.bmp': 'image/bmp' };

// Resolves to the server once it listens; its address() has the port.
export function serve(folder) {
  const server = http.createServer((request, response) => {
    const name = path.normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
    const file = path.join(folder, name === '/' ? 'index.html' : name);
    fs.stat(file, (missing, stat) => {
      if (missing || !stat.isFile()) return response.writeHead(404).end();
      // Dated, as static servers do, so that a browser may keep what it loaded.
      const modified = new Date(Math.floor(stat.mtimeMs / 1000) * 1000);
      const since = Date.parse(request.headers['if-modified-since'] || '');
      if (since >= modified.getTime()) return response.writeHead(304).end();
      response.writeHead(200, { 'Content-Type': TYPES[path.extname(file)] ||
        'application/octet-stream', 'Last-Modified': modified.toUTCString() });
      fs.createReadStream(file).pipe(response);
    });
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

// Chromium as CI runs it: no sandbox for root, nothing fetched from outside the machine.
// `options` may add arguments, an environment and playwright-core's own options.
export function launchChromium(options = {}) {
  const root = process.getuid && process.getuid() === 0;
  return chromium.launch({ ...options, executablePath: '/usr/bin/chromium',
    args: [...(root ? ['--no-sandbox'] : []), '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--no-first-run',
      ...(options.args || [])] });
}
