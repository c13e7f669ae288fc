// The flows that run in both browsers. Each is a name and a function of a driver on a fresh page.
const assert = require('node:assert/strict');
const y = require('./yarno');
const { SPORT, LOTTERY, ctl, menuItem } = y;

const blank = ['', '', '', '', '', ''];

// Steps a person takes, written short so the navigation rows below read as a table.
async function step(d, s) {
    const [op, form, a, b] = s.split(' ');
    if (op === 'tell') return y.tell(d, form);
    if (op === 'menu') return y.menu(d, form, a, b);
    if (op === 'click') return d.click(ctl(form, a));
    if (op === 'close') return d.click(`#${form} .titlebar button.close`);
    if (op === 'again') return d.click('#ended button');
    throw new Error(`unknown step ${s}`);
}

// Told: the example answers are still typed and the story shows; blank: empty boxes, no story.
async function expectState(d, expect, after) {
    const seen = await y.look(d);
    assert.deepEqual(seen.visible, expect.visible.slice().sort(), `windows on screen after ${after}`);
    assert.equal(seen.ended, !!expect.ended, `end screen after ${after}`);
    for (const [form, state] of Object.entries(expect)) {
        if (!y.STORIES[form]) continue;
        const story = y.STORIES[form];
        const want = state === 'told' ? { values: story.answers, rows: story.rows } : { values: blank, rows: [] };
        assert.deepEqual(seen.forms[form], want, `${form} ${state} after ${after}`);
    }
}

const navigation = [
    // what a person checks     steps                                                          then on screen
    ['hiding keeps the story', ['tell Form1', 'menu Form1 Story lottery'], { visible: ['Form3'], Form3: 'blank' },
        ['menu Form3 story sport'], { visible: ['Form1'], Form1: 'told' }],
    ['About sits beside either story', ['tell Form1', 'menu Form1 Menu mAbout'], { visible: ['Form1', 'Form2'], Form1: 'told' },
        ['click Form2 Command2', 'menu Form3 menu about', 'click Form2 Command1'], { visible: ['Form1'], Form1: 'told' }],
    ['Back to Lottery keeps the Lottery story', ['menu Form1 Story lottery', 'tell Form3', 'menu Form3 menu about', 'click Form2 Command1'],
        { visible: ['Form1'], Form1: 'blank' }, ['menu Form1 Menu mAbout', 'click Form2 Command2'], { visible: ['Form3'], Form3: 'told' }],
    ['closing About keeps the story', ['tell Form1', 'menu Form1 Menu mAbout', 'close Form2'], { visible: ['Form1'], Form1: 'told' },
        ['menu Form1 Menu mAbout'], { visible: ['Form1', 'Form2'], Form1: 'told' }],
    ['Exit of the last window ends the run', ['tell Form1', 'click Form1 Command2'], { visible: [], ended: true },
        ['again'], { visible: ['Form1'], Form1: 'blank' }],
    ['nothing on screen ends the run though Sport is hidden', ['tell Form1', 'menu Form1 Story lottery', 'click Form3 Command2'],
        { visible: [], ended: true }, ['again'], { visible: ['Form1'], Form1: 'blank' }],
    ['closing About last ends the run', ['menu Form1 Menu mAbout', 'close Form1', 'close Form2'], { visible: [], ended: true },
        ['again', 'menu Form1 Story lottery'], { visible: ['Form3'], Form3: 'blank' }],
];

// Every way out of a story window unloads it: the next Back comes to a blank window.
for (const [how, steps] of [['Exit', 'click %s Command2'], ['the close box', 'close %s'], ['Menu Exit', 'menu %s %s']]) {
    navigation.push([`${how} unloads Sport`, ['tell Form1', 'menu Form1 Menu mAbout', steps.replace('%s', 'Form1').replace('%s', 'Menu mExit')],
        { visible: ['Form2'] }, ['click Form2 Command1'], { visible: ['Form1'], Form1: 'blank' }]);
    navigation.push([`${how} unloads Lottery`, ['menu Form1 Story lottery', 'tell Form3', 'menu Form3 menu about', steps.replace('%s', 'Form3').replace('%s', 'menu exit')],
        { visible: ['Form2'] }, ['click Form2 Command2'], { visible: ['Form3'], Form3: 'blank' }]);
}

