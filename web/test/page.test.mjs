// The page in a real browser: headless Chromium, driven by Playwright, gives
// the same bytes and exit status as the native programs, answers within
// 100 ms while a program floods it with output, runs from the keyboard,
// keeps a run in a link, runs again as the input is edited, compares the
// output with an expected one, is laid out for a dark scheme and a phone,
// passes axe-core's WCAG 2 A and AA rules, and asks nothing of any other
// machine.
//
// node page.test.mjs --page DIR --npm DIR --programs DIR --examples DIR
//                    --browser PATH [--screenshots DIR]
// --npm is where npm installed playwright-core and axe-core; --programs
// holds the native programs the page is compared with; --screenshots is
// where the light, dark and phone screenshots are written.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import { readFileSync } from 'node:fs';
import { readFile, readdir } from 'node:fs/promises';
import { createServer } from 'node:http';
import { createRequire } from 'node:module';
import { extname, join, normalize, resolve } from 'node:path';
import { after, before, test } from 'node:test';
import { setTimeout as sleep } from 'node:timers/promises';
import { parseArgs } from 'node:util';

const { values: options } = parseArgs({
    options: {
        page: { type: 'string' },
        npm: { type: 'string' },
        programs: { type: 'string' },
        examples: { type: 'string' },
        browser: { type: 'string' },
        screenshots: { type: 'string' },
    },
});
const fromNpm = createRequire(resolve(options.npm, 'package.json'));
const { chromium } = fromNpm('playwright-core');
const axe = fromNpm.resolve('axe-core/axe.min.js');

// What a native program prints for input, as the page shows it: one
// character per byte.
function native(program, input, args = []) {
    const run = spawnSync(join(options.programs, program), args, { input, maxBuffer: 1 << 30 });
    return { stdout: summary(run.stdout), stderr: run.stderr.toString('latin1'), status: String(run.status) };
}

// The page's folder, served on the loopback interface as any static server
// would.
const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm' };
const server = createServer(async (request, response) => {
    let path = normalize(decodeURIComponent(new URL(request.url, 'http://localhost').pathname));
    if (path.endsWith('/')) path += 'index.html';
    try {
        const body = await readFile(join(options.page, path));
        response.writeHead(200, { 'content-type': types[extname(path)] ?? 'text/plain' }).end(body);
    } catch {
        response.writeHead(404).end();
    }
});

let browser, page, origin;
const offMachine = [];
const pageErrors = [];

// A browser window of its own (its own storage) of the given size.
async function newContext(width, height) {
    const context = await browser.newContext({ viewport: { width, height } });
    // Every request the page or its workers make must stay on this server.
    await context.route('**/*', (route) => {
        const url = route.request().url();
        if (url.startsWith(`${origin}/`)) return route.continue();
        offMachine.push(url);
        return route.abort();
    });
    return context;
}
async function newPage(context) {
    const newOne = await context.newPage();
    newOne.on('pageerror', (error) => pageErrors.push(error.message));
    newOne.on('console', (message) => message.type() === 'error' && pageErrors.push(message.text()));
    return newOne;
}

before(async () => {
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    origin = `http://127.0.0.1:${server.address().port}`;
    browser = await chromium.launch({
        executablePath: options.browser,
        args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
               '--disable-background-networking', '--disable-component-update', '--disable-sync'],
    });
    page = await newPage(await newContext(1280, 900));
    await page.goto(`${origin}/`);
});

after(async () => {
    await browser?.close();
    server.close();
});

const text = (selector) => page.locator(selector).textContent();

// Waits for selector's text to become want, as the page changes it after
// an edit; says what it is instead if it does not.
async function settles(selector, want, on = page) {
    try {
        await on.waitForFunction(([selector, want]) => document.querySelector(selector).textContent === want,
                                 [selector, want], { timeout: 10000 });
    } catch {
        assert.equal(await on.locator(selector).textContent(), want);
    }
}

