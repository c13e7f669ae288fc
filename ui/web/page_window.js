// One window of the page and everything the page remembers of it between events: where it is,
// where it stacks, how much smaller it is drawn, and whether the build wrote it into the page.
// Its element is drawn from these and never read back for them. The rules of the run stay in
// the program.
export class PageWindow {
  constructor(element) {
    this.element = element;
    this.written = false;    // written into the page at build time, so placed already
    this.left = 0;           // its place on the page, in CSS pixels
    this.top = 0;
    this.z = 0;              // its place in the stack, the highest in front; 0 until first raised
    this.scale = 1;          // drawn this much smaller, where the viewport is narrower than the window
    this.maximised = false;  // filling the viewport
    this.restore = null;     // the place and size it had before it was maximised
    this.tabs = [];          // its controls in tab order
    this.lastFocus = null;   // where the focus goes back to when the window does
    this.menuBar = null;
    this.earlyTaps = null;   // taps on it before the program listened (the written window only)
    this.earlyKeys = [];     // keys pressed in it before the program listened, that it may want
    this.id = 0;             // the program's name for it, once the program listens
    this.clickables = null;  // its controls by index, then its menu items, once the program listens
  }

  moveTo(left, top) {
    this.left = left;
    this.top = top;
    this.element.style.left = `${left}px`;
    this.element.style.top = `${top}px`;
  }

  stackAt(z) {
    this.z = z;
    this.element.style.zIndex = String(z);
  }

  scaleTo(scale) {
    this.scale = scale;
    this.element.style.transform = scale < 1 ? `scale(${scale})` : '';
  }

  // A maximised window is drawn at full size; once restored, fitting it draws its scale again.
  setMaximised(on) {
    this.maximised = on;
    this.element.classList.toggle('maximised', on);
    this.element.querySelector('.maximise').setAttribute('aria-label', on ? 'Restore' : 'Maximise');
    if (on) this.element.style.transform = '';
  }

  // The written window is on screen before the program listens to it: its taps are kept till then.
  keepTaps() {
    this.earlyTaps = [];
    this.keepTap = (event) => this.earlyTaps.push(event.target);
    this.element.addEventListener('click', this.keepTap, true);
  }

  // What was tapped before the program listened, and nothing kept from now on.
  takeTaps() {
    if (!this.earlyTaps) return [];
    this.element.removeEventListener('click', this.keepTap, true);
    const taps = this.earlyTaps;
    this.earlyTaps = null;
    return taps;
  }

  focus() {
    const last = this.lastFocus;
    const target = last && isShown(last) && this.element.contains(last) ? last : this.shownTabs()[0];
    target?.focus();
  }

  shownTabs() {
    return this.tabs.filter(isShown);
  }
}

export const isShown = (node) => node.isConnected && !node.closest('[hidden]');
