// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// The page's side of the game: it turns the page's events into calls of the
// main window's handlers in the module, and draws the modal windows the
// handlers open. The rules are all in the module.

// --- one event at a time -------------------------------------------------

// Every event enters the module here. While a handler is suspended in a
// modal window (a message box, help, About) no other event may enter: a
// second call into a suspended module would corrupt its stack. Such an event
// is dropped, as a click on a window behind a modal one is.
let busy = false;
let ended = false;

function call(handler, ...args) {
  if (busy || ended) return Promise.resolve();
  busy = true;
  let suspended = false;
  try {
    const [button = 0, shift = 0, x = 0, y = 0] = args;
    const done = Module.ccall('fire', null, ['string', 'number', 'number', 'number', 'number'],
                              [handler, button, shift, x, y], {async: true});
    suspended = Boolean(Asyncify.currData);
    if (suspended) {
      return done.catch((error) => console.error(error)).finally(() => { busy = false; });
    }
  } catch (error) {
    console.error(error);
  } finally {
    if (!suspended) busy = false;
  }
  return Promise.resolve();
}

const byId = (id) => document.getElementById(id);

// --- the main window's controls ------------------------------------------

function wireButtons() {
  for (const control of document.querySelectorAll('#client [data-event="Click"]')) {
    control.addEventListener('click', () => call(control.id + '_Click'));
  }
}

// The shift state of a pointer event as the desktop reports it.
function shiftState(event) {
  return (event.shiftKey ? 1 : 0) | (event.ctrlKey ? 2 : 0) | (event.altKey ? 4 : 0);
}

// A bet box reports the release of a button pressed on it, wherever the
// pointer is then, as the desktop's MouseUp: mouse buttons 1 left, 2 right,
// 4 middle. A touch or a pen is button 1 when lifted within half a second;
// held that long it is button 2, once, and its lifting sends nothing.
const kLongPress = 500;
const kButtonOf = {0: 1, 1: 4, 2: 2};

function wireBetBox(box) {
  const handler = box.id + '_MouseUp';
  let held = null;  // the long-press timer of a touch or pen, or 'done' once it fired

  box.addEventListener('pointerdown', (event) => {
    if (event.pointerType === 'mouse' && !(event.button in kButtonOf)) return;
    event.preventDefault();  // no focus change, text selection or autoscroll
    box.setPointerCapture(event.pointerId);
    if (event.pointerType !== 'mouse') {
      held = setTimeout(() => {
        held = 'done';
        call(handler, 2, 0, 0, 0);
      }, kLongPress);
    }
  });
  box.addEventListener('pointerup', (event) => {
    event.preventDefault();  // no paste of the selection by the middle button
    const rect = box.getBoundingClientRect();
    const scale = shownScale(box);  // fit.js: the window may be shown smaller
    const x = ((event.clientX - rect.left) / scale) * 15;
    const y = ((event.clientY - rect.top) / scale) * 15;
    if (event.pointerType === 'mouse') {
      if (event.button in kButtonOf) call(handler, kButtonOf[event.button], shiftState(event), x, y);
      return;
    }
    if (held !== null && held !== 'done') {
      clearTimeout(held);
      call(handler, 1, shiftState(event), x, y);
    }
    held = null;
  });
  box.addEventListener('pointercancel', () => {
    if (held !== null && held !== 'done') clearTimeout(held);
    held = null;
  });
  // The browser's own uses of the buttons never happen on a box.
  for (const type of ['contextmenu', 'auxclick', 'selectstart', 'dragstart']) {
    box.addEventListener(type, (event) => event.preventDefault());
  }
  // Keys on a focused box stand for the buttons: Space, Enter and + for the
  // left one, -, Delete and Backspace for the right one. + and - repeat
  // while held; the others act once per press.
  box.addEventListener('keydown', (event) => {
    if (event.ctrlKey || event.altKey || event.metaKey) return;
    const button = kBoxKeys[event.key];
    if (button === undefined) return;
    event.preventDefault();
    if (event.repeat && !kRepeatingKeys.has(event.key)) return;
    call(handler, button, 0, 0, 0);
  });
}

const kBoxKeys = {' ': 1, 'Enter': 1, '+': 1, '-': 2, 'Delete': 2, 'Backspace': 2};
const kRepeatingKeys = new Set(['+', '-']);

// The buttons a screen reader finds beside each box: the same handler as
// the left and the right mouse button.
function wireBetActions() {
  for (const action of document.querySelectorAll('button[data-box]')) {
    action.addEventListener('click', () =>
      call(action.dataset.box + '_MouseUp', Number(action.dataset.button), 0, 0, 0));
  }
}

// --- the menus -----------------------------------------------------------

// The menu bar as the ARIA menu bar pattern has it: one stop of the Tab key
// (F10 too); Left and Right move along the titles, Down, Enter and Space
// open a menu, Up and Down move in it, Enter and Space run an item, Escape
// closes the menu; in an open menu an item's access letter runs it.
const menuTitles = () => [...document.querySelectorAll('.menu-title')];
const itemsOf = (title) =>
  [...byId(title.getAttribute('aria-controls')).querySelectorAll('.menu-item')];