// The bytes a page holds as input or expected output: the file chosen for
// it, else its text area as UTF-8; and which of the two it is.
function held(on, textArea, picker) {
    return on.evaluate(async ([textArea, picker]) => {
        const files = document.getElementById(picker).files;
        const blob = files.length > 0 ? files[0] : new Blob([document.getElementById(textArea).value]);
        return { bytes: [...new Uint8Array(await blob.arrayBuffer())], from: files.length > 0 ? 'file' : 'text' };
    }, [textArea, picker]);
}

// axe-core's WCAG 2.0, 2.1 and 2.2 rules of levels A and AA: what the page
// violates, one line per rule.
async function audit(on, what) {
    if (!(await on.evaluate(() => 'axe' in window))) await on.addScriptTag({ path: axe });
    const { violations } = await on.evaluate(() =>
        window.axe.run(document, { runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa'] },
                                     resultTypes: ['violations'] }));
    const found = violations.map((rule) => `${rule.id}: ${rule.nodes.map((node) => node.target.join(' ')).join(', ')}`);
    assert.deepEqual(found, [], `${what}: ${JSON.stringify(violations.map((rule) => rule.nodes[0]?.failureSummary))}`);
}

// Chooses program, and waits for its help and example to be shown.
async function choose(program) {
    await page.selectOption('#program', program);
    const help = native(program, '', ['--help']).stdout;
    const example = readFileSync(join(options.examples, `${program}.in`), 'utf8');
    await page.waitForFunction(
        ([help, example]) =>
            document.getElementById('help').textContent === help && document.getElementById('input').value === example,
        [help, example]);
}

// An output as the tests compare it: one character per byte, or for one
// of more than a megabyte its size and SHA-256, which is all that need
// cross between the browser and the test.
function summary(bytes) {
    if (bytes.length <= 1 << 20) return Buffer.from(bytes).toString('latin1');
    return `${bytes.length} bytes, SHA-256 ${createHash('sha256').update(bytes).digest('hex')}`;
}

// The run that ended on a page: its downloaded output, its standard error
// and status. The output is shown whole when it is short, else its first
// and last 4 KiB with a note between.
async function result(on = page) {
    await on.waitForFunction(() => document.getElementById('status').textContent !== '', null, { timeout: 120000 });
    const { bytes, size, digest, head, tail, shown, stderr, status } = await on.evaluate(async () => {
        const response = await fetch(document.getElementById('download').href);
        const all = new Uint8Array(await response.arrayBuffer());
        const latin1 = (bytes) => Array.from(bytes, (byte) => String.fromCharCode(byte)).join('');
        const hex = (buffer) => Array.from(new Uint8Array(buffer), (byte) => byte.toString(16).padStart(2, '0')).join('');
        const text = (id) => document.getElementById(id).textContent;
        return {
            bytes: all.length <= 1 << 20 ? [...all] : null,
            size: all.length,
            digest: hex(await crypto.subtle.digest('SHA-256', all)),
            head: latin1(all.subarray(0, 4 << 10)),
            tail: latin1(all.subarray(Math.max(all.length - (4 << 10), 4 << 10))),
            shown: text('stdout'),
            stderr: text('stderr'),
            status: text('status'),
        };
    });
    if (size <= 8 << 10) {
        assert.equal(shown, head + tail);
    } else {
        assert.equal(shown, `${head}${(size - (8 << 10)).toLocaleString('en')} bytes are not shown here; ` +
                            `Download output gives them all.${tail}`);
    }
    const stdout = bytes ? Buffer.from(bytes).toString('latin1') : `${size} bytes, SHA-256 ${digest}`;
    return { stdout, stderr, status };
}

// Runs the chosen program on what the page holds and waits for its end.
async function run() {
    await page.click('#run');
    return result();
}

async function runText(program, input) {
    await choose(program);
    await page.fill('#input', input);
    return run();
}

