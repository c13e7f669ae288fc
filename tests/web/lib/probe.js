// Runs inside the page: finds what a person names (a window, the box of question N, a caption, a
// menu item, the close box), and reports what a person sees and hears. Lookups go by role,
// caption and label, never by where things are drawn, so they hold however a window is laid out.
// Installed once the page is ready; from then on it notes every window that comes or goes and
// every text handed to the screen reader.
function installProbe(names) {
    const shown = (el) => !!el && el.isConnected && el.checkVisibility({ visibilityProperty: true, opacityProperty: true });
    const windowName = (win) => names[win.id] ?? win.id;
    const windows = () => [...document.querySelectorAll('main > .window')];
    const win = (name) => windows().find((w) => windowName(w) === name) ?? fail(`no window ${name} on the page`);
    // A control's name as a screen reader reads it: what it shows, without what is hidden from
    // readers, each part laid out as a box of its own (a flex item, say) parted from the rest by a
    // space, as browsers name it. A caption split into two such boxes reads "M enu", and is not found.
    const text = (el) => el.getAttribute('aria-label') ?? [...el.childNodes].map((n) => {
        if (n.nodeType === Node.TEXT_NODE) return n.data;
        if (n.nodeType !== Node.ELEMENT_NODE || n.getAttribute('aria-hidden') === 'true') return '';
        return getComputedStyle(n).display === 'inline' ? text(n) : ` ${text(n)} `;
    }).join('');
    const nameOf = (el) => text(el).replace(/\s+/g, ' ').trim();
    const controls = (w) => [...w.querySelector('.client').children];
    const box = (w, n) => controls(w).find((c) => c.matches('input') && c.dataset.name === `Text${n}`);
    function fail(message) { throw new Error(message); }

    function openBox() {
        const box = [...document.querySelectorAll('dialog')].find((d) => d.open);
        if (!box) return null;
        const by = (attr) => document.getElementById(box.getAttribute(attr))?.textContent ?? '';
        return { el: box, title: by('aria-labelledby'), prompt: by('aria-describedby') };
    }

    function target(window, what) {
        if (what.ok) return [...(openBox() ?? fail('no message box is up')).el.querySelectorAll('button')].find((b) => nameOf(b) === 'OK');
        if (what.again) return document.querySelector('#ended button');
        const w = win(window);
        if (!shown(w)) fail(`${window} is not on screen`);
        if (what.box) return box(w, what.box) ?? fail(`${window} has no box ${what.box}`);
        if (what.close) return w.querySelector('.titlebar button[aria-label="Close"]') ?? fail(`${window} has no close box`);
        const titles = [...w.querySelectorAll('[role=menubar] [role=menuitem][aria-haspopup]')];
        if (what.menu) return titles.find((t) => nameOf(t) === what.menu) ?? fail(`${window} has no menu ${what.menu}`);
        if (what.item) {
            const title = titles.find((t) => nameOf(t) === what.item[0]) ?? fail(`${window} has no menu ${what.item[0]}`);
            const menu = document.getElementById(title.getAttribute('aria-controls')) ?? title.nextElementSibling;
            return [...menu.querySelectorAll('[role=menuitem]')].find((i) => nameOf(i) === what.item[1])
                ?? fail(`${window} has no menu item ${what.item.join(' > ')}`);
        }
        // Where the window flows, a line of labels shows in their place.
        const found = controls(w).filter((c) => shown(c) && !c.matches('input') && nameOf(c) === what.caption);
        if (found.length !== 1) fail(`${window} shows ${found.length ? 'more than one' : 'no'} "${what.caption}"`);
        return found[0];
    }

    // A point where a click lands on el and nothing covers it, or null.
    function pointOn(el, accept = (hit) => hit === el || el.contains(hit)) {
        el.scrollIntoView({ block: 'nearest', inline: 'nearest' });
        const r = el.getBoundingClientRect();
        for (const fy of [0.5, 0.3, 0.7]) {
            for (const fx of [0.5, 0.25, 0.75, 0.1, 0.9]) {
                const x = r.left + r.width * fx;
                const y = r.top + r.height * fy;
                const hit = document.elementFromPoint(x, y);
                if (hit && accept(hit)) return { x, y };
            }
        }
        return null;
    }

    // Which windows came and went, in order: a window's showing is its `hidden` attribute, and its
    // being in the page at all.
    const changes = [];
    const spoken = [];
    const onScreen = new Map(windows().map((w) => [w, !w.hidden]));
    const note = (w, now) => {
        if ((onScreen.get(w) ?? false) === now) return;
        onScreen.set(w, now);
        changes.push(`${now ? 'show' : 'hide'} ${windowName(w)}`);
    };
    const isWindow = (n, parent) => n.nodeType === Node.ELEMENT_NODE && n.matches('.window') && !!parent?.matches('main');
    const observer = new MutationObserver((records) => take(records));
    function take(records) {
        records.forEach((r, i) => {
            const hiddenAfter = (el) => {
                const next = records.slice(i + 1).find((x) => x.type === 'attributes' && x.target === el);
                return next ? next.oldValue !== null : el.hidden;
            };
            if (r.type === 'attributes' && isWindow(r.target, r.target.parentNode)) note(r.target, !hiddenAfter(r.target));
            if (r.type !== 'childList') return;
            if (r.target.matches('.live')) spoken.push(...[...r.addedNodes].map((n) => n.textContent).filter(Boolean));
            r.removedNodes.forEach((n) => isWindow(n, r.target) && note(n, false));
            r.addedNodes.forEach((n) => isWindow(n, r.target) && note(n, !hiddenAfter(n)));
        });
    }
    observer.observe(document.querySelector('main'), { subtree: true, childList: true, attributes: true, attributeFilter: ['hidden'], attributeOldValue: true });
    const settled = () => take(observer.takeRecords());

    window.yarnoProbe = {
        // Where to click what a person names; or, if something covers it, where to click its window's title bar first.
        point(window, what) {
            const el = target(window, what);
            if (!el) fail(`nothing to click for ${JSON.stringify(what)}`);
            // Behind an open box a person still clicks where they see it; the box keeps the click away.
            if (openBox() && !openBox().el.contains(el)) {
                const r = el.getBoundingClientRect();
                return { at: { x: r.left + r.width / 2, y: r.top + r.height / 2 } };
            }
            const at = pointOn(el);
            if (at || !window || what.again || what.ok) return { at };
            const bar = win(window).querySelector('.titlebar');
            return { raise: pointOn(bar, (hit) => bar.contains(hit) && !hit.closest('button')) };
        },
        select(window, n) {
            const el = box(win(window), n);
            el.select();
            return el.value;
        },
        focus(window, what) {
            (what.box ? box(win(window), what.box) : target(window, what)).focus();
        },
        focusIn(window) {
            return win(window).contains(document.activeElement);
        },
        windows: () => windows().filter(shown).map(windowName),
        answers: (window) => [1, 2, 3, 4, 5, 6].map((n) => box(win(window), n).value),
        labels: (window) => controls(win(window)).filter((c) => c.matches('.label, .line') && shown(c)).map((c) => c.textContent),
        // The story: the labels below every box and button, in rows by their top edge, each left
        // to right; where the window flows, each row is one line of text.
        story(window) {
            const seen = controls(win(window)).filter(shown).map((c) => ({ c, r: c.getBoundingClientRect(), text: c.textContent }));
            const below = Math.max(-Infinity, ...seen.filter(({ c }) => c.matches('input, button')).map(({ r }) => r.bottom));
            const story = seen.filter(({ c, r }) => c.matches('.label, .line') && r.top >= below - 0.5);
            if (story.some(({ c }) => c.matches('.line'))) return { flow: true, rows: story.filter(({ c }) => c.matches('.line')).map(({ text }) => [text]) };
            const rows = [];
            for (const piece of story.sort((a, b) => a.r.top - b.r.top)) {
                if (!rows.length || piece.r.top - rows.at(-1).top > 0.5) rows.push({ top: piece.r.top, pieces: [] });
                rows.at(-1).pieces.push(piece);
            }
            return { flow: false, rows: rows.map((row) => row.pieces.sort((a, b) => a.r.left - b.r.left).map((c) => c.text)) };
        },
        focused(window) {
            const a = document.activeElement;
            if (!a || !win(window).contains(a)) return '';
            return a.matches('input') ? a.dataset.name.replace('Text', '') : nameOf(a);
        },
        box() {
            const b = openBox();
            return b && { title: b.title, prompt: b.prompt };
        },
        // The end screen says so, and says when the run ended after an error (status 1).
        ended() {
            const screen = document.getElementById('ended');
            if (!shown(screen)) return null;
            return /error/i.test(screen.innerText) ? 1 : 0;
        },
        spoken: () => { settled(); return spoken; },
        changes: () => { settled(); return changes; },
    };
}

module.exports = { installProbe };
