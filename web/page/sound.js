// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

'use strict';

// The looping music, with the Web Audio API: a track fetched and decoded once, played from
// its start on a loop until it is stopped or replaced.
const QuellaboxSound = (() => {
  const tracks = new Map(); // URL: the decoded track, as a promise
  let context = null;
  let source = null;
  let playing = 0; // counts the starts and stops, so a late decode plays only if still asked

  function track(url) {
    if (!tracks.has(url)) {
      tracks.set(url, fetch(url)
        .then((response) => response.ok ? response.arrayBuffer() : Promise.reject(response))
        .then((bytes) => context.decodeAudioData(bytes)));
    }
    return tracks.get(url);
  }

  function stop() {
    ++playing;
    if (!source) return;
    source.stop();
    source.disconnect();
    source = null;
  }

  // A missing or broken track, or a browser without Web Audio, leaves silence.
  function play(url) {
    stop();
    if (!context && window.AudioContext) context = new AudioContext();
    if (!context) return;
    const asked = playing;
    track(url).then((buffer) => {
      if (asked !== playing) return;
      source = context.createBufferSource();
      source.buffer = buffer;
      source.loop = true;
      source.connect(context.destination);
      source.start();
    }, () => {});
  }

  // Where the browser holds sound back until the player's first key or click, the page's
  // own handler of that press lets it play: a resume asked for later may be refused.
  function allow() {
    if (context && context.state === 'suspended') context.resume();
  }
  addEventListener('keydown', allow, true);
  addEventListener('pointerdown', allow, true);

  return { play, stop };
})();
