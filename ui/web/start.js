// Start-up: runs right after the window the build wrote into the page, so that window shows,
// placed and in the window font, while the program is still to start; then starts the program
// once that first paint is on screen. The page's script begins here (make_page.py bundles it).
import { bytesOfBase64 } from './base64.js';
import { Desktop } from './desktop.js';
import { PageWindow } from './page_window.js';
import { instantiateModule } from './program_loading.js';
import { measured, nextTask } from './tasks.js';
import { listenToViewToggle } from './view_toggle.js';
import { fit, place } from './window_placing.js';
import { keepWindow } from './window_stack.js';

// The window face, from its bytes: the face is ready before the first layout, where one loaded
// from CSS would come only after the program's script has run.
const face = new FontFace('Yarno 13', bytesOfBase64('{{WINDOW_FACE}}'), { weight: '400' });
document.fonts.add(face);
// The first window is on screen once its font is in.
window.yarnoShown = face.loaded.then(() => document.fonts.ready);

const hasWebAssembly = typeof WebAssembly === 'object';
const writtenElement = document.querySelector('main > .window[data-written]');
if (hasWebAssembly && writtenElement) {
  const written = new PageWindow(writtenElement);
  written.keepTaps();
  keepWindow(written);
  writtenElement.hidden = false;
  fit(written);
  place(written);
  written.stackAt(1);
}
listenToViewToggle();

// A browser without WebAssembly, or one the program cannot start in, gets words, not a blank page
// nor a window that does nothing.
const showNotice = (id) => {
  document.getElementById(id).hidden = false;
  if (writtenElement) writtenElement.hidden = true;
};
if (!hasWebAssembly) showNotice('no-wasm');

// Emscripten's Module object, which its script reads from the page's global scope: the hooks
// the program is started with, and the desktop it draws on, made once its script has run.
const program = {
  onAbort: () => showNotice(hasWebAssembly ? 'failed' : 'no-wasm'),
  instantiateWasm: (imports, receive) => instantiateModule(imports, receive, () => showNotice('failed')),
  preInit: () => { program.yarno = new Desktop(program); },
  // The program's main in a task of its own, after the runtime's start; the program then has its
  // own start taken in tasks of their own too (the desktop's inTask).
  noInitialRun: true,
  onRuntimeInitialized: () => nextTask().then(() => measured('running the program', () => program.callMain([]))),
};

// The program's script, kept as text in the page, starts once the first window has painted: run
// by the parser, it would hold that paint back. The page's policy admits it by its hash.
let started = false;
const startProgram = () => {
  const code = document.getElementById('program');
  if (started || !code) return;
  started = true;
  window.Module = program;
  const script = document.createElement('script');
  script.textContent = code.textContent;
  code.remove();
  // The script's own run, up to asking for the module, in a task of its own: it is the longest.
  setTimeout(() => measured('running the script', () => document.body.appendChild(script)), 0);
};
// Once the browser has put that paint on screen, where it says so; else after the next frame.
document.addEventListener('DOMContentLoaded', () => {
  if (typeof PerformanceObserver === 'function' && PerformanceObserver.supportedEntryTypes?.includes('paint')) {
    new PerformanceObserver((list, observer) => {
      observer.disconnect();
      setTimeout(startProgram, 0);
    }).observe({ type: 'paint', buffered: true });
  } else {
    requestAnimationFrame(() => setTimeout(startProgram, 0));
  }
  setTimeout(startProgram, 100);  // no frames come to a page out of sight
});
