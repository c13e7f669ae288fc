// The page on a phone, in Chromium with touch: the windows flow in one column (ui/flow.h), with
// text of 16 CSS px or more, targets of 44 x 44 or more and no sideways scrolling; it stays the
// same program when the phone turns or the player asks for the classic view.
const { test, expect } = require('@playwright/test');
const y = require('./lib/yarno');
const fs = require('node:fs');

test.skip(!fs.existsSync(y.PAGE), `no page at ${y.PAGE}: build it with scripts/web.sh`);


async function phone(browser, width, height, deviceScaleFactor) {
    const context = await browser.newContext({ viewport: { width, height }, deviceScaleFactor, hasTouch: true, isMobile: true });
    await context.addInitScript(() => {
        window.layoutShift = 0;
        new PerformanceObserver((list) => list.getEntries().forEach((e) => { window.layoutShift += e.value; }))
            .observe({ type: 'layout-shift', buffered: true });
    });
    const d = y.playwrightDriver(await context.newPage());
    await y.open(d);
    return d;
}

async function tellByTouch(d, form) {
    const story = y.STORIES[form];
    for (let i = 1; i <= 6; i++) {
        await d.tap(y.ctl(form, `Text${i}`));
        await d.insert(story.answers[i - 1]);
    }
    await d.tap(y.ctl(form, 'Command1'));
}

// The smallest text as drawn and the smallest target on screen now, and how far the page
// reaches past the viewport's right edge.
const measure = (d) => d.eval(() => {
    const shown = (el) => el.checkVisibility({ visibilityProperty: true });
    let text = { size: Infinity };
    const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
    for (let node = walker.nextNode(); node; node = walker.nextNode()) {
        const el = node.parentElement;
        if (!node.textContent.trim() || !shown(el) || el.closest('.live, noscript')) continue;
        const win = el.closest('.window');
        const scale = win ? win.getBoundingClientRect().width / win.offsetWidth : 1;
        const size = parseFloat(getComputedStyle(el).fontSize) * scale;
        if (size < text.size) text = { size, what: node.textContent.trim().slice(0, 30) };
    }
    let target = { size: Infinity };
    for (const el of document.querySelectorAll('button, input, [role=menuitem], .tap')) {
        if (!shown(el)) continue;
        const r = el.getBoundingClientRect();
        if (Math.min(r.width, r.height) < target.size)
            target = { size: Math.min(r.width, r.height), what: el.dataset.name || el.className || el.id };
    }
    return { text, target, overflow: document.documentElement.scrollWidth - document.documentElement.clientWidth };
});

test('every window in flow from the first paint: text, targets and no sideways scrolling, told by touch; pinch-zoom allowed', async ({ browser }) => {
    for (const [width, height, scale] of [[320, 640, 2], [390, 844, 3], [740, 360, 3]]) {
        const d = await phone(browser, width, height, scale);
        const seen = [];
        const check = async (state) => {
            const m = await measure(d);
            seen.push(`${state}: text ${m.text.size.toFixed(2)} px (${m.text.what}), target ${m.target.size.toFixed(1)} px (${m.target.what})`);
            expect(m.text.size, `${width}x${height}, ${state}: ${m.text.what}`).toBeGreaterThanOrEqual(16);
            expect(m.target.size, `${width}x${height}, ${state}: ${m.target.what}`).toBeGreaterThanOrEqual(44);
            expect(m.overflow, `${width}x${height}, ${state}: sideways scrolling`).toBe(0);
        };
        // In flow from the first paint: nothing moves when the program takes the window over.
        expect(await d.eval(() => window.layoutShift), `${width}x${height}: layout shift`).toBe(0);
        const viewport = await d.eval(() => document.querySelector('meta[name=viewport]').content);
        expect(viewport).not.toMatch(/user-scalable\s*=\s*(no|0)|maximum-scale/i);
        await tellByTouch(d, 'Form1');
        expect(await y.flowLines(d, 'Form1')).toEqual(y.storyLines(y.SPORT));
        // The story comes into view; the focus stays on Submit.
        expect(await d.eval(() => document.querySelector('#Form1 .line:not([hidden]) ~ .line').getBoundingClientRect().bottom <= innerHeight)).toBe(true);
        expect(await y.focused(d)).toBe('Form1:Command1');
        await check('Sport told');
        await d.tap(y.menuItem('Form1', 'Menu'));
        await check('Sport, its menu open');
        await d.tap(y.menuItem('Form1', 'mAbout'));
        await check('About');
        // The credit keeps its own face, bold and larger than the date under it, as on the desktop.
        expect(await d.eval(() => ['Created by: Orvask', 'Date: 22/9/00'].map((text) => {
            const style = getComputedStyle([...document.querySelectorAll('#Form2 .line')].find((l) => l.textContent === text));
            return [style.fontWeight, parseFloat(style.fontSize)];
        })).then(([credit, date]) => [credit[0], date[0], +(credit[1] / date[1]).toFixed(2)])).toEqual(['700', '400', +(20 / 13).toFixed(2)]);
        await d.tap(y.ctl('Form2', 'Command2'));
        await tellByTouch(d, 'Form3');
        expect(await y.flowLines(d, 'Form3')).toEqual(y.storyLines(y.LOTTERY));
        await d.tap(y.menuItem('Form3', 'story'));
        await check('Lottery told, its menu open');
        console.log(`phone ${width}x${height}: ${seen.join('; ')}`);
        await d.page.context().close();
    }
});

