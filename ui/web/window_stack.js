// The windows on the page, each by its element, and how they stack: the one raised last is in
// front.
const windows = new Map();
let topZ = 1;

export const keepWindow = (pageWindow) => windows.set(pageWindow.element, pageWindow);
export const forgetWindow = (element) => windows.delete(element);
export const windowOf = (element) => windows.get(element);

// In the page's order.
export const shownWindows = () =>
  [...document.querySelectorAll('main > .window:not([hidden])')].map(windowOf).filter(Boolean);

// The shown window in front, or null.
export const frontWindow = () => {
  let front = null;
  for (const pageWindow of shownWindows()) {
    if (!front || pageWindow.z > front.z) front = pageWindow;
  }
  return front;
};

export const raise = (pageWindow) => {
  if (pageWindow.z !== topZ) pageWindow.stackAt(++topZ);
};
