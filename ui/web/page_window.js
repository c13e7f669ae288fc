// One window of the page and everything the page remembers of it between events. Its element is
// the program's; the rules of the run stay in the program.
class PageWindow {
  constructor(element) {
    this.element = element;
    this.scale = 1;         // drawn this much smaller, where the viewport is narrower than the window
    this.tabs = [];         // its controls in tab order
    this.lastFocus = null;  // where the focus goes back to when the window does
    this.restore = null;    // the place and size it had before it was maximised
    this.written = false;   // written into the page at build time, so placed already
    this.menuBar = null;
    this.earlyTaps = null;  // taps on it before the program listened (the written window only)
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

const isShown = (node) => node.isConnected && !node.closest('[hidden]');
