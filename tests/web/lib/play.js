// Plays one scenario of the table through a driver (page.js): each step becomes the driver's
// action and each expectation is checked against what the driver reports. Returns what did not
// hold, one line each, with its file and line.
const plain = (words, from) => words.slice(from).map((w) => w.text);
const caption = (words, from) => plain(words, from).join(' ');
const brief = (t) => (t.length > 200 ? `${t.slice(0, 200)}... (${t.length} characters)` : t);
const shown = (x) => JSON.stringify(x, (_, v) => (typeof v === 'string' ? brief(v) : v));
const same = (a, b) => JSON.stringify(a) === JSON.stringify(b);

async function step(d, { words }) {
    const [verb, window] = plain(words, 0);
    switch (verb) {
    case 'type': return d.type(window, Number(words[2].text), words[3].text);
    case 'answer':
        for (let n = 1; n <= 6; n++) await d.type(window, n, words[n + 1].text);
        return undefined;
    case 'click': return d.click(window, caption(words, 2));
    case 'choose': {
        const [menu, item] = caption(words, 2).split(' > ');
        return d.choose(window, menu, item);
    }
    case 'close': return d.close(window);
    case 'focus': return d.focus(window, caption(words, 2));
    case 'press': return d.press(window, words[2].text);
    case 'dismiss': return d.dismiss();
    case 'play': return d.playAgain();
    default: throw new Error(`no such step: ${caption(words, 0)}`);
    }
}

async function play(scenario, d) {
    const failures = [];
    let line = scenario.number;
    const fail = (what) => failures.push(`${scenario.file}:${line}: ${what}`);
    const compare = (seen, expected, what) => same(seen, expected) || fail(`${what}: expected ${shown(expected)}, saw ${shown(seen)}`);
    const marks = { spoken: 0, changes: 0 };

    async function check({ words, rows }) {
        const what = words[1].text;
        const window = words[2]?.text;
        if (what === 'windows') {
            const expected = plain(words, 2).filter((w) => w !== 'none').sort();
            return compare((await d.windows()).sort(), expected, 'windows on screen');
        }
        if (what === 'answers') return compare(await d.answers(window), plain(words, 3), `${window}'s answers`);
        if (what === 'story') return compareStory(await d.story(window), rows.map((r) => plain(r, 0)), `${window}'s story`);
        if (what === 'no' && window === 'story') return compare((await d.story(words[3].text)).rows, [], `${words[3].text}'s story`);
        if (what === 'no') {
            const box = await d.box();
            return box && fail(`a message box is up: ${box.title}: ${brief(box.prompt)}`);
        }
        if (what === 'spoken') {
            const all = await d.spoken();
            const since = all.slice(marks.spoken);
            marks.spoken = all.length;
            const nothing = words.length === 3 && !words[2].quoted && window === 'nothing';
            return compare(since, nothing ? [] : plain(words, 2), 'spoken');
        }
        if (what === 'box') {
            const box = await d.box();
            return compare(box ? [box.title, box.prompt] : [], plain(words, 2), 'message box');
        }
        if (what === 'running') {
            const status = await d.ended();
            return status === null || fail(`the run has ended, with status ${status}`);
        }
        if (what === 'ended') return compare(String((await d.ended()) ?? 'running'), window, "the run's end");
        if (what === 'shows') {
            const labels = await d.labels(window);
            return labels.includes(words[3].text) || fail(`${window} shows no "${brief(words[3].text)}" among ${shown(labels)}`);
        }
        if (what === 'focus') return compare(await d.focused(window), caption(words, 3), `${window}'s focus`);
        if (what === 'tab') return tabOrder(words[3].text, plain(words, 4));
        if (what === 'changes') {
            const expected = [];
            for (let i = 2; i + 1 < words.length; i += 2) expected.push(`${words[i].text} ${words[i + 1].text}`);
            return compare((await d.changes()).slice(marks.changes), expected, 'windows that came and went');
        }
        throw new Error(`no such expectation: ${caption(words, 0)}`);
    }

    // Where a window flows, a row reads as one line, its pieces run together as the page joins
    // them; the words and their order are the row's, whatever the spacing.
    function compareStory(seen, expected, what) {
        const words = (rows) => rows.map((row) => row.join('').replace(/\s+/g, ''));
        return seen.flow ? compare(words(seen.rows), words(expected), `${what}, in the flow`) : compare(seen.rows, expected, what);
    }

    async function tabOrder(window, order) {
        const forward = [await d.focused(window)];
        const backward = [];
        for (const _ of order) { await d.press(window, 'Tab'); forward.push(await d.focused(window)); }
        for (const _ of order) { await d.press(window, 'Shift+Tab'); backward.push(await d.focused(window)); }
        compare(forward, [...order, order[0]], `${window}'s tab order`);
        compare(backward, [...order].reverse(), `${window}'s tab order with Shift+Tab`);
    }

    const lines = scenario.lines;
    const broken = lines[0]?.words[0].text === 'open' && lines[0]?.words[1]?.text === 'Broken';
    try {
        await d.start(broken);
        for (const l of lines.slice(broken ? 1 : 0)) {
            line = l.number;
            if (l.words[0].text === 'expect') {
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