async function runFile(program, bytes) {
    await choose(program);
    await page.setInputFiles('#file', { name: 'input', mimeType: 'application/octet-stream', buffer: bytes });
    const result = await run();
    await page.click('#clear-file');
    return result;
}

test('every program is listed, with its help, and gives its example output', async () => {
    const examples = (await readdir(options.examples)).filter((name) => name.endsWith('.in'));
    const programs = examples.map((name) => name.slice(0, -3)).sort();
    const listed = await page.locator('#program option').evaluateAll((all) => all.map((option) => option.value));
    assert.deepEqual([...listed].sort(), programs);
    for (const program of programs) {
        await choose(program);
        const expected = readFileSync(join(options.examples, `${program}.out`)).toString('latin1');
        assert.deepEqual(await run(), { stdout: expected, stderr: '', status: '0' }, program);
    }
});

// Inputs typed into the page, good and bad, against the native programs.
const typed = [
    ['modecull', '4 2 100\n5 -3 5 2147483647\n'],
    ['modecull', '3 1 7\n1 2 x\n'],                  // a bad number: the diagnostic and status 1
    ['modecull', '5 1 3\n1 2'],                      // input ends early
    ['pivotseek', '6\n4 5 6 1 2 3\n1\n'],
    ['pivotseek', '-1\n'],
    ['centrelex', '4\nZebra épée Ärger apple\n'],   // UTF-8 bytes from 0x80, shown one per byte
    ['slotlex', '5\npear Apple fig apple Fig\nfig\n'],
    ['unshift', '3 1 2\nxY9\n'],
    ['rotfive', 'abc\n-7\n'],
    ['letterstep', 'z\n-2\n'],
    ['primepair', '4\n4\n-5\n2147483647\n1000000\n'],
    ['digitgen', '3\n216\n1\n2147483647\n'],
    ['nodivisor', '2147483647\n'],
    ['digitmean', '2147483647\n'],
    ['gridmark', '2\nA O\nO B\n'],
    ['gridmark', '2\nA O\nO'],
    ['piecefunc', '-nan\n'],
    ['piecefunc', 'infinity\n'],
    ['piecefunc', '0x1p-3\n'],
    ['crosspoint', '1 2 3\n2 4 6\n'],
    ['crosspoint', '1 1 nan\n1 -1 0\n'],
    ['gaplength', '-2147483648 -2147483648 2147483647 2147483647\n'],
    ['clocksplit', '-1\n'],
    ['clocksplit', '2147483647\n'],
];

test('typed input gives the native bytes and status', async () => {
    for (const [program, input] of typed) {
        assert.deepEqual(await runText(program, input), native(program, Buffer.from(input)), `${program} on ${JSON.stringify(input)}`);
    }
});

test('a file is read as raw bytes', async () => {
    const files = [
        ['slotlex', Buffer.from('4\r\nb\x00a \xff \x80z a\r\n\xff\r\n', 'latin1')],
        ['centrelex', Buffer.from('3\n\x01\x7f \x90\x9f A\x00\n', 'latin1')],
        ['gridmark', Buffer.from('2\r\nX\tO\r\nO\vX\r\n', 'latin1')],
        ['rotfive', Buffer.from('\xe9t\xe9\n2\n', 'latin1')],
    ];
    for (const [program, bytes] of files) {
        const expected = native(program, bytes);
        assert.deepEqual(await runFile(program, bytes), expected, `${program} on ${JSON.stringify(bytes.toString('latin1'))}`);
        // The download gives the same bytes.
        const downloaded = await page.evaluate(async () => {
            const response = await fetch(document.getElementById('download').href);
            return [...new Uint8Array(await response.arrayBuffer())];
        });
        assert.equal(Buffer.from(downloaded).toString('latin1'), expected.stdout);
    }
});

