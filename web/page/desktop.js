// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

'use strict';

// The page's desktop for the web host: windows made from the program's dialog templates,
// message boxes, the windows' caption menus, the file chooser and timers, and the queue of
// events that the program's innermost modal loop takes one at a time. Every text reaches
// the page as text (textContent, value), never as markup.
const QuellaboxDesktop = (() => {
  // As the program's PageEventKind numbers them.
  const Event = { Command: 1, Focus: 2, Timer: 3, MenuCommand: 4, Answer: 5 };
  const IDOK = 1;
  const IDCANCEL = 2;
  const CLOSE_COMMAND = 0xf060;
  const LETTERS = 'ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz';

  const queue = [];
  let taker = null;
  const windows = new Map(); // handle: window, message box or chooser
  const stack = []; // the open ones, oldest first: only the newest takes input
  let openMenu = null;
  let ended = false;
  let restarting = false;

  const desktop = () => document.getElementById('desktop');

  function element(tag, className, text) {
    const made = document.createElement(tag);
    if (className) made.className = className;
    if (text !== undefined) made.textContent = text;
    return made;
  }

  // ---- The queue

  function post(event) {
    if (ended) return;
    // A tick still waiting is not queued twice, as a desktop's timer messages are not.
    if (event.kind === Event.Timer && queue.some((e) => e.kind === Event.Timer &&
        e.handle === event.handle && e.value === event.value)) {
      return;
    }
    queue.push(event);
    if (taker) {
      const take = taker;
      taker = null;
      take(queue.shift());
    }
  }

  // Hands the next event to `callback`, at once or as soon as one comes.
  function take(callback) {
    if (queue.length) {
      callback(queue.shift());
    } else {
      taker = callback;
    }
  }

  function drop(unwanted) {
    for (let i = queue.length - 1; i >= 0; --i) {
      if (unwanted(queue[i])) queue.splice(i, 1);
    }
  }

  // ---- Fonts and measures

  // A hidden line of `texts` in a CSS font family at a pixel size, laid out in the page.
  function probe(family, pixels, texts) {
    const line = element('div', 'probe');
    line.append(...texts.map((text) => element('span', '', text)));
    line.style.fontFamily = family;
    line.style.fontSize = pixels + 'px';
    document.body.append(line);
    return line;
  }

  // The line as a label lays it out, the font's gap between lines included.
  function lineHeight(line) {
    return Math.round(line.getBoundingClientRect().height);
  }

  // The width of the 52 letters side by side and the line height of a CSS font family (the
  // template's face and the fonts that stand in for it) at a pixel size. Each letter counts
  // whole pixels, as a desktop's own measure does: fractional advances can round the average
  // down a pixel and leave the templates' captions no room.
  function measure(family, pixels) {
    const line = probe(family, pixels, [...LETTERS]);
    const lettersWidth = [...line.children].reduce((sum, letter) =>
      sum + Math.round(letter.getBoundingClientRect().width), 0);
    const measured = { lettersWidth, lineHeight: lineHeight(line) };
    line.remove();
    return measured;
  }

  // The largest pixel size whose character cell (the glyphs' height, no gap between lines)
  // fits the cell height, as the desktop picks a font asked for by its cell height. Cells grow
  // with the size, so one measure gives a close guess and a step or two settles it: each
  // measure lays the page out again.
  function pixelsForCell(family, cellHeight) {
    const cellAt = (pixels) => {
      const line = probe(family, pixels, ['X']);
      const height = Math.round(line.firstChild.getBoundingClientRect().height);
      line.remove();
      return height;
    };
    let pixels = Math.max(1, Math.floor(cellHeight * cellHeight / cellAt(cellHeight)));
    while (pixels < cellHeight && cellAt(pixels + 1) <= cellHeight) ++pixels;
    while (pixels > 1 && cellAt(pixels) > cellHeight) --pixels;
    return pixels;
  }

  // ---- Windows

  function top() {
    return stack[stack.length - 1];
  }

  // The newest window takes input; those below it wait, as a modal run's owners do.
  function restack() {
    stack.forEach((win, i) => { win.element.inert = i !== stack.length - 1; });
    const newest = top();
    if (newest && !newest.element.hidden && !newest.element.contains(document.activeElement)) {
      focusControl(newest.lastFocus) || focusFirst(newest);
    }
  }

  function focusControl(control) {
    if (!control || !control.isConnected || control.disabled || !control.offsetParent) {
      return false;
    }
    control.focus();
    return true;
  }

  function tabStops(win) {
    return [...win.element.querySelectorAll('button, input')].filter((control) =>
      control.tabIndex >= 0 && !control.disabled && control.offsetParent &&
      !control.closest('.caption'));
  }

  function focusFirst(win) {
    const first = tabStops(win)[0];
    if (first) first.focus();
  }

  function placeOverOwner(win) {
    const owner = windows.get(win.owner);
    const area = owner && !owner.element.hidden ? owner.element.getBoundingClientRect()
      : desktop().getBoundingClientRect();
    const origin = desktop().getBoundingClientRect();
    const own = win.element.getBoundingClientRect();
    win.element.style.left = Math.max(0, area.left - origin.left +
      (area.width - own.width) / 2) + 'px';
    win.element.style.top = Math.max(0, area.top - origin.top +
      (area.height - own.height) / 2) + 'px';
  }

  function add(win) {
    windows.set(win.handle, win);
    stack.push(win);
    win.element.addEventListener('focusin', (e) => {
      if (!e.target.closest('.caption, .menu')) win.lastFocus = e.target;
    });
    restack();
  }

  // A caption with the window's menu (where it has one), its title and the close box.
  function captionBar(win, title, onClose) {
    const bar = element('header', 'caption');
    if (win.menu) {
      win.menuButton = element('button', 'menu-button');
      win.menuButton.type = 'button';
      win.menuButton.tabIndex = -1;
      win.menuButton.setAttribute('aria-label', 'Window menu');
      win.menuButton.setAttribute('aria-haspopup', 'menu');
      win.menuButton.addEventListener('click', () => showMenu(win));
      bar.append(win.menuButton);
    }
    const text = element('h2', 'title', title);
    text.id = 'title-' + win.handle;
    win.element.setAttribute('aria-labelledby', text.id);
    const close = element('button', 'close-box', '\u00d7');
    close.type = 'button';
    close.tabIndex = -1;
    close.setAttribute('aria-label', 'Close');
    close.addEventListener('click', onClose);
    bar.append(text, close);
    // A press on the caption keeps the focus where it is.
    bar.addEventListener('mousedown', (e) => e.preventDefault());
    return bar;
  }

  function openWindow(handle, owner, templateId, caption, family, fontPixels, width, height) {
    const win = { handle, owner, controls: new Map(), timers: new Map(), menu: [],
      element: element('section', 'window'), lastFocus: null };
    win.element.hidden = true;
    win.element.dataset.template = templateId;
    win.element.setAttribute('role', 'dialog');
    win.client = element('div', 'client');
    Object.assign(win.client.style, { width: width + 'px', height: height + 'px',
      fontFamily: family, fontSize: fontPixels + 'px' });
    win.element.append(captionBar(win, caption,
      () => post({ handle, kind: Event.Command, value: IDCANCEL })), win.client);
    win.onKey = windowKeys(win);
    win.element.addEventListener('keydown', win.onKey);
    // A press where nothing takes the focus leaves it where it was.
    win.client.addEventListener('mousedown', (e) => {
      if (!e.target.closest('button, input, label')) e.preventDefault();
    });
    desktop().append(win.element);
    add(win);
  }

  function addControl(handle, id, kind, caption, styles, x, y, width, height, resource, name) {
    const win = windows.get(handle);
    const has = (style) => styles.split(' ').includes(style);
    const command = () => post({ handle, kind: Event.Command, value: id });
    let control;
    let input;
    if (kind === 'button') {
      control = input = element('button', 'push', caption);
      control.type = 'button';
      control.classList.toggle('default', has('default'));
      control.classList.toggle('multiline', has('multiline'));
      control.addEventListener('click', command);
    } else if (kind === 'checkbox') {
      control = element('label', 'check');
      input = element('input');
      input.type = 'checkbox';
      input.addEventListener('click', command);
      control.append(input, element('span', 'label', caption));
    } else if (kind === 'edit') {
      control = input = element('input', 'edit');
      control.type = 'text';
      control.autocomplete = 'off';
      control.spellcheck = false;
      control.classList.toggle('center', has('center'));
      control.addEventListener('focus', () => post({ handle, kind: Event.Focus, value: id }));
    } else if (kind === 'icon' || kind === 'bitmap') {
      // A picture takes its own size and lies under the controls it overlaps.
      control = element('img', 'picture');
      control.alt = '';
      control.src = kind === 'icon' ? `icon${resource}.ico` : `bitmap${resource}.bmp`;
      if (kind === 'icon') control.width = control.height = 32;
    } else {
      control = element('div', 'static', caption);
      for (const style of ['center', 'centerimage', 'nowrap']) {
        control.classList.toggle(style, has(style));
      }
      control.classList.toggle('disabled', has('disabled'));
    }
    Object.assign(control.style, { left: x + 'px', top: y + 'px' });
    if (!control.classList.contains('picture')) {
      Object.assign(control.style, { width: width + 'px', height: height + 'px' });
    }
    if (input) {
      input.tabIndex = has('tabstop') ? 0 : -1;
      input.disabled = has('disabled');
    }
    if (name) (input || control).setAttribute('aria-label', name);
    if (id !== -1) {
      control.dataset.id = id;
      win.controls.set(id, { control, input, kind });
    }
    if (control.classList.contains('picture')) {
      win.client.prepend(control);
    } else {
      win.client.append(control);
    }
  }

  function showWindow(handle, focus) {
    const win = windows.get(handle);
    win.element.hidden = false;
    placeOverOwner(win);
    if (focus) focusFirst(win);
    restack();
  }

  function close(handle) {
    const win = windows.get(handle);
    if (!win) return;
    for (const timer of win.timers.values()) clearInterval(timer);
    drop((e) => e.handle === handle);
    if (openMenu && openMenu.win === win) hideMenu();
    win.element.remove();
    windows.delete(handle);
    stack.splice(stack.indexOf(win), 1);
    restack();
  }

  function cycleFocus(stops, backwards) {
    if (!stops.length) return;
    const at = stops.indexOf(document.activeElement);
    stops[(at + (backwards ? -1 : 1) + stops.length) % stops.length].focus();
  }

  // Runs the window's answer to a key, if it has one, in place of the browser's.
  function keyHandler(answer) {
    return (e) => {
      if (e.isComposing || e.ctrlKey || e.metaKey || !answer(e)) return;
      e.preventDefault();
      e.stopPropagation();
    };
  }

  // Enter clicks a focused push button and is the OK command anywhere else; Esc is the
  // Cancel command; Tab goes round the window's tab stops; Alt+Space opens its menu.
  function windowKeys(win) {
    const command = (value) => post({ handle: win.handle, kind: Event.Command, value });
    return keyHandler((e) => {
      const focused = document.activeElement;
      if (e.key === 'Enter' && !e.altKey) {
        const button = focused.matches('button.push') && win.element.contains(focused);
        command(button ? Number(focused.dataset.id) : IDOK);
      } else if (e.key === 'Escape' && !e.altKey) {
        command(IDCANCEL);
      } else if (e.key === ' ' && e.altKey) {
        showMenu(win);
      } else if (e.key === 'Tab' && !e.altKey) {
        cycleFocus(tabStops(win), e.shiftKey);
      } else {
        return false;
      }
      return true;
    });
  }

  // ---- The window's menu: "Close", then below a separator the items the program adds

  function mnemonicText(target, text) {
    // "&A" underlines the letter that picks the item; "&&" is an ampersand.
    let letter = '';
    const parts = text.split(/(&.)/);
    for (const part of parts) {
      if (part === '&&') {
        target.append('&');
      } else if (part.length === 2 && part[0] === '&') {
        target.append(element('u', '', part[1]));
        letter = letter || part[1].toLowerCase();
      } else {
        target.append(part);
      }
    }
    return letter;
  }

  function showMenu(win) {
    hideMenu();
    const menu = element('div', 'menu');
    menu.setAttribute('role', 'menu');
    const items = [];
    const entries = [{ command: CLOSE_COMMAND, text: 'Close' }, ...win.menu];
    entries.forEach((entry, i) => {
      if (i === 1) menu.append(element('hr'));
      const item = element('button', 'item');
      item.type = 'button';
      item.setAttribute('role', 'menuitem');
      item.dataset.command = entry.command;
      item.dataset.mnemonic = mnemonicText(item, entry.text);
      item.addEventListener('click', () => {
        hideMenu();
        post({ handle: win.handle, kind: Event.MenuCommand, value: entry.command });
      });
      items.push(item);
      menu.append(item);
    });
    menu.addEventListener('keydown', (e) => {
      const at = items.indexOf(document.activeElement);
      const picked = items.find((item) => item.dataset.mnemonic === e.key.toLowerCase());
      if (e.key === 'ArrowDown' || e.key === 'ArrowUp') {
        items[(at + (e.key === 'ArrowDown' ? 1 : -1) + items.length) % items.length].focus();
      } else if (e.key === 'Escape') {
        hideMenu();
      } else if (picked) {
        picked.click();
      } else if (e.key !== 'Enter' && e.key !== ' ' && e.key !== 'Tab') {
        return;
      }
      if (e.key !== 'Enter' && e.key !== ' ') e.preventDefault();
      e.stopPropagation();
    });
    menu.addEventListener('focusout', (e) => {
      if (!menu.contains(e.relatedTarget)) hideMenu();
    });
    const at = win.menuButton.getBoundingClientRect();
    const origin = desktop().getBoundingClientRect();
    Object.assign(menu.style, { left: at.left - origin.left + 'px',
      top: at.bottom - origin.top + 'px' });
    openMenu = { win, menu, back: document.activeElement };
    desktop().append(menu);
    items[0].focus();
  }

  function hideMenu() {
    if (!openMenu) return;
    const { menu, back } = openMenu;
    openMenu = null;
    menu.remove();
    if (back && back.isConnected && !back.inert) back.focus();
  }

  // ---- Message boxes and the file chooser

  function openMessageBox(handle, owner, caption, text, okCancel) {
    const win = { handle, owner, element: element('section', 'window message-box'),
      lastFocus: null, timers: new Map() };
    win.element.setAttribute('role', 'alertdialog');
    // Esc and the close box answer Cancel, or OK where OK is the only answer.
    const escape = okCancel ? IDCANCEL : IDOK;
    const answer = (value) => post({ handle, kind: Event.Answer, value });
    const body = element('div', 'box-body');
    body.append(element('div', okCancel ? 'box-icon question' : 'box-icon information'),
      element('p', 'box-text', text));
    const buttons = element('div', 'box-buttons');
    for (const [value, label] of okCancel ? [[IDOK, 'OK'], [IDCANCEL, 'Cancel']]
      : [[IDOK, 'OK']]) {
      const button = element('button', 'push', label);
      button.type = 'button';
      button.dataset.id = value;
      button.addEventListener('click', () => answer(value));
      buttons.append(button);
    }
    win.element.append(captionBar(win, caption, () => answer(escape)), body, buttons);
    win.onKey = keyHandler((e) => {
      if (e.altKey) return false;
      if (e.key === 'Enter') {
        answer(Number(document.activeElement.dataset.id || IDOK));
      } else if (e.key === 'Escape') {
        answer(escape);
      } else if (e.key === 'Tab') {
        cycleFocus([...buttons.children], e.shiftKey);
      } else {
        return false;
      }
      return true;
    });
    win.element.addEventListener('keydown', win.onKey);
    desktop().append(win.element);
    add(win);
    placeOverOwner(win);
  }

  // The browser's file chooser; `keep(name, bytes)` takes the chosen file's bytes (none
  // when it cannot be read) before the answer 1 is queued. Cancelling it answers 0.
  function chooseFile(handle, accept, keep) {
    const input = element('input', 'chooser');
    input.type = 'file';
    input.accept = accept;
    const win = { handle, element: input, timers: new Map() };
    const answer = (value) => post({ handle, kind: Event.Answer, value });
    input.addEventListener('cancel', () => answer(0));
    input.addEventListener('change', () => {
      const file = input.files[0];
      if (!file) return answer(0);
      file.arrayBuffer().then((bytes) => keep(file.name, new Uint8Array(bytes)),
        () => keep(file.name, null)).then(() => answer(1));
    });
    desktop().append(input);
    add(win);
    input.click();
  }

  // ---- Controls

  function item(handle, id) {
    const win = windows.get(handle);
    return win && win.controls.get(id);
  }

  function itemText(handle, id) {
    const found = item(handle, id);
    if (!found) return '';
    if (found.kind === 'edit') return found.input.value;
    if (found.kind === 'checkbox') return found.control.lastChild.textContent;
    return found.control.textContent;
  }

  function setItemText(handle, id, text) {
    const found = item(handle, id);
    if (!found) return;
    if (found.kind === 'edit') {
      found.input.value = text;
    } else if (found.kind === 'checkbox') {
      found.control.lastChild.textContent = text;
    } else {
      found.control.textContent = text;
    }
  }

  function itemCheck(handle, id) {
    const found = item(handle, id);
    return found && found.kind === 'checkbox' && found.input.checked ? 1 : 0;
  }

  function setItemCheck(handle, id, state) {
    const found = item(handle, id);
    if (found && found.kind === 'checkbox') found.input.checked = state !== 0;
  }

  function enableItem(handle, id, enable) {
    const found = item(handle, id);
    if (!found) return;
    if (found.input) found.input.disabled = !enable;
    found.control.classList.toggle('disabled', !enable);
  }

  function showItem(handle, id, show) {
    const found = item(handle, id);
    if (found) found.control.hidden = !show;
  }

  function setItemFont(handle, id, family, cellHeight) {
    const found = item(handle, id);
    if (!found) return;
    found.control.style.fontFamily = family;
    found.control.style.fontSize = pixelsForCell(family, cellHeight) + 'px';
  }

  function appendMenu(handle, command, text) {
    windows.get(handle).menu.push({ command, text });
  }

  function setIcon(handle, iconId) {
    const win = windows.get(handle);
    const icon = element('img');
    icon.alt = '';
    icon.src = `icon${iconId}.ico`;
    win.menuButton.replaceChildren(icon);
  }

  // ---- Timers

  function setTimer(handle, id, period) {
    killTimer(handle, id);
    const win = windows.get(handle);
    win.timers.set(id, setInterval(() => post({ handle, kind: Event.Timer, value: id }), period));
  }

  function killTimer(handle, id) {
    const win = windows.get(handle);
    if (!win || !win.timers.has(id)) return;
    clearInterval(win.timers.get(id));
    win.timers.delete(id);
    drop((e) => e.handle === handle && e.kind === Event.Timer && e.value === id);
  }

  // ---- The end

  // A tab cannot close itself: every window and timer goes, and the page offers to start
  // again.
  function end() {
    if (restarting) return;
    for (const handle of [...windows.keys()]) close(handle);
    queue.length = 0;
    ended = true;
    const notice = element('div', 'ended');
    notice.setAttribute('role', 'status');
    const again = element('button', 'push', 'Play again');
    again.type = 'button';
    again.addEventListener('click', () => location.reload());
    notice.append(element('p', '', 'The game has ended.'), again);
    desktop().append(notice);
    again.focus();
  }

  // The page starts afresh by loading itself again.
  function restart() {
    restarting = true;
    location.reload();
  }

  // A key pressed where no control has the focus goes to the newest window.
  document.addEventListener('keydown', (e) => {
    const newest = top();
    if (newest && newest.onKey && (e.target === document.body || e.target === desktop())) {
      newest.onKey(e);
    }
  });

  return { take, measure, openWindow, addControl, showWindow, close, openMessageBox,
    chooseFile, itemText, setItemText, itemCheck, setItemCheck, enableItem, showItem,
    setItemFont, appendMenu, setIcon, setTimer, killTimer, end, restart };
})();
