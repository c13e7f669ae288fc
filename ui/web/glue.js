// What the page does on its own, as a desktop's window manager would: stacking, placing and
// dragging windows, the keyboard (tab order, access keys, menu shortcuts, the menu bar), and the
// modal boxes. The rules of the run stay in the program; this only reports clicks and edits.
Module['yarno'] = (function () {
  'use strict';
  var topZ = 1;
  var openBoxes = 0;
  var pendingEnd = null;
  var resolveReady;
  window['yarnoReady'] = new Promise(function (resolve) { resolveReady = resolve; });

  var windows = yarnoWindows.windows, topWindow = yarnoWindows.topWindow, viewport = yarnoWindows.viewport;
  var fit = yarnoWindows.fit, clamp = yarnoWindows.clamp, place = yarnoWindows.place;

  function raise(win) {
    if (+win.style.zIndex !== topZ) win.style.zIndex = String(++topZ);
  }
  function shown(node) {
    return node.isConnected && !node.closest('[hidden]');
  }
  function tabs(win) {
    return (win._tabs || []).filter(shown);
  }
  function focusWindow(win) {
    var last = win._lastFocus;
    var target = last && shown(last) && win.contains(last) ? last : tabs(win)[0];
    if (target) target.focus();
  }

  function menuTitles(win) {
    return Array.prototype.slice.call(win.querySelectorAll('.menu-title'));
  }
  function itemsOf(title) {
    return Array.prototype.slice.call(title.nextElementSibling.querySelectorAll('.menu-item'));
  }
  function openTitle(win) {
    return win.querySelector('.menu-title[aria-expanded="true"]');
  }
  function openMenu(title, focus) {
    var win = title.closest('.window');
    var active = document.activeElement;
    if (!win._menuReturn && active && !active.closest('.menubar')) win._menuReturn = active;
    closeMenus(win, false);
    title.setAttribute('aria-expanded', 'true');
    title.nextElementSibling.hidden = false;
    var items = itemsOf(title);
    if (focus === 'first' && items.length) items[0].focus();
    else if (focus === 'last' && items.length) items[items.length - 1].focus();
    else title.focus();
  }
  function closeMenus(win, restore) {
    menuTitles(win).forEach(function (title) {
      title.setAttribute('aria-expanded', 'false');
      title.nextElementSibling.hidden = true;
    });
    if (!restore) return;
    var back = win._menuReturn;
    win._menuReturn = null;
    if (back && shown(back)) back.focus();
    else focusWindow(win);
  }
  function byAccessKey(nodes, key) {
    for (var i = 0; i < nodes.length; i++) {
      if (nodes[i].getAttribute('data-access-key') === key && shown(nodes[i])) return nodes[i];
    }
    return null;
  }
  function step(list, node, by) {
    var i = list.indexOf(node);
    return list[(i + by + list.length) % list.length];
  }

  function keyName(event) {
    if (/^Key[A-Z]$/.test(event.code)) return event.code.slice(3).toLowerCase();
    if (/^Digit[0-9]$/.test(event.code)) return event.code.slice(5);
    return event.key.length === 1 ? event.key.toLowerCase() : '';
  }

  // Keys inside an open menu bar: the WAI-ARIA menubar pattern.
  function menuKey(win, event) {
    var target = document.activeElement;
    var onTitle = target.classList.contains('menu-title');
    var title = onTitle ? target : target.closest('.menu-holder').querySelector('.menu-title');
    var titles = menuTitles(win);
    var isOpen = title.getAttribute('aria-expanded') === 'true';
    switch (event.key) {
      case 'ArrowRight':
      case 'ArrowLeft':
        openMenu(step(titles, title, event.key === 'ArrowRight' ? 1 : -1), onTitle && !isOpen ? null : 'first');
        return true;
      case 'ArrowDown':
      case 'ArrowUp':
        if (onTitle) openMenu(title, event.key === 'ArrowDown' ? 'first' : 'last');
        else step(itemsOf(title), target, event.key === 'ArrowDown' ? 1 : -1).focus();
        return true;
      case 'Home':
      case 'End':
        var list = onTitle ? titles : itemsOf(title);
        var edge = event.key === 'Home' ? list[0] : list[list.length - 1];
        if (onTitle) openMenu(edge, isOpen ? 'first' : null); else edge.focus();
        return true;
      case 'Escape':
        if (!onTitle) {
          closeMenus(win, false);
          title.focus();
        } else {
          closeMenus(win, true);
        }
        return true;
      case 'Enter':
      case ' ':
        if (onTitle) openMenu(title, 'first'); else target.click();
        return true;
      case 'Tab':
        closeMenus(win, true);
        return true;
    }
    if (event.ctrlKey || event.metaKey) return false;
    var key = keyName(event);
    if (!key) return false;
    if (isOpen) {
      var item = byAccessKey(itemsOf(title), key);
      if (item) { item.click(); return true; }
    }
    var other = byAccessKey(titles, key);
    if (other) { openMenu(other, 'first'); return true; }
    return true;  // a menu swallows the letters it has no use for
  }

  function windowKey(win, event) {
    if (event.key === 'Tab' && !event.ctrlKey && !event.altKey && !event.metaKey) {
      var list = tabs(win);
      if (!list.length) return true;
      var i = list.indexOf(document.activeElement);
      var next = i < 0 ? (event.shiftKey ? list.length - 1 : 0)
                       : (i + (event.shiftKey ? -1 : 1) + list.length) % list.length;
      list[next].focus();
      return true;
    }
    var key = keyName(event);
    if (event.altKey && !event.ctrlKey && !event.metaKey && key) {
      // A button's access key wins over a menu title's, as on the desktop.
      var button = byAccessKey(win.querySelectorAll('.client > button'), key);
      if (button) { button.click(); return true; }
      var title = byAccessKey(menuTitles(win), key);
      if (title) { openMenu(title, 'first'); return true; }
      return false;
    }
    var shortcut = '';
    if (event.ctrlKey && !event.altKey && !event.metaKey && key) shortcut = 'ctrl+' + key;
    else if (!event.ctrlKey && !event.altKey && !event.metaKey && /^F\d+$/.test(event.key)) shortcut = event.key.toLowerCase();
    if (!shortcut) return false;
    // Before a text box can take Ctrl+A or Ctrl+N for itself.
    var item = win.querySelector('.menu-item[data-shortcut="' + shortcut + '"]');
    if (!item) return false;
    item.click();
    return true;
  }

  document.addEventListener('keydown', function (event) {
    if (openBoxes > 0 || event.isComposing) return;
    var active = document.activeElement;
    var win = (active && active.closest && active.closest('main > .window')) || topWindow();
    if (!win || win.hidden) return;
    var handled = active && active.closest && active.closest('.menubar') && win.contains(active)
      ? menuKey(win, event) : windowKey(win, event);
    if (handled) {
      event.preventDefault();
      event.stopPropagation();
    }
  }, true);

  document.addEventListener('pointerdown', function (event) {
    windows().forEach(function (win) {
      if (openTitle(win) && !event.target.closest('.menubar')) closeMenus(win, false);
    });
  }, true);

  window.addEventListener('resize', function () { windows().forEach(fit); });

  function drag(win, bar) {
    bar.addEventListener('pointerdown', function (event) {
      if (event.button !== 0 || event.target.closest('button') || win.classList.contains('maximised')) return;
      event.preventDefault();
      bar.setPointerCapture(event.pointerId);
      var startX = event.clientX, startY = event.clientY;
      var left = parseFloat(win.style.left) || 0, top = parseFloat(win.style.top) || 0;
      function move(e) { clamp(win, left + e.clientX - startX, top + e.clientY - startY); }
      function end() {
        bar.removeEventListener('pointermove', move);
        bar.removeEventListener('pointerup', end);
        bar.removeEventListener('pointercancel', end);
      }
      bar.addEventListener('pointermove', move);
      bar.addEventListener('pointerup', end);
      bar.addEventListener('pointercancel', end);
    });
  }

  function maximise(win) {
    var on = !win.classList.contains('maximised');
    win.classList.toggle('maximised', on);
    var button = win.querySelector('.maximise');
    button.setAttribute('aria-label', on ? 'Restore' : 'Maximise');
    if (on) {
      win._restore = { left: win.style.left, top: win.style.top, width: win.style.width, height: win.style.height };
      win.style.transform = '';
      win.style.left = window.scrollX + 'px';
      win.style.top = window.scrollY + 'px';
      win.style.width = viewport().width + 'px';
      win.style.height = viewport().height + 'px';
    } else {
      var r = win._restore;
      win.style.left = r.left; win.style.top = r.top; win.style.width = r.width; win.style.height = r.height;
      fit(win);
    }
  }

  return {
    // A window's elements out of its markup (ui/web/markup.h), made in one call.
    build: function (json) { return make(JSON.parse(json)); },
    fill: function (node, json) { node.replaceChildren.apply(node, JSON.parse(json).map(make)); },
    // Puts win in the page, in place of the window of the same name that the build wrote in, if
    // there is one, with what the user typed there and where the focus was. Says whether there was.
    takeOver: function (win, desktop) {
      var old = document.getElementById(win.id);
      if (!old || !old.hasAttribute('data-written')) {
        desktop.appendChild(win);
        return false;
      }
      function twinOf(node) {
        return win.querySelector('.client > [data-name="' + node.getAttribute('data-name') + '"]');
      }
      Array.prototype.forEach.call(old.querySelectorAll('.client > input'), function (input) {
        twinOf(input).value = input.value;
      });
      var active = document.activeElement;
      var twin = active && old.contains(active) && active.hasAttribute('data-name') && twinOf(active);
      if (twin) win._handOver = { node: twin, start: active.selectionStart, end: active.selectionEnd };
      win.style.cssText += old.style.cssText;
      win._scale = old._scale;
      win._written = true;
      old.replaceWith(win);
      return true;
    },
    listen: function (node, type, id) {
      node.addEventListener(type, function (event) { Module['dispatch'](id, event); });
    },
    setupWindow: function (win, focusable) {
      win._tabs = focusable;
      win.addEventListener('pointerdown', function () { raise(win); }, true);
      win.addEventListener('focusin', function (event) {
        raise(win);
        if (!event.target.closest('.menubar')) win._lastFocus = event.target;
      });
      // Before the program hears of the click: a chosen item closes its menu first.
      win.addEventListener('click', function (event) {
        if (event.target.closest('.menu-item')) closeMenus(win, true);
      }, true);
      var bar = win.querySelector('.titlebar');
      drag(win, bar);
      var max = win.querySelector('.maximise');
      if (max) {
        max.addEventListener('click', function () { maximise(win); });
        bar.addEventListener('dblclick', function (event) { if (!event.target.closest('button')) maximise(win); });
      }
      menuTitles(win).forEach(function (title) {
        title.addEventListener('click', function () {
          if (title.getAttribute('aria-expanded') === 'true') closeMenus(win, true);
          else openMenu(title, null);
        });
        title.addEventListener('pointerenter', function () {
          var open = openTitle(win);
          if (open && open !== title) openMenu(title, null);
        });
      });
    },
    showWindow: function (win, first) {
      var wasHidden = win.hidden;
      win.hidden = false;
      if (first && !win._written) {
        fit(win);
        place(win);
      } else if (wasHidden) {
        fit(win);
      }
      raise(win);
      var handOver = win._handOver;
      win._handOver = null;
      if (handOver) {
        handOver.node.focus();
        if (handOver.start != null) handOver.node.setSelectionRange(handOver.start, handOver.end);
      } else if (wasHidden || first) {
        focusWindow(win);
      }
      resolveReady(true);
    },
    hideWindow: function (win) {
      var hadFocus = win.contains(document.activeElement);
      closeMenus(win, false);
      win._menuReturn = null;
      win.hidden = true;
      if (hadFocus && topWindow()) focusWindow(topWindow());
    },
    removeWindow: function (win) {
      var hadFocus = win.contains(document.activeElement);
      win.remove();
      if (hadFocus && topWindow()) focusWindow(topWindow());
    },
    showBox: function (box, ok) {
      var back = document.activeElement;
      document.querySelector('main').appendChild(box);
      openBoxes++;
      ok.addEventListener('click', function () { box.close(); });
      box.addEventListener('close', function () {
        box.remove();
        openBoxes--;
        if (back && back !== document.body && shown(back)) back.focus();
        else if (topWindow()) focusWindow(topWindow());
        if (openBoxes === 0 && pendingEnd) {
          var end = pendingEnd;
          pendingEnd = null;
          showEnded(end);
        }
      });
      box.showModal();
      ok.focus();
    },
    showEnded: function (section) {
      if (openBoxes > 0) pendingEnd = section;
      else showEnded(section);
    },
  };

  // A text node is a string, an element [tag, {attributes}, children...]; a style comes in
  // through the element's style object, which the page's policy allows where an attribute is not.
  function make(node) {
    if (typeof node === 'string') return document.createTextNode(node);
    var element = document.createElement(node[0]);
    var attributes = node[1];
    for (var name in attributes) {
      if (name === 'style') element.style.cssText = attributes[name];
      else element.setAttribute(name, attributes[name]);
    }
    for (var i = 2; i < node.length; i++) element.appendChild(make(node[i]));
    return element;
  }

  function showEnded(section) {
    section.hidden = false;
    var again = section.querySelector('button');
    if (again) again.focus();
  }
})();