test('a file of several megabytes runs', async () => {
    // 600,000 values of six or seven digits: 5 MB in, 5 MB out.
    let state = 12345;
    const values = Array.from({ length: 600000 }, () => {
        state = (state * 1103515245 + 12345) % 2147483648;
        return 100000 + (state % 9000000);
    });
    const bytes = Buffer.from(`${values.length} 1 1000003\n${values.join(' ')}\n`);
    assert.ok(bytes.length > 4 << 20);
    const expected = native('modecull', bytes);
    assert.match(expected.stdout, /^[0-9]{7} bytes, SHA-256 /);
    assert.deepEqual(await runFile('modecull', bytes), expected);
});

test('a long run leaves the page answering, and Stop ends it', async () => {
    await choose('primepair');
    // About 10^9 bytes of input that take no memory: one piece, referred
    // to a thousand times.
    await page.evaluate(() => {
        const piece = new Blob(['1000000\n'.repeat(1 << 17)]);
        const endless = new File(['2147483647\n', ...Array(1000).fill(piece)], 'endless.txt');
        const transfer = new DataTransfer();
        transfer.items.add(endless);
        const picker = document.getElementById('file');
        picker.files = transfer.files;
        picker.dispatchEvent(new Event('change'));
    });
    await page.click('#run');
    // The output comes as it is written, and is cut off beyond what is kept.
    await page.waitForFunction(() => document.getElementById('stdout-note').textContent.includes('cut off'), null, { timeout: 60000 });
    assert.equal(await text('#status'), '');
    const line = native('primepair', Buffer.from('1\n1000000\n')).stdout;
    assert.ok((await text('#stdout')).startsWith(line.repeat(1000).slice(0, 4 << 10)));
    // The page answers: another program's help is shown while this one runs.
    await page.selectOption('#program', 'nodivisor');
    const help = native('nodivisor', '', ['--help']).stdout;
    await page.waitForFunction((help) => document.getElementById('help').textContent === help, help, { timeout: 10000 });
    assert.equal(await text('#status'), '');
    assert.equal(await page.isDisabled('#run'), true);
    const stopped = Date.now();
    await page.click('#stop');
    await page.waitForFunction(() => document.getElementById('status').textContent === 'stopped', null, { timeout: 5000 });
    assert.ok(Date.now() - stopped < 5000);
    assert.equal(await page.isDisabled('#run'), false);
    assert.equal(await page.isDisabled('#stop'), true);
});

// The median and the longest of some times, rounded to 0.1 ms.
function spread(times) {
    const sorted = [...times].sort((a, b) => a - b);
    const round = (time) => Math.round(time * 10) / 10;
    return { median: round(sorted[sorted.length >> 1]), longest: round(sorted[sorted.length - 1]) };
}

test('a flood of output leaves the page answering within 100 ms; Ctrl+Enter runs and Escape stops', async (t) => {
    await choose('modecull');
    const flood = '5 2000000000 7\n1 2 2 3 3\n';   // prints without end
    await page.fill('#input', flood);
    const marks = await page.locator('#marks').boundingBox();
    await page.evaluate(() => {
        window.marksClicked = 0;
        document.getElementById('marks').addEventListener('click', () => ++window.marksClicked);
    });
    await page.focus('#input');
    await page.keyboard.press('Control+Enter');
    await page.waitForFunction(() => document.getElementById('stdout').textContent !== '');
    // Probes while the output pours in and is cut off: a script, and a
    // click on a checkbox that shows the output again with marks.
    const evaluations = [];
    const clicks = [];
    for (let probe = 0; probe < 20; ++probe) {
        let begin = performance.now();
        await page.evaluate(() => document.getElementById('stdout').childNodes.length);
        evaluations.push(performance.now() - begin);
        begin = performance.now();
        await page.mouse.click(marks.x + marks.width / 2, marks.y + marks.height / 2);
        clicks.push(performance.now() - begin);
        await sleep(50);
    }
    t.diagnostic(`script evaluation: ${JSON.stringify(spread(evaluations))} ms; click: ${JSON.stringify(spread(clicks))} ms`);
    assert.equal(await text('#status'), '');
    await page.keyboard.press('Escape');
    await page.waitForFunction(() => document.getElementById('status').textContent === 'stopped');
    assert.equal(await page.evaluate(() => window.marksClicked), 20);
    assert.ok(spread(evaluations).median < 100 && spread(clicks).median < 100);
    // What was kept is the start of the program's output, exactly, and all
    // of the first 8 MiB once the rest is cut off.
    const limit = 8 << 20;
    const { stdout } = await result();
    const size = Number(stdout.match(/^([0-9]+) bytes, SHA-256 /)?.[1] ?? stdout.length);
    assert.ok(size > 0);
    const start = spawnSync(join(options.programs, 'modecull'), { input: flood, maxBuffer: limit }).stdout;
    assert.equal(stdout, summary(start.subarray(0, size)));
    if ((await text('#stdout-note')).includes('cut off')) assert.equal(size, limit);
});