let openTitle = null;
let focusBeforeMenus = null;  // where the focus goes back to from the menu bar

function openMenu(title) {
  if (openTitle === title) return;
  closeMenus();
  title.setAttribute('aria-expanded', 'true');
  byId(title.getAttribute('aria-controls')).hidden = false;
  openTitle = title;
}

function closeMenus() {
  if (openTitle === null) return;
  openTitle.setAttribute('aria-expanded', 'false');
  byId(openTitle.getAttribute('aria-controls')).hidden = true;
  openTitle = null;
}

// The title that Tab reaches is the one last used.
function focusTitle(title) {
  for (const other of menuTitles()) other.tabIndex = other === title ? 0 : -1;
  title.focus();
}

function leaveMenus() {
  closeMenus();
  const back = focusBeforeMenus && focusBeforeMenus.isConnected ? focusBeforeMenus : null;
  (back || document.querySelector('[autofocus]')).focus();
}

function runItem(item) {
  const fromKeyboard = item.contains(document.activeElement);
  if (fromKeyboard) leaveMenus(); else closeMenus();
  call(item.id + '_Click');
}

function onTitleKey(event) {
  const titles = menuTitles();
  const at = titles.indexOf(event.currentTarget);
  const step = (by) => {
    const title = titles[(at + by + titles.length) % titles.length];
    if (openTitle !== null) openMenu(title);
    focusTitle(title);
  };
  const into = (last) => {
    openMenu(titles[at]);
    const items = itemsOf(titles[at]);
    items[last ? items.length - 1 : 0].focus();
  };
  switch (event.key) {
    case 'ArrowRight': step(1); break;
    case 'ArrowLeft': step(-1); break;
    case 'Home': focusTitle(titles[0]); break;
    case 'End': focusTitle(titles[titles.length - 1]); break;
    case 'ArrowDown': case 'Enter': case ' ': into(false); break;
    case 'ArrowUp': into(true); break;
    case 'Escape': if (openTitle !== null) closeMenus(); else leaveMenus(); break;
    case 'Tab': closeMenus(); return;
    default: return;
  }
  event.preventDefault();
}

function onItemKey(event) {
  const item = event.currentTarget;
  const title = byId(item.parentElement.getAttribute('aria-labelledby'));
  const items = itemsOf(title);
  const at = items.indexOf(item);
  const titles = menuTitles();
  const other = (by) => {
    const next = titles[(titles.indexOf(title) + by + titles.length) % titles.length];
    openMenu(next);
    focusTitle(next);
    itemsOf(next)[0].focus();
  };
  const letter = items.find((i) => i.dataset.key && i.dataset.key.toLowerCase() === event.key.toLowerCase());
  switch (event.key) {
    case 'ArrowDown': items[(at + 1) % items.length].focus(); break;
    case 'ArrowUp': items[(at - 1 + items.length) % items.length].focus(); break;
    case 'Home': items[0].focus(); break;
    case 'End': items[items.length - 1].focus(); break;
    case 'ArrowRight': other(1); break;
    case 'ArrowLeft': other(-1); break;
    case 'Enter': case ' ': runItem(item); break;
    case 'Escape': closeMenus(); focusTitle(title); break;
    case 'Tab': closeMenus(); return;
    default:
      if (letter === undefined || event.ctrlKey || event.altKey || event.metaKey) return;
      runItem(letter);
  }
  event.preventDefault();
}

function wireMenus() {
  for (const title of menuTitles()) {
    // A click opens or closes the menu, also the one a screen reader sends;
    // the press itself leaves the focus where it is.
    title.addEventListener('pointerdown', (event) => event.preventDefault());
    title.addEventListener('click', () => {
      if (openTitle === title) closeMenus(); else openMenu(title);
    });
    // While a menu is open, pointing at another title opens that one.
    title.addEventListener('pointerenter', () => { if (openTitle !== null) openMenu(title); });
    title.addEventListener('keydown', onTitleKey);
  }
  for (const item of document.querySelectorAll('.menu-item')) {
    item.addEventListener('click', () => runItem(item));
    item.addEventListener('keydown', onItemKey);
  }
  byId('menubar').addEventListener('focusin', (event) => {
    if (!byId('menubar').contains(event.relatedTarget)) focusBeforeMenus = event.relatedTarget;
  });
  byId('menubar').addEventListener('focusout', (event) => {
    if (!byId('menubar').contains(event.relatedTarget)) closeMenus();
  });
  document.addEventListener('pointerdown', (event) => {
    if (!event.target.closest('.menubar')) closeMenus();
  });
  // F10 reaches the menu bar, as on most desktops.
  document.addEventListener('keydown', (event) => {
    if (event.key !== 'F10' || event.shiftKey || event.ctrlKey || event.altKey) return;
    if (document.querySelector('dialog[open]') || ended) return;
    event.preventDefault();
    focusTitle(menuTitles()[0]);
  });
}

// --- message boxes -------------------------------------------------------

