// The page as the program's desktop: what the web backend (ui/web/*.cpp) asks of it, by these
// method names, to put windows on the page, stack, show and hide them, show message boxes and
// the end screen, and run its work in tasks of their own. Each window's own state is in its
// PageWindow.
import { elementOf } from './elements.js';
import { listenToKeys, routeEarlyKeys } from './keyboard.js';
import { MenuBar } from './menu_bar.js';
import { PageWindow, isShown } from './page_window.js';
import { measured, nextTask } from './tasks.js';
import { dragByTitleBar, fit, place, toggleMaximised } from './window_placing.js';
import { forgetWindow, frontWindow, keepWindow, raise, shownWindows, windowOf } from './window_stack.js';

export class Desktop {
  // program is emscripten's Module object, which delivers events to the program.
  constructor(program) {
    this.program = program;
    this.openBoxes = 0;
    // What the program asked of the windows while a box was up, done once it is dismissed: a
    // box stops the desktop's program until then, so its windows stay as they were meanwhile.
    this.afterBoxes = [];
    this.pendingEnd = null;
    // The program's work put off to tasks of its own, [name, listener id] in order, and whether
    // they are being run.
    this.tasks = [];
    this.runningTasks = false;
    // Until the program has started, what the player does is kept, and told to it in order once
    // it has (started).
    this.held = [];
    // Resolved once the program shows its first window: the tests and the benchmark wait for it.
    window.yarnoReady = new Promise((resolve) => { this.resolveReady = resolve; });
    // Told to the page too, for what waits until the program has started (the site's worker).
    window.yarnoReady.then(() => window.dispatchEvent(new Event('yarnoready')));
    listenToKeys(this);
    document.addEventListener('pointerdown', (event) => {
      for (const pageWindow of shownWindows()) {
        if (pageWindow.menuBar?.openTitle() && !event.target.closest('.menubar')) pageWindow.menuBar.close(false);
      }
    }, true);
    window.addEventListener('resize', () => shownWindows().forEach(fit));
  }

  hasOpenBox() {
    return this.openBoxes > 0;
  }

  focusFront() {
    frontWindow()?.focus();
  }

  fill(node, json) {
    node.replaceChildren(...JSON.parse(json).map(elementOf));
  }

  // The window of this name that the build wrote into the page, for the program to take over as
  // it is; null when there is none (any more).
  writtenWindow(name) {
    const element = document.getElementById(name);
    if (!element?.hasAttribute('data-written')) return null;
    element.removeAttribute('data-written');
    const pageWindow = windowOf(element) ?? new PageWindow(element);
    pageWindow.written = true;
    keepWindow(pageWindow);
    return element;
  }

  // A window's elements out of its markup (ui/web/window_markup.h), made in one call and put in
  // parent.
  addWindow(json, parent) {
    const element = elementOf(JSON.parse(json));
    parent.appendChild(element);
    keepWindow(new PageWindow(element));
    return element;
  }

  // Runs the listener id's work in a task of its own, once those asked for before it have run,
  // each measured by its name. When the last has run, the program has started.
  inTask(name, id) {
    this.tasks.push([name, id]);
    if (!this.runningTasks) this.runTasks();
  }

  async runTasks() {
    this.runningTasks = true;
    while (this.tasks.length) {
      await nextTask();
      const [name, id] = this.tasks.shift();
      measured(name, () => this.program.dispatch(id, null));
    }
    this.runningTasks = false;
    this.started();
  }

  tell(id, what) {
    if (this.held) this.held.push([id, what]);
    else this.program.dispatch(id, what);
  }

  // What was held is told to the program now.
  started() {
    const held = this.held;
    this.held = null;
    for (const [id, what] of held ?? []) this.program.dispatch(id, what);
  }

  listen(node, type, id) {
    node.addEventListener(type, (event) => this.program.dispatch(id, event));
  }