test('axe finds nothing in the flow, a story told and About open', async ({ browser }) => {
    const d = await phone(browser, 390, 844, 3);
    await tellByTouch(d, 'Form1');
    expect(await y.axe(d)).toEqual([]);
    await d.tap(y.menuItem('Form1', 'Menu'));
    await d.tap(y.menuItem('Form1', 'mAbout'));
    expect(await y.axe(d)).toEqual([]);
    await d.page.context().close();
});

test('turning the phone between the flow and the classic window keeps answers, story and focus', async ({ browser }) => {
    const d = await phone(browser, 390, 844, 2);
    await tellByTouch(d, 'Form1');
    await d.tap(y.ctl('Form1', 'Text2'));
    await d.page.setViewportSize({ width: 1024, height: 768 });
    expect(await y.look(d)).toEqual({ visible: ['Form1'], ended: false, forms: { Form1: { values: y.SPORT.answers, rows: y.SPORT.rows } } });
    expect(await y.focused(d)).toBe('Form1:Text2');
    await d.page.setViewportSize({ width: 844, height: 390 });
    expect(await y.flowLines(d, 'Form1')).toEqual(y.storyLines(y.SPORT));
    expect((await y.look(d)).forms.Form1.values).toEqual(y.SPORT.answers);
    expect(await y.focused(d)).toBe('Form1:Text2');
    await d.page.context().close();
});

test('"Classic view" shows the window as on the desktop, drawn smaller, and back; nothing is kept', async ({ browser }) => {
    const d = await phone(browser, 390, 844, 3);
    const state = () => d.eval(() => {
        const toggle = document.querySelector('#view-toggle');
        const win = document.querySelector('#Form1');
        return [toggle.getAttribute('aria-pressed'), getComputedStyle(win).position, +(win.getBoundingClientRect().width / win.offsetWidth).toFixed(2)];
    });
    expect(await state()).toEqual(['false', 'static', 1]);
    await d.tap('#view-toggle');
    const [pressed, position, scale] = await state();
    expect([pressed, position]).toEqual(['true', 'absolute']);
    expect(scale).toBeCloseTo(390 / 497, 1);
    await d.tap('#view-toggle');
    expect(await state()).toEqual(['false', 'static', 1]);
    await d.tap('#view-toggle');
    await d.page.reload();
    expect(await state()).toEqual(['false', 'static', 1]);
    await d.page.context().close();
});

test('"Classic view" by keyboard: Alt+C reaches and presses it, Enter and Space press it, Tab goes on into the window', async ({ browser }) => {
    const d = await phone(browser, 390, 844, 3);
    // What a keyboard and a screen reader meet: the focus on the button, shown, and its name and state.
    const toggle = async () => {
        const [focused, shown] = await d.eval(() => {
            const t = document.querySelector('#view-toggle');
            return [document.activeElement === t, t.matches(':focus-visible')];
        });
        const pressed = await d.page.getByRole('button', { name: 'Classic view', pressed: true, exact: true }).count();
        return { focused, shown, pressed: pressed === 1 };
    };
    for (const [key, pressed] of [['Alt+KeyC', true], ['Enter', false], ['Space', true], ['Alt+KeyC', false]]) {
        await d.press(key);
        expect(await toggle(), `after ${key}`).toEqual({ focused: true, shown: true, pressed });
    }
    await d.press('Tab');
    expect(await y.focused(d)).toBe('Form1:Text1');
    await d.page.context().close();
});