test('Tab goes through the page in the order of the work, and shows where it is', async () => {
    await choose('modecull');
    await run();
    await page.focus('#program');
    const visited = [];
    for (let step = 0; step < 14; ++step) {
        await page.keyboard.press('Tab');
        visited.push(await page.evaluate(() => {
            const at = document.activeElement;
            const style = getComputedStyle(at);
            const shown = style.outlineStyle !== 'none' && parseFloat(style.outlineWidth) >= 2;
            return `${at.id || at.tagName.toLowerCase()}${shown ? '' : ' (focus not shown)'}`;
        }));
    }
    assert.deepEqual(visited, ['summary', 'input', 'file', 'run', 'example', 'live', 'marks', 'copy', 'download',
                               'stdout', 'stderr', 'expected', 'expected-file', 'share']);
});

test('a link holds the program, the input and the expected output', async () => {
    const runs = [
        // Text, with bytes from 0x80: back in the text areas.
        ['centrelex', Buffer.from('4\nZebra épée Ärger apple\n'), 'text'],
        // Not UTF-8, and carriage returns, which a text area would change:
        // back as files.
        ['slotlex', Buffer.from('4\r\nb\x00a \xff \x80z a\r\n\xff\r\n', 'latin1'), 'file'],
    ];
    for (const [program, input, from] of runs) {
        const expected = native(program, input);
        const expectedBytes = Buffer.from(expected.stdout, 'latin1');
        await choose(program);
        if (from === 'text') {
            await page.fill('#input', input.toString());
            await page.fill('#expected', expectedBytes.toString());
        } else {
            await page.setInputFiles('#file', { name: 'in', mimeType: 'application/octet-stream', buffer: input });
            await page.setInputFiles('#expected-file', { name: 'out', mimeType: 'application/octet-stream', buffer: expectedBytes });
        }
        await page.click('#share');
        await page.waitForFunction(() => document.getElementById('share-note').textContent !== '');
        const link = await page.evaluate(() => location.href);
        assert.match(link, new RegExp(`/#${program}/[A-Za-z0-9_-]+$`));
        // Opened in another window, the link gives the program, the same
        // bytes in the same places, and runs.
        const opened = await newPage(page.context());
        await opened.goto(link);
        assert.deepEqual(await result(opened), expected, program);
        assert.equal(await opened.inputValue('#program'), program);
        assert.deepEqual(await held(opened, 'input', 'file'), { bytes: [...input], from });
        assert.deepEqual((await held(opened, 'expected', 'expected-file')).bytes, [...expectedBytes]);
        assert.equal(await opened.textContent('#compare'), 'same bytes');
        // An edit, and the address names only the program again.
        await opened.fill('#expected', 'x');
        assert.equal(await opened.evaluate(() => location.hash), `#${program}`);
        await opened.close();
        if (from === 'file') {
            await page.click('#clear-file');
            await page.click('#clear-expected-file');
        }
        await page.fill('#expected', '');
    }
    // An input that is still above 32 KiB once compressed is refused, and
    // the address keeps naming the program.
    await choose('slotlex');
    let state = 2463534242;
    const noise = Buffer.from(Array.from({ length: 40 << 10 }, () => {
        state ^= state << 13;
        state ^= state >>> 17;
        state ^= state << 5;
        return state & 255;
    }));
    await page.setInputFiles('#file', { name: 'noise', mimeType: 'application/octet-stream', buffer: noise });
    await page.click('#share');
    await settles('#share-note', 'Too large for a link: the input and expected output take more than 32 KiB once ' +
                                 'compressed. Share them as files instead.');
    assert.equal(await page.evaluate(() => location.hash), '#slotlex');
    await page.click('#clear-file');
    // A link that names a program chooses it and shows its example.
    const named = await newPage(page.context());
    await named.goto(`${origin}/#gridmark`);
    const example = readFileSync(join(options.examples, 'gridmark.in'), 'utf8');
    await named.waitForFunction((example) => document.getElementById('input').value === example, example);
    assert.equal(await named.inputValue('#program'), 'gridmark');
    await named.close();
});

