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
