// The keyboard, as on the desktop: Tab and Shift+Tab through a window's tab order, Alt with an
// access key, the menu items' shortcuts, and the menu bar's own keys while it has the focus.
// desktop tells whether a modal box holds every key.
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
    const handled = inMenuBar ? pageWindow.menuBar.key(event) : windowKey(pageWindow, event);
    if (handled) {
      event.preventDefault();
      event.stopPropagation();
    }
  }, true);
};

// A key pressed in a window, outside its menu bar; says whether the page used it.
const windowKey = (pageWindow, event) => {
  const { element, menuBar } = pageWindow;
  if (event.key === 'Tab' && !event.ctrlKey && !event.altKey && !event.metaKey) {
    const list = pageWindow.shownTabs();
    if (!list.length) return true;
    const i = list.indexOf(document.activeElement);
    const next = i < 0 ? (event.shiftKey ? list.length - 1 : 0)
      : (i + (event.shiftKey ? -1 : 1) + list.length) % list.length;
    list[next].focus();
    return true;
  }
  const key = keyName(event);
  if (event.altKey && !event.ctrlKey && !event.metaKey && key) {
    // A button's access key wins over a menu title's, as on the desktop.
    const button = byAccessKey(element.querySelectorAll('.client > button'), key);
    if (button) {
      button.click();
      return true;
    }
    const title = byAccessKey(menuBar.titles(), key);
    if (title) {
      menuBar.open(title, 'first');
      return true;
    }
    // Tab keeps to the window, as on the desktop, so the page's own Classic view button, shown
    // where the windows flow, is reached by its access key; Tab goes on from it into the window.
    const toggle = byAccessKey(document.querySelectorAll('#view-toggle'), key);
    if (toggle?.getClientRects().length) {
      toggle.focus();
      toggle.click();
      return true;
    }
    return false;
  }
  let shortcut = '';
  if (event.ctrlKey && !event.altKey && !event.metaKey && key) shortcut = `ctrl+${key}`;
  else if (!event.ctrlKey && !event.altKey && !event.metaKey && /^F\d+$/.test(event.key)) shortcut = event.key.toLowerCase();
  if (!shortcut) return false;
  // Before a text box can take Ctrl+A or Ctrl+N for itself.
  const item = element.querySelector(`.menu-item[data-shortcut="${shortcut}"]`);
  if (!item) return false;
  item.click();
  return true;
};
