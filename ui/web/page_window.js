// One window of the page and everything the page remembers of it between events. Its element is
// the program's; the rules of the run stay in the program.
class PageWindow {
  constructor(element) {
    this.element = element;
    this.scale = 1;         // drawn this much smaller, where the viewport is narrower than the window
    this.tabs = [];         // its controls in tab order
    this.lastFocus = null;  // where the focus goes back to when the window does
    this.restore = null;    // the place and size it had before it was maximised
    this.handOver = null;   // the focus and selection that the written window had
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

  // Takes the place of the window the build wrote into the page, with what the user typed there
  // and where the focus was.
  replaceWritten(element) {
    const old = this.element;
    const twinOf = (node) => element.querySelector(`.client > [data-name="${node.dataset.name}"]`);
    for (const input of old.querySelectorAll('.client > input')) twinOf(input).value = input.value;
    const active = document.activeElement;
    const twin = active && old.contains(active) && active.hasAttribute('data-name') && twinOf(active);
    if (twin) this.handOver = { node: twin, start: active.selectionStart, end: active.selectionEnd };
    element.style.cssText += old.style.cssText;
    this.written = true;
    old.replaceWith(element);
    this.element = element;
  }

  // Gives the focus to the control that had it in the written window, selection and all.
  takeHandOver() {
    const handOver = this.handOver;
    this.handOver = null;
    if (!handOver) return false;
    handOver.node.focus();
    if (handOver.start != null) handOver.node.setSelectionRange(handOver.start, handOver.end);
    return true;
  }
}

const isShown = (node) => node.isConnected && !node.closest('[hidden]');
