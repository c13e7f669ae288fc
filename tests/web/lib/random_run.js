// A seeded run of random steps on the page, checked after each one against what the model
// (tests/scenarios/model.txt) says a person should see, worked out by the same code as the
// desktop's random run (tests/scenarios/expected.h, through the table's module).
const { table } = require('./page');

const SEED = Number(process.env.YARNO_SEED || 20000922);
const STEPS = Number(process.env.YARNO_STEPS || 150);
const WORDS = ['Sam', 'x', 'Ann Lee', '7', ''];
// Keys the browsers keep for themselves (tests/web/KEYS.md), so a person cannot press them here.
const KEPT = ['Ctrl+N'];

function rng(seed) {
    let s = seed >>> 0;
    return () => { s = (s + 0x6d2b79f5) >>> 0; let t = Math.imul(s ^ (s >>> 15), 1 | s); t ^= t + Math.imul(t ^ (t >>> 7), 61 | t); return ((t ^ (t >>> 14)) >>> 0) / 2 ** 32; };
}

// One thing a person does in window w, told to the model as well; returns its description.
async function randomStep(d, e, win, w, pick) {
    const kind = pick(win.story ? ['type', 'type', 'control', 'control', 'key'] : ['control', 'control', 'key']);
    if (kind === 'type') {
        const n = pick([1, 2, 3, 4, 5, 6]);
        const word = pick(WORDS);
        await d.type(w, n, word);
        e.type(w, n, word, true);
        return `type ${w} ${n} "${word}"`;
    }
    const keys = Object.keys(win.keys).filter((k) => !KEPT.includes(k));
    if (kind === 'key' && keys.length) {
        const key = pick(keys);
        await d.focus(w, win.tab[0]);
        e.focus(w, win.tab[0]);
        await d.press(w, key);
        e.key(w, key);
        return `press ${w} ${key}`;
    }
    const control = pick(win.controls);
    if (control === 'close') await d.close(w);
    else if (control.includes(' > ')) await d.choose(w, ...control.split(' > '));
    else await d.click(w, control);
    const notice = e.press(w, control);
    if (notice) {
        const box = await d.box();
        if (box?.prompt !== notice) throw new Error(`after ${w} ${control}: expected the box "${notice}", saw ${JSON.stringify(box)}`);
        await d.dismiss();
    }
    return `${w} ${control}`;
}

// The page has one focus: the window that holds it has it where the model says that window's is.
// (A click on a label's text takes it out of every window, where the desktop keeps it: so the
// model is not asked where it is then.)
async function compare(d, e, model, history) {
    const want = e.seen();
    const seen = { onScreen: (await d.windows()).sort(), ended: await d.ended(), focus: null, windows: {} };
    const wanted = { onScreen: want.onScreen, ended: want.ended, focus: null, windows: {} };
    for (const w of want.onScreen) {
        const focus = await d.focused(w);
        if (focus) [seen.focus, wanted.focus] = [`${w}: ${focus}`, `${w}: ${want.windows[w].focus ?? focus}`];
        if (!model.windows[w].story) continue;
        const story = await d.story(w);
        seen.windows[w] = { answers: await d.answers(w), story: story.rows };
        wanted.windows[w] = { answers: want.windows[w].answers, story: story.flow ? want.windows[w].lines.map((l) => [l]) : want.windows[w].story };
    }
    if (JSON.stringify(seen) !== JSON.stringify(wanted)) {
        throw new Error(`after ${history.slice(-6).join(' | ')}:\nexpected ${JSON.stringify(wanted)}\nsaw      ${JSON.stringify(seen)}`);
    }
}

async function randomRun(d, log = console.log) {
    log(`random run: seed ${SEED}, ${STEPS} steps (YARNO_SEED, YARNO_STEPS to change)`);
    const { model: readModel, Expected } = table();
    const model = readModel();
    const next = rng(SEED);
    const pick = (xs) => xs[Math.floor(next() * xs.length)];
    let e = new Expected();
    const history = ['start'];
    try {
        await d.start(false);
        await compare(d, e, model, history);
        for (let i = 1; i <= STEPS; i++) {
            if (e.seen().ended !== null) {
                await d.playAgain(); // the page's end screen starts a new run
                e.delete();
                e = new Expected();
                history.push(`${i}: play again`);
            } else {
                const onScreen = e.seen().onScreen;
                const w = pick(onScreen);
                history.push(`${i}: ${await randomStep(d, e, model.windows[w], w, pick)}`);
            }
            await compare(d, e, model, history);
        }
    } finally {
        e.delete();
    }
    if (d.problems.length) throw new Error(d.problems.join('\n'));
}

module.exports = { randomRun };
