// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

'use strict';

// Starts the program named by this script's data-program once the page knows the browser
// can run it; says in the page why not, where it cannot.
(() => {
  const program = document.currentScript.dataset.program;
  const status = document.getElementById('status');
  const say = (text) => {
    status.textContent = text;
    status.hidden = false;
  };
  if (location.protocol === 'file:') {
    say('This game must be served by a web server, not opened as a file: run ' +
      '"python3 -m http.server" in its folder and open http://localhost:8000/ instead.');
    return;
  }
  if (typeof WebAssembly !== 'object') {
    say('This browser cannot run WebAssembly, which the game needs.');
    return;
  }
  window.Module = {
    locateFile: (name) => name,
    onRuntimeInitialized: () => { status.hidden = true; },
    onAbort: (what) => say('The game stopped: ' + what),
  };
  const script = document.createElement('script');
  script.src = program;
  script.onerror = () => say('The game could not be loaded.');
  document.body.append(script);
})();
