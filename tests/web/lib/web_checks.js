// What only the page has, checked in both browsers: what axe-core finds in each state, the names
// the answer boxes give a screen reader, and which shortcut keys the page keeps for itself.
const assert = require('node:assert/strict');

const SPORT = ['Sam', 'tennis', 'the Lions', 'ball', 'nose', 'clown'];

async function answer(d, window) {
    for (const [i, text] of SPORT.entries()) await d.type(window, i + 1, text);
    await d.click(window, 'Submit');
}

async function axe(p) {
    if (!(await p.eval(() => !!window.axe))) await p.injectAxe();
    return p.eval(async () => (await window.axe.run(document, { resultTypes: ['violations'] })).violations
        .map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`));
}

const webChecks = [
    ['accessibility: axe finds nothing in any state', async (p, d) => {
        const found = {};
        const check = async (state) => { const v = await axe(p); if (v.length) found[state] = v; };
        await d.start(false);
        await check('Sport blank');
        await answer(d, 'Sport');
        await check('Sport told');
        await d.choose('Sport', 'Story', 'Lottery');
        await answer(d, 'Lottery');
        await check('Lottery told');
        await d.choose('Lottery', 'Menu', 'About');
        await check('About');
        await d.click('About', 'Copyright 2000 Orvask. All rights reserved.');
        await check('the box open');
        assert.deepEqual(found, {});
    }],

    ['accessibility: each answer box is named by its question', async (p, d) => {
        await d.start(false);
        await d.choose('Sport', 'Story', 'Lottery');
        await d.choose('Lottery', 'Story', 'Sport');
        const names = await p.eval(() => Object.fromEntries(['Form1', 'Form3'].map((f) => [f, [1, 2, 3, 4, 5, 6].map((i) => {
            const box = document.querySelector(`#${f} .client input[data-name="Text${i}"]`);
            const by = box.getAttribute('aria-labelledby');
            const name = box.getAttribute('aria-label') ?? (by ? by.split(/\s+/).map((id) => document.getElementById(id)?.textContent).join(' ')
                : [...box.labels].map((l) => l.textContent).join(' '));
            return [box.type, name.replace(/\s+/g, ' ').trim()];
        })])));
        const text = (questions) => questions.map((q) => ['text', q]);
        assert.deepEqual(names, {
            Form1: text(["What's you name?", "What's your favorite sport?", 'Who is your favorite team/person in that sport?',
                'Pick an object.', 'Pick a body part.', "What do you call a person when you're annoyed?"]),
            Form3: text(["What's your name?", 'Pick a number between 1 and 100.', 'Are you a he or a she?',
                "What's your favorite car?", 'Pick something that you can buy', 'What do you say to a person who is nice to you?']),
        });
    }],

    // Synthesised keys skip the browser's own shortcuts, so this shows what the page does with a
    // key once it has it (tests/web/KEYS.md), not what a real keyboard lets through.
    ['keys the page receives and keeps for itself (for KEYS.md)', async (p, d) => {
        const rows = [];
        for (const keys of ['Ctrl+N', 'Ctrl+A', 'F1', 'F2', 'Alt+S', 'Alt+E', 'Alt+M']) {
            await d.start(false);
            await p.eval(() => {
                window.seenKeys = [];
                window.addEventListener('keydown', (e) => { if (!['Control', 'Alt'].includes(e.key)) window.seenKeys.push(e); }, true);
            });
            await p.press(keys);
            rows.push({ keys, ...(await p.eval(() => ({ received: window.seenKeys.length > 0, taken: window.seenKeys.some((e) => e.defaultPrevented) }))) });
        }
        console.log(`keys: ${JSON.stringify(rows)}`);
        assert.deepEqual(rows.filter((r) => !r.received || !r.taken).map((r) => r.keys), [], 'keys the page did not take for itself');
    }],
];

module.exports = { webChecks };
