// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The page's side of the web host, in the JavaScript libraries linked into the program
// (web/library_*.js). Windows, boxes and choosers are named by handles the program gives
// them; texts cross as UTF-8, and a text the page returns is the caller's to free().
extern "C" {

// The width of the 52 letters A-Z and a-z side by side and the line height, in pixels, of a
// CSS font family at a pixel size, as the page lays it out.
void page_measure_font(const char* family, int pixels, int* lettersWidth, int* lineHeight);

// A window, hidden until shown, centred over the window `owner` (0: over the page); the
// owner and everything below it take no input while it is open.
void page_open_window(int handle, int owner, int templateId, const char* caption,
                      const char* family, int fontPixels, int width, int height);
// A control in template order, which is the tab order; rectangles in pixels.
void page_add_control(int handle, int id, const char* kind, const char* caption, const char* styles,
                      int x, int y, int width, int height, int resource,
                      const char* accessibleName);
// Shows the window; `focusFirst` gives its first enabled, visible tab stop the focus.
void page_show_window(int handle, int focusFirst);
// Removes a window, message box or chooser: its timers stop and its queued events go.
void page_close(int handle);

char* page_item_text(int handle, int id);
void page_set_item_text(int handle, int id, const char* text);
int page_item_check(int handle, int id);
void page_set_item_check(int handle, int id, int state);
void page_enable_item(int handle, int id, int enable);
void page_show_item(int handle, int id, int show);
// The largest pixel size of the CSS font family whose line is at most `cellHeight` pixels high.
void page_set_item_font(int handle, int id, const char* family, int cellHeight);
void page_append_menu(int handle, unsigned command, const char* text);
void page_set_icon(int handle, int iconId);

// Timers queue a tick per period; a tick still queued is not queued twice.
void page_set_timer(int handle, unsigned id, int periodMs);
void page_kill_timer(int handle, unsigned id);

// Waits, with the browser running, for the page's next event and writes it to `event` as
// {handle, kind, value} (kinds as in page_event.h).
void page_wait_event(int* event);

void page_open_message_box(int handle, int owner, const char* caption, const char* text,
                           int okCancel);
// The browser's file chooser for files matching `accept` (".vts"); its answer event is 1
// once the chosen file's bytes are in the program's file system, 0 when cancelled.
void page_choose_file(int handle, const char* accept);
// The path of the file chosen last, in the program's file system.
char* page_chosen_path();

// Replaces the stored file in one transaction of the browser's storage unless its first
// bytes no longer equal `expected`; 0 saved, 1 changed meanwhile (the file in the program's
// file system then holds the stored bytes), 2 not saved. Returns once it has completed.
int page_save_file(const char* path, const char* expected, int expectedSize, const char* bytes,
                   int size);

void page_play_looping(const char* url);
void page_stop_sound();
void page_open_tab(const char* url);
void page_reload();
// The program's last window has closed: the music and every timer stop, and the page
// says that the game has ended.
void page_program_ended();
}
