// A window's menu bar, as the WAI-ARIA menubar pattern has it: titles that open their menus by
// click, by hover once one is open, and by the arrow keys, Home, End, Escape and access keys.
import { isShown } from './page_window.js';

export class MenuBar {
  constructor(pageWindow) {
    this.pageWindow = pageWindow;
    this.returnFocus = null;  // where the focus was before the menu bar took it
    const { element } = pageWindow;
    // Before the program hears of the click: a chosen item closes its menu first.
    element.addEventListener('click', (event) => {
      if (event.target.closest('.menu-item')) this.close(true);
    }, true);
    for (const title of this.titles()) {
      title.addEventListener('click', () => {
        if (isExpanded(title)) this.close(true);
        else this.open(title, null);
      });
      title.addEventListener('pointerenter', () => {
        const open = this.openTitle();
        if (open && open !== title) this.open(title, null);
      });
    }
  }

  titles() {
    return [...this.pageWindow.element.querySelectorAll('.menu-title')];
  }

  openTitle() {
    return this.pageWindow.element.querySelector('.menu-title[aria-expanded="true"]');
  }

  // Opens title's menu, with the focus on its first or last item, or on the title itself.
  open(title, focus) {
    const active = document.activeElement;
    if (!this.returnFocus && active && !active.closest('.menubar')) this.returnFocus = active;
    this.close(false);
    title.setAttribute('aria-expanded', 'true');
    title.nextElementSibling.hidden = false;
    const items = itemsOf(title);
    if (focus === 'first' && items.length) items[0].focus();
    else if (focus === 'last' && items.length) items.at(-1).focus();
    else title.focus();
  }

  // Closes every menu; with restore, the focus goes back to where it was before.
  close(restore) {
    for (const title of this.titles()) {
      title.setAttribute('aria-expanded', 'false');
      title.nextElementSibling.hidden = true;
    }
    if (!restore) return;
    const back = this.returnFocus;
    this.returnFocus = null;
    if (back && isShown(back)) back.focus();
    else this.pageWindow.focus();
  }

  // A key pressed while the focus is in the menu bar; says whether the menu bar used it.
  key(event) {
    const target = document.activeElement;
    const onTitle = target.classList.contains('menu-title');
    const title = onTitle ? target : target.closest('.menu-holder').querySelector('.menu-title');
    const titles = this.titles();
    const isOpen = isExpanded(title);
    switch (event.key) {
      case 'ArrowRight':
      case 'ArrowLeft':
        this.open(stepThrough(titles, title, event.key === 'ArrowRight' ? 1 : -1), onTitle && !isOpen ? null : 'first');
        return true;
      case 'ArrowDown':
      case 'ArrowUp':
        if (onTitle) this.open(title, event.key === 'ArrowDown' ? 'first' : 'last');
        else stepThrough(itemsOf(title), target, event.key === 'ArrowDown' ? 1 : -1).focus();
        return true;
      case 'Home':
      case 'End': {
        const list = onTitle ? titles : itemsOf(title);
        const edge = event.key === 'Home' ? list[0] : list.at(-1);
        if (onTitle) this.open(edge, isOpen ? 'first' : null);
        else edge.focus();
        return true;
      }
      case 'Escape':
        if (onTitle) {
          this.close(true);
        } else {
          this.close(false);
          title.focus();
        }
        return true;
      case 'Enter':
      case ' ':
        if (onTitle) this.open(title, 'first');
        else target.click();
        return true;
      case 'Tab':
        this.close(true);
        return true;
    }
    if (event.ctrlKey || event.metaKey) return false;
    const key = keyName(event);
    if (!key) return false;
    if (isOpen) {
      const item = byAccessKey(itemsOf(title), key);
      if (item) {
        item.click();
        return true;
      }
    }
    const other = byAccessKey(titles, key);
    if (other) this.open(other, 'first');
    return true;  // a menu swallows the letters it has no use for
  }
}

const isExpanded = (title) => title.getAttribute('aria-expanded') === 'true';
const itemsOf = (title) => [...title.nextElementSibling.querySelectorAll('.menu-item')];
const stepThrough = (list, node, by) => list[(list.indexOf(node) + by + list.length) % list.length];

// The letter or digit a key press names, whatever the keyboard's layout and modifiers.
export const keyName = (event) => {
  if (/^Key[A-Z]$/.test(event.code)) return event.code.slice(3).toLowerCase();
  if (/^Digit[0-9]$/.test(event.code)) return event.code.slice(5);
  return event.key.length === 1 ? event.key.toLowerCase() : '';
};

// The first shown node of nodes whose access key is key, or null.
export const byAccessKey = (nodes, key) =>
  [...nodes].find((node) => node.getAttribute('data-access-key') === key && isShown(node)) ?? null;