const hostile = ['<img src=x onerror=alert(1)>', '<b>x</b>', '&amp;', 'Tom & Jerry', 'R&&D', 'say "hi" \\ \\u0041', 'x'.repeat(10000)];

const flows = [
    ...[SPORT, LOTTERY].map((story) => [`${story.form} story told with the example answers, read row by row`, async (d) => {
        if (story === LOTTERY) await y.menu(d, 'Form1', 'Story', 'lottery');
        await y.tell(d, story.form);
        const seen = await y.look(d);
        assert.deepEqual(seen.forms[story.form].rows, story.rows);
        assert.deepEqual(await y.spoken(d), [story.spoken], 'the story spoken once, in reading order');
    }]),

    ...navigation.map(([name, first, expect1, then, expect2]) => [`navigation: ${name}`, async (d) => {
        for (const s of first) await step(d, s);
        await expectState(d, expect1, first.join(', '));
        for (const s of then) await step(d, s);
        await expectState(d, expect2, then.join(', '));
    }]),

    ["Don't copy! is modal and gives the focus back", async (d) => {
        await y.menu(d, 'Form1', 'Menu', 'mAbout');
        const submit = await d.eval((sel) => { const r = document.querySelector(sel).getBoundingClientRect(); return [r.x + r.width / 2, r.y + r.height / 2]; }, ctl('Form1', 'Command1'));
        for (let round = 0; round < 2; round++) {
            await d.click(ctl('Form2', 'Label3'));
            const box = await d.eval(() => {
                const b = document.querySelector('dialog.box');
                return b && { open: b.open, modal: b.matches(':modal'), title: b.querySelector('.box-title')?.textContent,
                    prompt: b.querySelector('.box-prompt')?.textContent, buttons: [...b.querySelectorAll('button')].map((x) => x.textContent.trim()),
                    focusInside: b.contains(document.activeElement) };
            });
            assert.deepEqual(box, { open: true, modal: true, title: 'Yarno v1.2', prompt: "Don't copy!", buttons: ['OK'], focusInside: true });
            if (round === 0) {
                await d.mouseAt(...submit);
                assert.deepEqual((await y.look(d)).forms.Form1.rows, [], 'the window behind took a click while the box was up');
                await d.click('dialog.box button');
            } else {
                await d.press('Enter');
            }
            // The box may hand the focus back a moment after it closes, as long as a person sees no gap.
            assert.deepEqual(await d.eval(async () => {
                const state = () => [!!document.querySelector('dialog.box')?.open, !!document.activeElement?.closest('#Form2')];
                for (let i = 0; i < 20 && state().join() !== 'false,true'; i++) await new Promise((r) => setTimeout(r, 25));
                return state();
            }), [false, true], 'the box closed and the About window has the focus');
        }
        assert.deepEqual((await y.look(d)).visible, ['Form1', 'Form2']);
    }],

    ['hostile answers show as typed and run nothing', async (d) => {
        const rects = () => d.eval((names) => names.map((n) => JSON.stringify(document.querySelector(`#Form1 .client [data-name="${n}"]`).getBoundingClientRect())), SPORT.storyLabels);
        const markup = () => d.eval(() => document.querySelectorAll('img, b, script, iframe').length);
        await y.tell(d, 'Form1');
        const plain = await rects();
        const before = await markup();
        for (const answer of hostile) {
            await d.click(ctl('Form1', 'Text1'));
            await d.press('End');
            await d.press('Shift+Home');
            if (answer.length > 100) await d.insert(answer); else await d.type(answer);
            await d.click(ctl('Form1', 'Command1'));
            const slots = await d.eval((names) => names.map((n) => document.querySelector(`#Form1 .client [data-name="${n}"]`).textContent), SPORT.nameSlots);
            assert.deepEqual(slots, SPORT.nameSlots.map(() => y.drawn(answer)), `slots for ${answer.slice(0, 40)}`);
            assert.equal(await markup(), before, `markup made from ${answer}`);
            assert.deepEqual(await rects(), plain, `labels moved or grew for ${answer.slice(0, 40)}`);
        }
        await new Promise((r) => setTimeout(r, 200));
        assert.deepEqual(d.dialogs, [], 'an alert or other browser dialog fired');
        assert.equal(await d.eval(() => !!document.querySelector('dialog.box')?.open), false);
    }],

    ['accessibility: axe finds nothing in any state', async (d) => {
        const found = {};
        const check = async (state) => { const v = await y.axe(d); if (v.length) found[state] = v; };
        await check('Sport blank');
        await y.tell(d, 'Form1');
        await check('Sport told');
        await y.menu(d, 'Form1', 'Story', 'lottery');
        await y.tell(d, 'Form3');
        await check('Lottery told');
        await y.menu(d, 'Form3', 'menu', 'about');
        await check('About');
        await d.click(ctl('Form2', 'Label3'));
        await check('the box open');
        assert.deepEqual(found, {});
    }],

    ['accessibility: each answer box is named by its question', async (d) => {
        await y.menu(d, 'Form1', 'Story', 'lottery');
        await y.menu(d, 'Form3', 'story', 'sport');
        const names = await d.eval(() => Object.fromEntries(['Form1', 'Form3'].map((f) => [f, [1, 2, 3, 4, 5, 6].map((i) => {
            const box = document.querySelector(`#${f} .client input[data-name="Text${i}"]`);
            const by = box.getAttribute('aria-labelledby');
            const name = box.getAttribute('aria-label') ?? (by ? by.split(/\s+/).map((id) => document.getElementById(id)?.textContent).join(' ')
                : [...box.labels].map((l) => l.textContent).join(' '));
            return [box.type, name.replace(/\s+/g, ' ').trim()];
        })])));
        assert.deepEqual(names, { Form1: SPORT.questions.map((q) => ['text', q]), Form3: LOTTERY.questions.map((q) => ['text', q]) });
    }],

    ...keyRows().map(([name, fn]) => [`keys: ${name}`, fn]),
];