  // Everything the program hears from a window, handed over in one call (ui/web/window_binding.h):
  // each control's click or edit by its index, each menu item's click, numbered on from the
  // controls, and the close box, as index -1, all told to the listener id, which is also the
  // window's name when the page asks the program where a key goes. Returns the controls by index,
  // the live region, and what was typed in a written window before the program ran, as
  // [index, text] pairs.
  bindWindow(element, id, json) {
    const { controls: names, edits, items, tabs } = JSON.parse(json);
    const tell = (index, text) => this.tell(id, { index, text });
    const controls = names.map((name) => element.querySelector(`.client > [data-name="${name}"]`));
    controls.forEach((node, index) => {
      if (edits.includes(index)) node.addEventListener('input', () => tell(index, node.value));
      else node.addEventListener('click', () => tell(index));
    });
    const itemNodes = items.map((name) => element.querySelector(`.menu-item[data-name="${name}"]`));
    itemNodes.forEach((node, k) => node.addEventListener('click', () => tell(names.length + k)));
    element.querySelector('.close').addEventListener('click', () => tell(-1));
    const pageWindow = windowOf(element);
    pageWindow.id = id;
    pageWindow.clickables = [...controls, ...itemNodes];
    // Buttons tapped in the written window before now, told in order, after what was typed.
    for (const target of pageWindow.takeTaps()) {
      const index = controls.findIndex((node) => node.contains(target));
      if (index >= 0 && !edits.includes(index)) tell(index);
    }
    this.setUpWindow(pageWindow, tabs.map((index) => controls[index]));
    // Once the program is off the stack, as any key pressed from now on.
    if (pageWindow.earlyKeys.length) setTimeout(() => routeEarlyKeys(this, pageWindow), 0);
    const typed = edits.filter((index) => controls[index].value !== controls[index].defaultValue)
      .map((index) => [index, controls[index].value]);
    return { controls, live: element.querySelector('.live'), typed };
  }

  setUpWindow(pageWindow, tabs) {
    const { element } = pageWindow;
    pageWindow.tabs = tabs;
    const active = document.activeElement;
    if (element.contains(active) && !active.closest('.menubar')) pageWindow.lastFocus = active;
    element.addEventListener('pointerdown', () => raise(pageWindow), true);
    element.addEventListener('focusin', (event) => {
      raise(pageWindow);
      if (!event.target.closest('.menubar')) pageWindow.lastFocus = event.target;
    });
    pageWindow.menuBar = new MenuBar(pageWindow);
    const bar = element.querySelector('.titlebar');
    dragByTitleBar(pageWindow, bar);
    const maximise = element.querySelector('.maximise');
    if (maximise) {
      maximise.addEventListener('click', () => toggleMaximised(pageWindow));
      bar.addEventListener('dblclick', (event) => {
        if (!event.target.closest('button')) toggleMaximised(pageWindow);
      });
    }
  }

  // Runs change now, or once every box is dismissed if one is up.
  whenNoBox(change) {
    if (this.openBoxes > 0) this.afterBoxes.push(change);
    else change();
  }

  showWindow(element, first) {
    this.whenNoBox(() => this.showNow(element, first));
  }

  hideWindow(element) {
    this.whenNoBox(() => this.hideNow(element));
  }

  removeWindow(element) {
    this.whenNoBox(() => this.removeNow(element));
  }

  showNow(element, first) {
    const pageWindow = windowOf(element);
    const wasHidden = element.hidden;
    element.hidden = false;
    if (first && !pageWindow.written) {
      fit(pageWindow);
      place(pageWindow);
    } else if (wasHidden) {
      fit(pageWindow);
    }
    raise(pageWindow);
    // The written window keeps the focus where the player put it before the program ran.
    if (wasHidden || (first && !element.contains(document.activeElement))) pageWindow.focus();
    this.resolveReady(true);
  }

  hideNow(element) {
    const pageWindow = windowOf(element);
    const hadFocus = element.contains(document.activeElement);
    pageWindow.menuBar.close(false);
    pageWindow.menuBar.returnFocus = null;
    element.hidden = true;
    if (hadFocus) this.focusFront();
  }

  removeNow(element) {
    const hadFocus = element.contains(document.activeElement);
    element.remove();
    forgetWindow(element);
    if (hadFocus) this.focusFront();
  }

  showBox(box, ok) {
    const back = document.activeElement;
    document.querySelector('main').appendChild(box);
    this.openBoxes++;
    ok.addEventListener('click', () => box.close());
    box.addEventListener('close', () => {
      box.remove();
      this.openBoxes--;
      if (this.openBoxes === 0) this.afterBoxes.splice(0).forEach((change) => change());
      if (back && back !== document.body && isShown(back)) back.focus();
      else this.focusFront();
      if (this.openBoxes === 0 && this.pendingEnd) {
        const end = this.pendingEnd;
        this.pendingEnd = null;
        showEndScreen(end);
      }
    });
    box.showModal();
    ok.focus();
  }

  // After the error box, if one is still open: the user reads the error first.
  showEnded(section) {
    if (this.openBoxes > 0) this.pendingEnd = section;
    else showEndScreen(section);
  }
}

const showEndScreen = (section) => {
  section.hidden = false;
  section.querySelector('button')?.focus();
};