// A modal message box with its title, its prompt exactly as given, the
// critical icon when asked for, and OK with the focus; Enter, Space and
// Escape close it too. Resolves once it is closed.
function showMessageBox(prompt, critical, title) {
  const box = byId('message-template').content.firstElementChild.cloneNode(true);
  box.querySelector('#message-title').textContent = title;
  box.querySelector('#message-prompt').textContent = prompt;
  if (!critical) box.querySelector('.message-icon').remove();
  const ok = box.querySelector('.message-ok');
  document.body.append(box);
  return new Promise((resolve) => {
    box.addEventListener('close', () => {
      box.remove();
      resolve();
    });
    ok.addEventListener('click', () => box.close());
    // A held key must not close it as soon as it opens.
    box.addEventListener('keydown', (event) => { if (event.repeat) event.preventDefault(); });
    box.showModal();
    ok.focus();
  });
}

// --- the help and About windows ------------------------------------------

// A window is loaded by building it from its template, hidden; it takes
// events while it is shown modally. A click on its one clickable control
// (the help text, About's OK) is event 0; a key that types a character, in
// a window whose keys count (About's), is the character's code.
const windowEvents = new Map();  // window id -> the waiting handler's resolve

function loadWindow(id) {
  const dialog = byId(id + '-template').content.firstElementChild.cloneNode(true);
  const send = (event) => {
    const resolve = windowEvents.get(id);
    windowEvents.delete(id);
    if (resolve) resolve(event);
  };
  dialog.querySelector('[data-event="Click"]').addEventListener('click', () => send(0));
  dialog.addEventListener('cancel', (event) => event.preventDefault());
  // A key that types a character goes to the window's handler; no key does
  // anything of its own here, but in help, which keeps no key for itself,
  // Tab still leaves the page.
  const keepsTab = dialog.classList.contains('about');
  dialog.addEventListener('keydown', (event) => {
    if (event.key !== 'Tab' || keepsTab) event.preventDefault();
    const code = characterCode(event);
    if (code > 0 && !event.repeat) send(code);
  });
  document.body.append(dialog);
}

function unloadWindow(id) {
  const dialog = byId(id);
  if (dialog === null) return;
  if (dialog.open) dialog.close();
  dialog.remove();
}

function nextWindowEvent(id) {
  const dialog = byId(id);
  if (!dialog.open) {
    dialog.showModal();
    fitDialog(dialog);  // fit.js
    const focus = dialog.querySelector('button');
    if (focus) focus.focus();
  }
  return new Promise((resolve) => windowEvents.set(id, resolve));
}

// The character a key types on the desktop, or 0 for one that types none
// (arrows, function keys, a modifier alone).
function characterCode(event) {
  const named = {Enter: 13, Escape: 27, Tab: 9, Backspace: 8};
  if (event.key in named) return named[event.key];
  if (event.key.length === 1 && !event.ctrlKey && !event.metaKey) return event.key.charCodeAt(0);
  return 0;
}

// --- the rest of the world -----------------------------------------------

function setCaption(caption) {
  byId('frmdiduvor-caption').textContent = caption;
  document.title = caption.trimStart();
}

// A web address opens in a new tab that cannot reach back into the game; a
// mail address goes to the player's mail program.
function openAddress(address) {
  if (address.startsWith('mailto:')) {
    window.open(address, '_self');
  } else {
    window.open(address, '_blank', 'noopener');
  }
}

// Said once by a screen reader, politely: each announcement is a new line
// of the live region, so the same words twice are said twice.
function announce(text) {
  const line = document.createElement('p');
  line.textContent = text;
  byId('announcer').replaceChildren(line);
}

// A page cannot close a tab it did not open: the window goes and the page
// says the game has ended. An installed game's own window closes.
function endGame() {
  ended = true;
  closeMenus();
  byId('frmdiduvor').remove();
  const notice = byId('ended');
  notice.hidden = false;
  byId('playagain').focus();
  if (matchMedia('(display-mode: standalone)').matches) window.close();
}

// --- start ---------------------------------------------------------------

// The script runs as soon as it has loaded, so that the module compiles
// while the page is still being read; the page is wired once both are done.
function whenParsed(start) {
  if (document.readyState === 'loading') {
    document.addEventListener('DOMContentLoaded', start);
  } else {
    start();
  }
}

// The focus ring shows only while the player uses the keys.
addEventListener('keydown', () => document.documentElement.classList.add('keys'), true);
addEventListener('pointerdown', () => document.documentElement.classList.remove('keys'), true);

Module.onRuntimeInitialized = () => whenParsed(() => {
  wireButtons();
  for (const box of document.querySelectorAll('[data-event="MouseUp"]')) wireBetBox(box);
  wireBetActions();
  wireMenus();
  byId('playagain').addEventListener('click', () => location.reload());
  call('Form_Load')
    .then(() => document.fonts.ready)
    .then(() => {
      document.documentElement.dataset.state = 'ready';
      performance.mark('torvane-ready');
      // Played once, playable offline: the site's own files are kept.
      if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');
    });
});
