// The keyboard, as on the desktop: Tab and Shift+Tab through a window's tab order, the keys the
// program routes (access keys, the menu items' shortcuts) carried out where it says, and the menu
// bar's own keys while it has the focus. desktop tells whether a modal box holds every key, and
// holds the program, which says where a key goes.
import { byAccessKey, keyName } from './menu_bar.js';
import { frontWindow, windowOf } from './window_stack.js';

export const listenToKeys = (desktop) => {
  document.addEventListener('keydown', (event) => {
    if (desktop.hasOpenBox() || event.isComposing) return;
    const active = document.activeElement;
    const element = active?.closest?.('main > .window');
    const pageWindow = element ? windowOf(element) : frontWindow();
    if (!pageWindow || pageWindow.element.hidden) return;
    const inMenuBar = active?.closest?.('.menubar') && pageWindow.element.contains(active);
    const handled = inMenuBar ? pageWindow.menuBar.key(event) : windowKey(desktop, pageWindow, event);
    if (handled) {
      event.preventDefault();
      event.stopPropagation();
    }
  }, true);
};

// The keys pressed in the written window before the program listened to it, routed now.
export const routeEarlyKeys = (desktop, pageWindow) => {
  for (const press of pageWindow.earlyKeys.splice(0)) carryOut(desktop, pageWindow, press);
};

// A key pressed in a window, outside its menu bar; says whether the page used it.
const windowKey = (desktop, pageWindow, event) => {
  if (event.key === 'Tab' && !event.ctrlKey && !event.altKey && !event.metaKey) {
    const list = pageWindow.shownTabs();
    if (!list.length) return true;
    const i = list.indexOf(document.activeElement);
    const next = i < 0 ? (event.shiftKey ? list.length - 1 : 0)
      : (i + (event.shiftKey ? -1 : 1) + list.length) % list.length;
    list[next].focus();
    return true;
  }
  const key = keyName(event) || (/^F([1-9]|1[0-2])$/.test(event.key) ? event.key : '');
  if (!key) return false;
  const press = { key, alt: event.altKey, ctrl: event.ctrlKey, shift: event.shiftKey, meta: event.metaKey };
  if (!pageWindow.clickables) {
    // The program is still loading: a key it may want is told to it once it listens, and the
    // browser meanwhile does with it what it would.
    if (press.alt || press.ctrl || !keyName(event)) pageWindow.earlyKeys.push(press);
    return false;
  }
  if (carryOut(desktop, pageWindow, press)) return true;
  // Tab keeps to the window, as on the desktop, so the page's own Classic view button, shown
  // where the windows flow, is reached by its access key; Tab goes on from it into the window.
  if (!event.altKey || event.ctrlKey || event.metaKey) return false;
  const toggle = byAccessKey(document.querySelectorAll('#view-toggle'), key);
  if (toggle?.getClientRects().length) {
    toggle.focus();
    toggle.click();
    return true;
  }
  return false;
};

// Does what the program says press reaches in pageWindow: a button or a menu item is clicked, a
// menu opened on its first item. Says whether it reached anything.
const carryOut = (desktop, pageWindow, press) => {
  // -1, or a click index or a title's place, times 4, plus 2 for a title, plus 1 for the focus.
  const route = desktop.program.routeKey(pageWindow.id, press.key, press.alt, press.ctrl, press.shift, press.meta);
  if (route < 0) return false;
  const index = route >> 2;
  if (route & 2) {
    pageWindow.menuBar.open(pageWindow.menuBar.titles()[index], 'first');
    return true;
  }
  const node = pageWindow.clickables[index];
  if (route & 1) node.focus();
  node.click();
  return true;
};