function keyRows() {
    const tabs = async (d, n) => { const seen = [await y.focused(d)]; for (let i = 0; i < n; i++) { await d.press('Tab'); seen.push(await y.focused(d)); } return seen; };
    const told = async (d, form) => (await y.look(d)).forms[form]?.rows.length > 0;
    const visible = async (d) => (await y.look(d)).visible;
    return [
        ['Sport starts in Text1 and tabs through the boxes, Submit, Exit', async (d) => {
            assert.deepEqual(await tabs(d, 8), ['Text1', 'Text2', 'Text3', 'Text4', 'Text5', 'Text6', 'Command1', 'Command2', 'Text1'].map((n) => `Form1:${n}`));
        }],
        ['Lottery starts on Exit and tabs backwards', async (d) => {
            await d.press('F2');
            assert.deepEqual(await tabs(d, 8), ['Command2', 'Command1', 'Text6', 'Text5', 'Text4', 'Text3', 'Text2', 'Text1', 'Command2'].map((n) => `Form3:${n}`));
        }],
        ['Alt+S submits; Enter and Space press the focused button; Ctrl+N clears', async (d) => {
            await y.fill(d, 'Form1', SPORT.answers);
            await d.press('Alt+s');
            assert.ok(await told(d, 'Form1'), 'Alt+S');
            await d.press('Control+n');
            assert.deepEqual((await y.look(d)).forms.Form1, { values: blank, rows: [] }, 'Ctrl+N');
            for (const key of ['Enter', 'Space']) {
                await d.click(ctl('Form1', 'Text6'));
                await d.press('Tab');
                assert.equal(await y.focused(d), 'Form1:Command1');
                await d.press(key);
                assert.ok(await told(d, 'Form1'), key);
                await d.press('Control+n');
            }
        }],
        ['F2 and F1 switch stories; Ctrl+A opens About from inside a box', async (d) => {
            await y.fill(d, 'Form1', ['Sam']);
            await d.press('F2');
            assert.deepEqual(await visible(d), ['Form3']);
            await d.press('F1');
            assert.deepEqual(await visible(d), ['Form1']);
            await d.click(ctl('Form1', 'Text1'));
            await d.press('Control+a');
            assert.deepEqual(await visible(d), ['Form1', 'Form2']);
            assert.equal((await y.look(d)).forms.Form1.values[0], 'Sam');
        }],
        ['Alt+M opens the menu, arrows move, Esc closes', async (d) => {
            const menuShown = () => d.eval(() => [...document.querySelectorAll('#Form1 [role=menu]')].some((m) => m.checkVisibility()));
            await d.press('Alt+m');
            assert.ok(await menuShown(), 'Alt+M opened no menu');
            const first = await y.focused(d);
            await d.press('ArrowDown');
            const second = await y.focused(d);
            assert.notEqual(first, second, 'ArrowDown left the focus where it was');
            assert.match(second, /^Form1:(mNew|mAbout|mExit|Sport|lottery)$/);
            await d.press('Escape');
            assert.ok(!(await menuShown()), 'Esc left the menu open');
        }],
        ['About: Alt+S back to Sport, Alt+L back to Lottery', async (d) => {
            await d.press('Control+a');
            assert.equal(await y.focused(d), 'Form2:Command1', 'About starts on Back to Sport');
            await d.press('Alt+l');
            assert.deepEqual(await visible(d), ['Form3']);
            await d.click(ctl('Form3', 'Text1'));
            await d.press('Control+a');
            await d.press('Alt+s');
            assert.deepEqual(await visible(d), ['Form1']);
        }],
    ];
}

