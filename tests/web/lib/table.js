// Reads the behaviour table (tests/scenarios/*.txt, described in README.md there): each scenario a
// name, the backends it leaves out and why, and its lines, each line its words.
const fs = require('node:fs');
const path = require('node:path');

const FOLDER = path.resolve(__dirname, '../../scenarios');
// The backends a scenario may name: `web` stands for the browsers and the phone, `qt` for the
// desktop in either drawing.
const BACKENDS = ['core', 'qt', 'qt-flow', 'web', 'chromium', 'firefox', 'phone'];
const ESCAPES = { n: '\n', r: '\r', t: '\t', 0: '\0' };

// One line's words: { text, quoted }; a quoted text keeps its spaces and has its escapes decoded.
function split(line) {
    const words = [];
    const word = /[ \t]*(?:"((?:[^"\\]|\\.)*)"(?:\*(\d+))?|([^\s"]\S*))/y;
    let at = 0;
    for (let m; (m = word.exec(line)); at = word.lastIndex) {
        if (m[3] !== undefined) {
            words.push({ text: m[3], quoted: false });
            continue;
        }
        const text = m[1].replace(/\\(u\{([0-9a-fA-F]+)\}|.)/g, (_, c, code) => (code ? String.fromCodePoint(parseInt(code, 16)) : ESCAPES[c] ?? c));
        words.push({ text: text.repeat(m[2] === undefined ? 1 : Number(m[2])), quoted: true });
    }
    if (line.slice(at).trim()) throw new Error('a quoted text is not closed');
    return words;
}

// Blocks of a file: a line in column 0 and the indented lines under it, each with its line number.
function* blocks(text, file) {
    let block = null;
    for (const [i, raw] of text.split('\n').entries()) {
        const line = raw.replace(/\r$/, '');
        const start = line.search(/[^ \t]/);
        if (start < 0 || line[start] === '#') continue;
        if (start === 0) {
            if (block) yield block;
            block = { head: line, number: i + 1, lines: [] };
        } else if (!block) {
            throw new Error(`${file}:${i + 1}: a step before any scenario`);
        } else {
            block.lines.push({ number: i + 1, text: line.trim() });
        }
    }
    if (block) yield block;
}

// Lines keep the `row` lines that follow them as rows of words.
function linesOf(block, file) {
    const lines = [];
    for (const { number, text } of block.lines) {
        let words;
        try { words = split(text); } catch (e) { throw new Error(`${file}:${number}: ${e.message}`); }
        if (words[0].text === 'row' && !words[0].quoted) {
            if (!lines.length) throw new Error(`${file}:${number}: a row with nothing before it`);
            lines.at(-1).rows.push(words.slice(1));
        } else {
            lines.push({ number, words, rows: [], text });
        }
    }
    return lines;
}

function readFile(file) {
    const name = path.basename(file);
    return [...blocks(fs.readFileSync(file, 'utf8'), name)].map((block) => {
        const scenario = { file: name, name: block.head, number: block.number, lines: [], only: [], not: [], reason: '' };
        for (const line of linesOf(block, name)) {
            const verb = line.words[0].text;
            if (verb !== 'only' && verb !== 'not') { scenario.lines.push(line); continue; }
            const colon = line.text.indexOf(':');
            if (colon < 0) throw new Error(`${name}:${line.number}: \`only\` and \`not\` give their reason after a colon`);
            const backends = line.text.slice(verb.length, colon).trim().split(/\s+/);
            const unknown = backends.find((b) => !BACKENDS.includes(b));
            if (unknown) throw new Error(`${name}:${line.number}: no backend is called \`${unknown}\``);
            scenario[verb].push(...backends);
            scenario.reason = line.text.slice(colon + 1).trim();
        }
        return scenario;
    });
}

// Every scenario file of the folder, in name order; model.txt is the random runs'.
function readAll(folder = FOLDER) {
    return fs.readdirSync(folder).filter((f) => f.endsWith('.txt') && f !== 'model.txt' && f !== 'CMakeLists.txt').sort()
        .flatMap((f) => readFile(path.join(folder, f)));
}

// Empty if the scenario applies to this backend ("chromium", "firefox", "phone"); else why not.
function skippedOn(scenario, backend) {
    const names = (list) => list.some((b) => b === backend || b === 'web');
    return (scenario.only.length && !names(scenario.only)) || names(scenario.not) ? scenario.reason : '';
}

module.exports = { FOLDER, split, blocks, linesOf, readFile, readAll, skippedOn };
