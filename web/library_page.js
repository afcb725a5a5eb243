// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The functions of web/page.h, linked into the program with --js-library: they carry texts
// and numbers between the program's memory and the page's scripts (web/page/*.js), which
// the page loads before the program. The waits suspend the program (ASYNCIFY) and let the
// browser run until the page has an answer.

mergeInto(LibraryManager.library, {
  // The stored files are in the program's file system before main() starts.
  $QuellaboxFiles__deps: ['$FS'],
  $QuellaboxFiles__postset: 'addOnPreRun(QuellaboxFiles.load);',
  $QuellaboxFiles: {
    load: function() {
      addRunDependency('stored files');
      QuellaboxStorage.load().then(function(files) {
        files.forEach(function(file) { QuellaboxFiles.write(file[0], file[1]); });
        removeRunDependency('stored files');
      });
    },
    // Bytes as the file's whole content; none removes the file.
    write: function(path, bytes) {
      FS.mkdirTree(path.slice(0, path.lastIndexOf('/')) || '/');
      if (bytes) {
        FS.writeFile(path, bytes);
      } else if (FS.analyzePath(path).exists) {
        FS.unlink(path);
      }
    },
    chosen: 0,
    chosenPath: '',
  },

  page_measure_font: function(family, pixels, lettersWidth, lineHeight) {
    var measured = QuellaboxDesktop.measure(UTF8ToString(family), pixels);
    HEAP32[lettersWidth >> 2] = measured.lettersWidth;
    HEAP32[lineHeight >> 2] = measured.lineHeight;
  },

  page_open_window: function(handle, owner, templateId, caption, family, fontPixels, width,
                             height) {
    QuellaboxDesktop.openWindow(handle, owner, templateId, UTF8ToString(caption),
                                UTF8ToString(family), fontPixels, width, height);
  },

  page_add_control: function(handle, id, kind, caption, styles, x, y, width, height, resource,
                             name) {
    QuellaboxDesktop.addControl(handle, id, UTF8ToString(kind), UTF8ToString(caption),
                                UTF8ToString(styles), x, y, width, height, resource,
                                UTF8ToString(name));
  },

  page_show_window: function(handle, focusFirst) {
    QuellaboxDesktop.showWindow(handle, focusFirst !== 0);
  },

  page_close: function(handle) { QuellaboxDesktop.close(handle); },

  page_item_text: function(handle, id) {
    return allocateUTF8(QuellaboxDesktop.itemText(handle, id));
  },

  page_set_item_text: function(handle, id, text) {
    QuellaboxDesktop.setItemText(handle, id, UTF8ToString(text));
  },

  page_item_check: function(handle, id) { return QuellaboxDesktop.itemCheck(handle, id); },

  page_set_item_check: function(handle, id, state) {
    QuellaboxDesktop.setItemCheck(handle, id, state);
  },

  page_enable_item: function(handle, id, enable) {
    QuellaboxDesktop.enableItem(handle, id, enable !== 0);
  },

  page_show_item: function(handle, id, show) {
    QuellaboxDesktop.showItem(handle, id, show !== 0);
  },

  page_set_item_font: function(handle, id, family, cellHeight) {
    QuellaboxDesktop.setItemFont(handle, id, UTF8ToString(family), cellHeight);
  },

  page_append_menu: function(handle, command, text) {
    QuellaboxDesktop.appendMenu(handle, command >>> 0, UTF8ToString(text));
  },

  page_set_icon: function(handle, iconId) { QuellaboxDesktop.setIcon(handle, iconId); },

  page_set_timer: function(handle, id, period) {
    QuellaboxDesktop.setTimer(handle, id >>> 0, period);
  },

  page_kill_timer: function(handle, id) { QuellaboxDesktop.killTimer(handle, id >>> 0); },

  page_wait_event: function(event) {
    Asyncify.handleSleep(function(wakeUp) {
      QuellaboxDesktop.take(function(taken) {
        HEAP32[event >> 2] = taken.handle;
        HEAP32[(event >> 2) + 1] = taken.kind;
        HEAP32[(event >> 2) + 2] = taken.value;
        wakeUp();
      });
    });
  },

  page_open_message_box: function(handle, owner, caption, text, okCancel) {
    QuellaboxDesktop.openMessageBox(handle, owner, UTF8ToString(caption), UTF8ToString(text),
                                    okCancel !== 0);
  },

  page_choose_file__deps: ['$QuellaboxFiles'],
  page_choose_file: function(handle, accept) {
    QuellaboxDesktop.chooseFile(handle, UTF8ToString(accept), function(name, bytes) {
      // A folder per choice: the file is read as it was when chosen, and a later choice
      // of a file of the same name leaves this one as it is.
      QuellaboxFiles.chosenPath = '/chosen/' + (++QuellaboxFiles.chosen) + '/' + name;
      QuellaboxFiles.write(QuellaboxFiles.chosenPath, bytes);
    });
  },

  page_chosen_path__deps: ['$QuellaboxFiles'],
  page_chosen_path: function() { return allocateUTF8(QuellaboxFiles.chosenPath); },

  page_save_file__deps: ['$QuellaboxFiles'],
  page_save_file: function(path, expected, expectedSize, bytes, size) {
    var file = UTF8ToString(path);
    var expectedBytes = HEAPU8.slice(expected, expected + expectedSize);
    var newBytes = HEAPU8.slice(bytes, bytes + size);
    return Asyncify.handleSleep(function(wakeUp) {
      QuellaboxStorage.save(file, expectedBytes, newBytes).then(function(outcome) {
        if (!outcome) return wakeUp(2);
        QuellaboxFiles.write(file, outcome.saved ? newBytes : outcome.stored);
        wakeUp(outcome.saved ? 0 : 1);
      });
    });
  },

  page_play_looping: function(url) { QuellaboxSound.play(UTF8ToString(url)); },

  page_stop_sound: function() { QuellaboxSound.stop(); },

  page_open_tab: function(url) { window.open(UTF8ToString(url), '_blank', 'noopener'); },

  page_reload: function() { QuellaboxDesktop.restart(); },

  page_program_ended: function() {
    QuellaboxSound.stop();
    QuellaboxDesktop.end();
  },
});