test('live output follows each edit of the input', async () => {
    await choose('modecull');
    await page.fill('#input', '5 2000000000 7\n1 2 2 3 3\n');
    await page.check('#live');
    await page.waitForFunction(() => document.getElementById('stdout').textContent !== '');
    // Each edit stops the run going on, the endless one first.
    for (const input of ['4 2 100\n5 -3 5 2147483647\n', '3 1 7\n1 2 x\n', '5 2 7\n1 2 2 3 3\n']) {
        await page.fill('#input', input);
        const want = native('modecull', Buffer.from(input));
        await page.waitForFunction(({ stdout, stderr }) =>
            document.getElementById('status').textContent !== '' && document.getElementById('stdout').textContent === stdout &&
            document.getElementById('stderr').textContent === stderr, want, { timeout: 30000 });
        assert.deepEqual(await result(), want, input);
    }
    await page.uncheck('#live');
});

test('the output is compared with the expected bytes', async () => {
    await choose('modecull');
    const output = (await run()).stdout;
    assert.equal(output, '1 3 3 6 1 \n3 3 6 1 1 \n');
    const differs = 'differs at line';
    const cases = [
        [output, 'same bytes'],
        ['1 3 3 6 1\n3 3 6 1 1 \n', `${differs} 1, column 10, byte offset 9: the output has \u00b7 space (0x20), ` +
                                    'the expected output has \u21b5 newline (0x0A)'],
        ['1 3 3 6 1 \n3 3 6 1 1 ', `${differs} 2, column 11, byte offset 21: the output has \u21b5 newline (0x0A), ` +
                                   'the expected output has \u220e end of output'],
        [`${output}\n`, `${differs} 3, column 1, byte offset 22: the output has \u220e end of output, ` +
                        'the expected output has \u21b5 newline (0x0A)'],
        ['1 3 3 6 1 \n3 3 é 1 1 \n', `${differs} 2, column 5, byte offset 15: the output has 6 (0x36), ` +
                                     'the expected output has 0xC3'],
        ['1 3 3 6 1 \t3 3 6 1 1 \n', `${differs} 1, column 11, byte offset 10: the output has \u21b5 newline (0x0A), ` +
                                     'the expected output has \u2192 tab (0x09)'],
        ['', ''],
    ];
    for (const [expected, said] of cases) {
        await page.fill('#expected', expected);
        await settles('#compare', said);
    }
    // A file as the expected output, as its raw bytes.
    const files = [
        [output, 'same bytes'],
        [output.replace(/\n/g, '\r\n'), `${differs} 1, column 11, byte offset 10: the output has \u21b5 newline (0x0A), ` +
                                        'the expected output has \u240d carriage return (0x0D)'],
    ];
    for (const [expected, said] of files) {
        await page.setInputFiles('#expected-file', { name: 'out', mimeType: 'text/plain', buffer: Buffer.from(expected) });
        await settles('#compare', said);
    }
    await page.click('#clear-expected-file');
    await settles('#compare', '');
});

