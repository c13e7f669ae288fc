// Where windows go, as a desktop's window manager would place them. It runs before the program,
// right after the window the build wrote into the page, so that window shows, placed and in the
// window font, while the program is still starting; glue.js places the windows the program makes.
var yarnoWindows = (function () {
  'use strict';
  function windows() {
    return Array.prototype.slice.call(document.querySelectorAll('main > .window:not([hidden])'));
  }
  function topWindow() {
    var best = null;
    windows().forEach(function (w) {
      if (!best || (+w.style.zIndex || 0) > (+best.style.zIndex || 0)) best = w;
    });
    return best;
  }
  // The viewport's width, without a scroll bar; a window wider than it is drawn smaller.
  function viewport() {
    return { width: document.documentElement.clientWidth, height: window.innerHeight };
  }
  function fit(win) {
    if (win.classList.contains('maximised')) return;
    var view = viewport();
    var scale = Math.min(1, view.width / win.offsetWidth);
    win._scale = scale;
    win.style.transform = scale < 1 ? 'scale(' + scale + ')' : '';
    clamp(win, parseFloat(win.style.left) || 0, parseFloat(win.style.top) || 0);
  }
  // Never past the viewport's sides (no sideways scrolling), never above its top (the title bar
  // stays within reach).
  function clamp(win, left, top) {
    var width = win.offsetWidth * (win._scale || 1);
    var room = Math.max(0, viewport().width - width);
    win.style.left = Math.round(Math.min(Math.max(left, 0), room)) + 'px';
    win.style.top = Math.round(Math.max(top, 0)) + 'px';
  }
  // Centred in the viewport; beside the window in front, if there is one, as a window it
  // opens from, or over it a little lower where there is no room beside it.
  function place(win) {
    var view = viewport();
    var scale = win._scale || 1;
    var width = win.offsetWidth * scale;
    var height = win.offsetHeight * scale;
    var other = topWindow();
    var left = (view.width - width) / 2;
    var top = (view.height - height) / 2;
    if (other && other !== win) {
      var box = other.getBoundingClientRect();
      var ox = box.left + window.scrollX;
      var oy = box.top + window.scrollY;
      if (ox + box.width + 8 + width <= view.width) {
        left = ox + box.width + 8;
        top = oy;
      } else {
        left = ox + 24;
        top = oy + 24;
      }
    }
    clamp(win, left, top);
  }

  // The window face, from its bytes: the face is ready before the first layout, where one
  // loaded from CSS would come only after the program's script has run.
  var face = new FontFace('Yarno 13', decode('{{WINDOW_FACE}}'), { weight: '400' });
  document.fonts.add(face);
  // Base64 to bytes; glue.js unpacks the module with it too.
  function decode(text) {
    if (Uint8Array.fromBase64) return Uint8Array.fromBase64(text);
    var bytes = atob(text), out = new Uint8Array(bytes.length);
    for (var i = 0; i < bytes.length; i++) out[i] = bytes.charCodeAt(i);
    return out;
  }

  var written = typeof WebAssembly === 'object' && document.querySelector('main > .window[data-written]');
  if (written) {
    written.hidden = false;
    fit(written);
    place(written);
    written.style.zIndex = '1';
  }
  // The program's script, kept as text below, starts once the first window has painted: run by
  // the parser, it would hold that paint back. The page's policy admits it by its hash.
  var started = false;
  function startProgram() {
    var code = document.getElementById('program');
    if (started || !code) return;
    started = true;
    var script = document.createElement('script');
    script.textContent = code.textContent;
    code.remove();
    // The first of the start's steps (glue.js): the script's own run, up to asking for the module.
    const start = performance.now();
    document.body.appendChild(script);
    performance.measure('yarno: running the script', { start });
  }
  // Once the browser has put that paint on screen, where it says so; else after the next frame.
  document.addEventListener('DOMContentLoaded', function () {
    var supported = typeof PerformanceObserver === 'function'
      && (PerformanceObserver.supportedEntryTypes || []).indexOf('paint') >= 0;
    if (supported) {
      new PerformanceObserver(function (list, observer) {
        observer.disconnect();
        setTimeout(startProgram, 0);
      }).observe({ type: 'paint', buffered: true });
    } else {
      requestAnimationFrame(function () { setTimeout(startProgram, 0); });
    }
    setTimeout(startProgram, 100);  // no frames come to a page out of sight
  });

  // On a narrow screen the windows flow (page.css); this button shows them as on the desktop,
  // drawn smaller, and back, for this visit only.
  const viewToggle = document.getElementById('view-toggle');
  if (viewToggle) {
    viewToggle.addEventListener('click', () => {
      const classic = document.documentElement.classList.toggle('classic-view');
      viewToggle.setAttribute('aria-pressed', String(classic));
      windows().forEach((win) => {
        fit(win);
        if (classic) place(win);
      });
    });
  }

  // The first window is on screen once its font is in.
  window['yarnoShown'] = face.loaded.then(function () { return document.fonts.ready; });
  return { windows: windows, topWindow: topWindow, viewport: viewport, fit: fit, clamp: clamp, place: place, decode: decode };
})();
