// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

'use strict';

// The program's stored files in the browser's storage (IndexedDB): one record per file,
// its path the key and its bytes the value. A write is one transaction that first reads
// what is stored, so two tabs never overwrite what the other wrote meanwhile, and the
// storage keeps the old or the new bytes whole, whatever happens to the tab.
const QuellaboxStorage = (() => {
  const FILES = 'files';
  let opening = null;

  // The database, or null where the browser keeps nothing for the page.
  function database() {
    if (!opening) {
      opening = new Promise((resolve) => {
        try {
          const request = indexedDB.open('Quellabox', 1);
          request.onupgradeneeded = () => request.result.createObjectStore(FILES);
          request.onsuccess = () => resolve(request.result);
          request.onerror = () => resolve(null);
          request.onblocked = () => resolve(null);
        } catch (refused) {
          resolve(null);
        }
      });
    }
    return opening;
  }

  function transaction(db, mode, work) {
    return new Promise((resolve) => {
      try {
        const tx = db.transaction(FILES, mode, { durability: 'strict' });
        const outcome = work(tx.objectStore(FILES));
        tx.oncomplete = () => resolve(outcome);
        tx.onerror = tx.onabort = () => resolve(null);
      } catch (failed) {
        resolve(null);
      }
    });
  }

  // Every stored file, as [path, bytes] pairs; none where nothing can be stored.
  function load() {
    return database().then((db) => db && transaction(db, 'readonly', (store) => {
      const files = [];
      const cursor = store.openCursor();
      cursor.onsuccess = () => {
        if (!cursor.result) return;
        files.push([String(cursor.result.key), new Uint8Array(cursor.result.value)]);
        cursor.result.continue();
      };
      return files;
    })).then((files) => files || []);
  }

  // The file's first bytes, a shorter or missing one padded with NUL bytes.
  function startsWith(stored, expected) {
    return expected.every((byte, i) => (stored && i < stored.length ? stored[i] : 0) === byte);
  }

  // Writes the bytes unless the stored file no longer starts with `expected`. Resolves,
  // once the transaction has completed, to { saved: true }, to { saved: false, stored }
  // with what is stored now (undefined: nothing), or to null when nothing could be stored.
  function save(path, expected, bytes) {
    return database().then((db) => db && transaction(db, 'readwrite', (store) => {
      const outcome = { saved: false, stored: undefined };
      const read = store.get(path);
      read.onsuccess = () => {
        const stored = read.result === undefined ? undefined : new Uint8Array(read.result);
        if (startsWith(stored, expected)) {
          store.put(bytes, path);
          outcome.saved = true;
        } else {
          outcome.stored = stored;
        }
      };
      return outcome;
    }));
  }

  return { load, save };
})();