test('light, dark and on a phone: laid out to be read, with no accessibility violation', async () => {
    // A new window, as a reader finds the page: a run whose output differs
    // from the one expected by a space, with the marks shown.
    const wide = await newContext(1280, 900);
    const tab = await newPage(wide);
    await tab.goto(`${origin}/#modecull`);
    await tab.waitForFunction(() => document.getElementById('input').value !== '');
    await tab.fill('#expected', '1 3 3 6 1\n3 3 6 1 1\n');
    await tab.click('#run');
    await result(tab);
    await tab.check('#marks');
    await settles('#stdout-marked', '1\u00b73\u00b73\u00b76\u00b71\u00b7\u21b5\n3\u00b73\u00b76\u00b71\u00b71\u00b7\u21b5\n\u220e', tab);
    await audit(tab, 'light');
    if (options.screenshots) await tab.screenshot({ path: join(options.screenshots, 'screenshot-light.png'), fullPage: true });
    // Dark: a dark page with light text, as the reader's system asks.
    const lightness = () => tab.evaluate(() => {
        const channels = (colour) => colour.match(/[0-9.]+/g).slice(0, 3).map(Number);
        const style = getComputedStyle(document.documentElement);
        const mean = (colour) => channels(colour).reduce((sum, channel) => sum + channel, 0) / 3;
        return { background: mean(style.backgroundColor), text: mean(style.color) };
    });
    assert.ok((await lightness()).background > 200);
    await tab.emulateMedia({ colorScheme: 'dark' });
    const dark = await lightness();
    assert.ok(dark.background < 50 && dark.text > 200, JSON.stringify(dark));
    await audit(tab, 'dark');
    if (options.screenshots) await tab.screenshot({ path: join(options.screenshots, 'screenshot-dark.png'), fullPage: true });
    await wide.close();

    // A phone, 390 px wide: the help is open on the first visit only, and
    // the output comes right under the Run button, on the first screen.
    const phone = await newContext(390, 844);
    const visits = [];
    for (let visit = 0; visit < 2; ++visit) {
        const tab = await newPage(phone);
        await tab.goto(`${origin}/#modecull`);
        await tab.waitForFunction(() => document.getElementById('help').textContent !== '');
        visits.push(await tab.evaluate(() => document.getElementById('about').open));
        if (visit === 0) await tab.close();
    }
    assert.deepEqual(visits, [true, false]);
    const onPhone = phone.pages()[0];
    await onPhone.click('#run');
    await result(onPhone);
    const box = (selector) => onPhone.locator(selector).boundingBox();
    const actions = await box('.actions');
    const output = await box('.output');
    const shownOutput = await box('#stdout');
    assert.ok(output.y >= actions.y + actions.height && output.y - (actions.y + actions.height) <= 32,
              `the output section starts ${output.y - actions.y - actions.height} px under the buttons`);
    assert.ok(shownOutput.y + shownOutput.height <= 844, `the output ends at ${shownOutput.y + shownOutput.height} px`);
    await audit(onPhone, 'phone');
    if (options.screenshots) await onPhone.screenshot({ path: join(options.screenshots, 'screenshot-phone.png') });
    // Nothing wider than the screen, down to 320 px.
    for (const width of [390, 320]) {
        await onPhone.setViewportSize({ width, height: 700 });
        assert.ok(await onPhone.evaluate((width) => document.documentElement.scrollWidth <= width, width), `${width} px`);
    }
    await phone.close();
});

test('the page asks nothing of another machine and reports no error', () => {
    assert.deepEqual(offMachine, []);
    assert.deepEqual(pageErrors, []);
});
