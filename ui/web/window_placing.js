// Where windows go, as a desktop's window manager would place them: a window wider than the
// viewport is drawn smaller, none goes past the viewport's sides or above its top, a new one
// opens beside the window in front, and a title bar drags its window.
import { frontWindow } from './window_stack.js';

// The viewport's width, without a scroll bar.
const viewport = () => ({ width: document.documentElement.clientWidth, height: window.innerHeight });

// Never past the viewport's sides (no sideways scrolling), never above its top (the title bar
// stays within reach).
const clamp = (pageWindow, left, top) => {
  const room = Math.max(0, viewport().width - pageWindow.element.offsetWidth * pageWindow.scale);
  pageWindow.moveTo(Math.round(Math.min(Math.max(left, 0), room)), Math.round(Math.max(top, 0)));
};

export const fit = (pageWindow) => {
  if (pageWindow.maximised) return;
  pageWindow.scaleTo(Math.min(1, viewport().width / pageWindow.element.offsetWidth));
  clamp(pageWindow, pageWindow.left, pageWindow.top);
};

// Centred in the viewport; beside the window in front, if there is one, as a window it opens
// from, or over it a little lower where there is no room beside it.
export const place = (pageWindow) => {
  const { element, scale } = pageWindow;
  const view = viewport();
  const width = element.offsetWidth * scale;
  const height = element.offsetHeight * scale;
  const front = frontWindow();
  let left = (view.width - width) / 2;
  let top = (view.height - height) / 2;
  if (front && front !== pageWindow) {
    const box = front.element.getBoundingClientRect();
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

// Fills the viewport, or goes back to where it was, at the size it had.
export const toggleMaximised = (pageWindow) => {
  const { style } = pageWindow.element;
  if (!pageWindow.maximised) {
    pageWindow.restore = { left: pageWindow.left, top: pageWindow.top, width: style.width, height: style.height };
    pageWindow.setMaximised(true);
    pageWindow.moveTo(window.scrollX, window.scrollY);
    style.width = `${viewport().width}px`;
    style.height = `${viewport().height}px`;
  } else {
    const { left, top, width, height } = pageWindow.restore;
    pageWindow.setMaximised(false);
    pageWindow.moveTo(left, top);
    Object.assign(style, { width, height });
    fit(pageWindow);
  }
};

export const dragByTitleBar = (pageWindow, bar) => {
  bar.addEventListener('pointerdown', (event) => {
    if (event.button !== 0 || event.target.closest('button') || pageWindow.maximised) return;
    event.preventDefault();
    bar.setPointerCapture(event.pointerId);
    const startX = event.clientX;
    const startY = event.clientY;
    const { left, top } = pageWindow;
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