// The program's start in steps, each in a task of its own: between two steps the browser paints
// and hands the page whatever was tapped or typed, so nothing waits behind the whole start. Each
// step is also a performance measure ("yarno: ..."), which bench/web prints.
const nextTask = (value) => new Promise((resolve) => setTimeout(() => resolve(value), 0));
const startStep = (name, work) => {
  const start = performance.now();
  try {
    return work();
  } finally {
    performance.measure(`yarno: ${name}`, { start });
  }
};

// The program's main in a task of its own, after the runtime's start.
Module['noInitialRun'] = true;
Module['onRuntimeInitialized'] = () => nextTask().then(() => startStep('running the program', () => Module['callMain']([])));

// The module is inside this script, gzipped (make_page.py), as a data: URI. Left to itself, this
// emscripten would try to fetch that URI, which the page's policy (no connections at all)
// refuses; this decodes and unpacks the bytes it already holds, compiles them away from the main
// thread, and instantiates them, each step in a task of its own.
Module['instantiateWasm'] = (imports, receive) => {
  nextTask()
    .then(() => startStep('decoding the module', () => {
      const packed = yarnoWindows.decode(wasmBinaryFile.slice(dataURIPrefix.length));
      return new Response(new Blob([packed]).stream().pipeThrough(new DecompressionStream('gzip'))).arrayBuffer();
    }))
    .then((bytes) => WebAssembly.compile(bytes))
    .then(nextTask)
    .then((module) => startStep('instantiating the module', () => WebAssembly.instantiate(module, imports)
      .then((instance) => ({ instance, module }))))
    .then(nextTask)
    .then(({ instance, module }) => startStep('starting the runtime', () => receive(instance, module)))
    .catch((reason) => abort(reason));
  return {};  // the exports come later, through receive
};
