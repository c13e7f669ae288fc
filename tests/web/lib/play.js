// Plays one scenario, as the table's one reader hands it over (tests/web/scenario_table.cpp),
// through a driver (page.js): each step becomes the driver's action and each expectation is
// checked against what the driver reports, as tests/scenarios/play.cpp does for the C++ drivers.
// Returns what did not hold, one line each, with its file and line.
const brief = (t) => (t.length > 200 ? `${t.slice(0, 200)}... (${t.length} characters)` : t);
const shown = (x) => JSON.stringify(x, (_, v) => (typeof v === 'string' ? brief(v) : v));
const same = (a, b) => JSON.stringify(a) === JSON.stringify(b);

function step(d, { verb, window, words: [a, b] }) {
    switch (verb) {
    case 'type': return d.type(window, Number(a), b);
    case 'click': return d.click(window, a);
    case 'choose': return d.choose(window, a, b);
    case 'close': return d.close(window);
    case 'focus': return d.focus(window, a);
    case 'press': return d.press(window, a);
    case 'dismiss': return d.dismiss();
    default: return d.playAgain();
    }
}

async function play(scenario, d) {
    if (scenario.error) return [scenario.error];
    const failures = [];
    let line = scenario.number;
    const fail = (what) => failures.push(`${scenario.file}:${line}: ${what}`);
    const compare = (seen, expected, what) => same(seen, expected) || fail(`${what}: expected ${shown(expected)}, saw ${shown(seen)}`);
    const marks = { spoken: 0, changes: 0 };
    const since = (all, mark) => all.slice(marks[mark]);

    // What the driver reports for each expectation that is compared whole, and what it is called.
    const seen = {
        windows: async () => ['windows on screen', (await d.windows()).sort()],
        answers: async ({ window }) => [`${window}'s answers`, await d.answers(window)],
        spoken: async () => {
            const all = await d.spoken();
            const said = since(all, 'spoken');
            marks.spoken = all.length;
            return ['spoken', said];
        },
        box: async () => {
            const box = await d.box();
            return ['message box', box ? [box.title, box.prompt] : []];
        },
        ended: async () => ["the run's end", [String((await d.ended()) ?? 'running')]],
        focus: async ({ window }) => [`${window}'s focus`, [await d.focused(window)]],
        changes: async () => ['windows that came and went', since(await d.changes(), 'changes')],
    };

    async function check(e) {
        if (e.verb === 'story') {
            // Where the window flows, each row is one line of text (tests/scenarios/README.md).
            const story = await d.story(e.window);
            if (story.flow) return compare(story.rows.map(([text]) => text), e.lines, `${e.window}'s story, in the flow`);
            return compare(story.rows, e.rows, `${e.window}'s story`);
        }
        if (e.verb === 'shows') {
            const labels = await d.labels(e.window);
            return labels.includes(e.words[0]) || fail(`${e.window} shows no "${brief(e.words[0])}" among ${shown(labels)}`);
        }
        if (e.verb === 'tab order') return tabOrder(e.window, e.words);
        const [what, value] = await seen[e.verb](e);
        return compare(value, e.words, what);
    }

    async function tabOrder(window, order) {
        const forward = [await d.focused(window)];
        const backward = [];
        for (const _ of order) { await d.press(window, 'Tab'); forward.push(await d.focused(window)); }
        for (const _ of order) { await d.press(window, 'Shift+Tab'); backward.push(await d.focused(window)); }
        compare(forward, [...order, order[0]], `${window}'s tab order`);
        compare(backward, [...order].reverse(), `${window}'s tab order with Shift+Tab`);
    }

    try {
        await d.start(scenario.broken);
        for (const l of scenario.lines) {
            line = l.number;
            if (l.expect) {
                await check(l);
            } else {
                marks.changes = (await d.changes()).length;
                await step(d, l);
            }
        }
        if (await d.box()) fail('a message box is left up');
    } catch (error) {
        fail(error.message.split('\n')[0]); // what follows would only repeat the failure
    }
    for (const problem of d.problems ?? []) fail(problem);
    return failures;
}

module.exports = { play };
