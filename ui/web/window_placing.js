// Where windows go, as a desktop's window manager would place them: a window wider than the
// viewport is drawn smaller, none goes past the viewport's sides or above its top, a new one
// opens beside the window in front, and a title bar drags its window.

// The viewport's width, without a scroll bar.
const viewport = () => ({ width: document.documentElement.clientWidth, height: window.innerHeight });

const shownWindowElements = () => [...document.querySelectorAll('main > .window:not([hidden])')];

// The element of the shown window in front, or null.
const frontWindowElement = () => {
  let front = null;
  for (const element of shownWindowElements()) {
    if (!front || (+element.style.zIndex || 0) > (+front.style.zIndex || 0)) front = element;
  }
  return front;
};

// Never past the viewport's sides (no sideways scrolling), never above its top (the title bar
// stays within reach).
const clamp = (pageWindow, left, top) => {
  const { element } = pageWindow;
  const room = Math.max(0, viewport().width - element.offsetWidth * pageWindow.scale);
  element.style.left = `${Math.round(Math.min(Math.max(left, 0), room))}px`;
  element.style.top = `${Math.round(Math.max(top, 0))}px`;
};

const fit = (pageWindow) => {
  const { element } = pageWindow;
  if (element.classList.contains('maximised')) return;
  const scale = Math.min(1, viewport().width / element.offsetWidth);
  pageWindow.scale = scale;
  element.style.transform = scale < 1 ? `scale(${scale})` : '';
  clamp(pageWindow, parseFloat(element.style.left) || 0, parseFloat(element.style.top) || 0);
};

// Centred in the viewport; beside the window in front, if there is one, as a window it opens
// from, or over it a little lower where there is no room beside it.
const place = (pageWindow) => {
  const { element, scale } = pageWindow;
  const view = viewport();
  const width = element.offsetWidth * scale;
  const height = element.offsetHeight * scale;
  const front = frontWindowElement();
  let left = (view.width - width) / 2;
  let top = (view.height - height) / 2;
  if (front && front !== element) {
    const box = front.getBoundingClientRect();
    const frontLeft = box.left + window.scrollX;
    const frontTop = box.top + window.scrollY;
    if (frontLeft + box.width + 8 + width <= view.width) {
      left = frontLeft + box.width + 8;
      top = frontTop;
    } else {
      left = frontLeft + 24;
      top = frontTop + 24;
    }
  }
  clamp(pageWindow, left, top);
};

// Fills the viewport, or goes back to where it was.
const toggleMaximised = (pageWindow) => {
  const { element } = pageWindow;
  const on = !element.classList.contains('maximised');
  element.classList.toggle('maximised', on);
  element.querySelector('.maximise').setAttribute('aria-label', on ? 'Restore' : 'Maximise');
  const { style } = element;
  if (on) {
    pageWindow.restore = { left: style.left, top: style.top, width: style.width, height: style.height };
    style.transform = '';
    style.left = `${window.scrollX}px`;
    style.top = `${window.scrollY}px`;
    style.width = `${viewport().width}px`;
    style.height = `${viewport().height}px`;
  } else {
    Object.assign(style, pageWindow.restore);
    fit(pageWindow);
  }
};

const dragByTitleBar = (pageWindow, bar) => {
  const { element } = pageWindow;
  bar.addEventListener('pointerdown', (event) => {
    if (event.button !== 0 || event.target.closest('button') || element.classList.contains('maximised')) return;
    event.preventDefault();
    bar.setPointerCapture(event.pointerId);
    const startX = event.clientX;
    const startY = event.clientY;
    const left = parseFloat(element.style.left) || 0;
    const top = parseFloat(element.style.top) || 0;
    const move = (e) => clamp(pageWindow, left + e.clientX - startX, top + e.clientY - startY);
    const end = () => {
      bar.removeEventListener('pointermove', move);
      bar.removeEventListener('pointerup', end);
      bar.removeEventListener('pointercancel', end);
    };
    bar.addEventListener('pointermove', move);
    bar.addEventListener('pointerup', end);
    bar.addEventListener('pointercancel', end);
  });
};
