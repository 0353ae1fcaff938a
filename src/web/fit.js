// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// Every window on the screen of a phone. On a screen too narrow for the
// main window, each window is scaled as one picture from its top left
// (nothing reflows or moves within it), never above its designed size:
// the main window by s = min(1, (layout viewport width - 16) / 388), the
// help and About windows by at most s and by what fits them on the screen,
// moved left or up only as far as they must to lie wholly on it. The
// layout viewport (documentElement.clientWidth), not the visual one, so a
// pinch zoom is never undone. At desktop sizes s is 1 and nothing changes.
// Appended to the module's script after page.js (--post-js).

// The main window's width with the page's margin of 8 px on each side.
const kMainSpan = 388;

function mainScale() {
  return Math.min(1, (document.documentElement.clientWidth - 16) / kMainSpan);
}

function fitMainWindow() {
  const s = mainScale();
  const main = document.querySelector('.window.main');
  main.style.transform = s < 1 ? `scale(${s})` : '';
  // The menus' touch targets grow by 1 / s (style.css, coarse pointers).
  document.documentElement.style.setProperty('--main-scale', String(s));
}

// A modal window at its designed place and size, then scaled and moved
// as far as the screen asks.
function fitDialog(dialog) {
  dialog.style.transform = '';
  dialog.style.left = '';
  dialog.style.top = '';
  const root = document.documentElement;
  const width = dialog.offsetWidth;
  const height = dialog.offsetHeight;
  const scale = Math.min(1, mainScale(), root.clientWidth / width, root.clientHeight / height);
  const style = getComputedStyle(dialog);
  const designedLeft = parseFloat(style.left);
  const designedTop = parseFloat(style.top);
  const left = Math.max(scrollX, Math.min(designedLeft, scrollX + root.clientWidth - width * scale));
  const top = Math.max(scrollY, Math.min(designedTop, scrollY + root.clientHeight - height * scale));
  if (scale < 1) dialog.style.transform = `scale(${scale})`;
  if (left !== designedLeft) dialog.style.left = `${left}px`;
  if (top !== designedTop) dialog.style.top = `${top}px`;
}

// How much an element is shown smaller than its designed size, for taking
// pointer positions back into the window's own twips.
function shownScale(element) {
  return element.getBoundingClientRect().width / element.offsetWidth || 1;
}

function fitWindows() {
  fitMainWindow();
  for (const dialog of document.querySelectorAll('dialog.window[open]')) fitDialog(dialog);
}

addEventListener('resize', fitWindows);
whenParsed(fitMainWindow);