// The probe page's button asks for a control its window lacks: the box says so in the desktop's
// words, and only once it is dismissed does the end screen come, with Play again under the keys.
const runTimeError = ['a run-time error: the box, then the end screen, then Play again', async (d) => {
    await y.open(d, y.PROBE);
    const screen = () => d.eval(async () => {
        for (let i = 0; i < 40 && document.querySelector('dialog.box:not([open])'); i++) await new Promise((r) => setTimeout(r, 25));
        const box = document.querySelector('dialog.box');
        const ended = document.querySelector('#ended');
        return { box: box && [box.matches(':modal'), box.querySelector('.box-title').innerText, box.querySelector('.box-prompt').innerText],
            ended: ended.checkVisibility() && ended.innerText.replace(/\s+/g, ' ').trim(),
            focus: document.activeElement.dataset.name ?? document.activeElement.textContent };
    });
    await d.click(ctl('Form9', 'Command1'));
    assert.deepEqual(await screen(), { box: [true, 'Yarno v1.2', 'Run-time error:\n\nCaption of Form9.Label99 failed: the window has no such control'],
        ended: false, focus: 'OK' });
    await d.click('dialog.box button');
    assert.deepEqual(await screen(), { box: null, ended: 'Yarno has ended. It ended after an error. Play again', focus: 'Play again' });
    await d.press('Enter');
    assert.deepEqual(await screen(), { box: null, ended: false, focus: 'Command1' });
    assert.deepEqual((await y.look(d)).visible, ['Form9']);
}];

// Which shortcut keys reach the page at all, and whether the page keeps the browser from acting
// on them too. Synthesised keys skip the browser's own shortcuts, so this shows what the page does
// with a key once it has it, not what a real keyboard lets through.
async function measureKeys(d) {
    const rows = [];
    for (const combo of ['Control+n', 'Control+a', 'F1', 'F2', 'Alt+s', 'Alt+e', 'Alt+m']) {
        await y.open(d);
        await d.eval(() => {
            window.__keys = [];
            window.addEventListener('keydown', (e) => { if (!['Control', 'Alt'].includes(e.key)) window.__keys.push(e); }, true);
        });
        await d.press(combo);
        rows.push({ combo, ...(await d.eval(() => ({ received: window.__keys.length > 0, prevented: window.__keys.some((e) => e.defaultPrevented) }))) });
    }
    return rows;
}

module.exports = { flows, runTimeError, measureKeys };
