// On a narrow screen the windows flow (page.css); the Classic view button shows them as on the
// desktop, drawn smaller, and back, for this visit only.
import { fit, place } from './window_placing.js';
import { shownWindows } from './window_stack.js';

export const listenToViewToggle = () => {
  const toggle = document.getElementById('view-toggle');
  toggle?.addEventListener('click', () => {
    const classic = document.documentElement.classList.toggle('classic-view');
    toggle.setAttribute('aria-pressed', String(classic));
    for (const pageWindow of shownWindows()) {
      fit(pageWindow);
      if (classic) place(pageWindow);
    }
  });
};
