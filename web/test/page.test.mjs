// The page in a real browser: headless Chromium, driven by Playwright, gives
// the same bytes and exit status as the native programs, stays answering
// during a long run that Stop ends, and asks nothing of any other machine.
//
// node page.test.mjs --page DIR --npm DIR --programs DIR --examples DIR
//                    --browser PATH [--screenshot FILE]
// --npm is where npm installed playwright-core; --programs holds the native
// programs the page is compared with.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { readFile, readdir } from 'node:fs/promises';
import { createServer } from 'node:http';
import { createRequire } from 'node:module';
import { extname, join, normalize, resolve } from 'node:path';
import { after, before, test } from 'node:test';
import { parseArgs } from 'node:util';

const { values: options } = parseArgs({
    options: {
        page: { type: 'string' },
        npm: { type: 'string' },
        programs: { type: 'string' },
        examples: { type: 'string' },
        browser: { type: 'string' },
        screenshot: { type: 'string' },
    },
});
const { chromium } = createRequire(resolve(options.npm, 'package.json'))('playwright-core');

// What a native program prints for input, as the page shows it: one
// character per byte.
function native(program, input, args = []) {
    const run = spawnSync(join(options.programs, program), args, { input, maxBuffer: 1 << 30 });
    return { stdout: run.stdout.toString('latin1'), stderr: run.stderr.toString('latin1'), status: String(run.status) };
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

before(async () => {
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    origin = `http://127.0.0.1:${server.address().port}`;
    browser = await chromium.launch({
        executablePath: options.browser,
        args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
               '--disable-background-networking', '--disable-component-update', '--disable-sync'],
    });
    const context = await browser.newContext({ viewport: { width: 1280, height: 900 } });
    // Every request the page or its workers make must stay on this server.
    await context.route('**/*', (route) => {
        const url = route.request().url();
        if (url.startsWith(`${origin}/`)) return route.continue();
        offMachine.push(url);
        return route.abort();
    });
    page = await context.newPage();
    page.on('pageerror', (error) => pageErrors.push(error.message));
    page.on('console', (message) => message.type() === 'error' && pageErrors.push(message.text()));
    await page.goto(`${origin}/`);
});

after(async () => {
    await browser?.close();
    server.close();
});

const text = (selector) => page.locator(selector).textContent();

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

// Runs the chosen program on what the page holds and waits for its end.
async function run() {
    await page.click('#run');
    await page.waitForFunction(() => document.getElementById('status').textContent !== '', null, { timeout: 120000 });
    return { stdout: await text('#stdout'), stderr: await text('#stderr'), status: await text('#status') };
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
    if (options.screenshot) {
        await choose('modecull');
        await run();
        await page.screenshot({ path: options.screenshot, fullPage: true });
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
    assert.ok(expected.stdout.length > 4 << 20);
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
    assert.ok((await text('#stdout')).startsWith(line.repeat(1000)));
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

test('the page asks nothing of another machine and reports no error', () => {
    assert.deepEqual(offMachine, []);
    assert.deepEqual(pageErrors, []);
});
