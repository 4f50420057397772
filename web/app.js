// The page: choose a program, give it standard input, run it in a worker
// (worker.js) and show what it writes, byte for byte; compare that with an
// expected output, and make a link that holds the whole run.

// What is kept of each stream; the rest is counted, not kept.
const limits = { stdout: 8 << 20, stderr: 64 << 10 };
// What is shown of a stream: all of it up to twice this, else its first and
// last this many bytes with a note between; and how often, at most, what is
// shown follows a run. The browser lays out all the text of a <pre> again
// whenever it changes, at about a millisecond of processor time a kilobyte
// (and megabytes of it held up the page for seconds): so a run leaves the
// page a few milliseconds of work four times a second, whatever it prints.
const shown = 4 << 10;
const showPeriod = 250;
// The most a link holds of input and expected output, compressed.
const linkLimit = 32 << 10;
// How long live output waits after an edit before it runs again.
const livePause = 300;

const $ = (id) => document.getElementById(id);
const programs = $('program');
const input = $('input');
const file = $('file');
const runButton = $('run');
const stopButton = $('stop');
const live = $('live');
const status = $('status');
const stdout = $('stdout');
const stdoutMarked = $('stdout-marked');
const stderr = $('stderr');
const marks = $('marks');
const download = $('download');
const expected = $('expected');
const expectedFile = $('expected-file');
const compare = $('compare');
const shareNote = $('share-note');

// One character per byte: 0x00-0xFF as U+0000-U+00FF (TextDecoder's
// "latin1" is windows-1252, which would change 0x80-0x9F).
function bytesToText(bytes) {
    let text = '';
    for (let i = 0; i < bytes.length; i += 8192) {
        text += String.fromCharCode.apply(null, bytes.subarray(i, i + 8192));
    }
    return text;
}

// The marks for the bytes a reader cannot see, and for the end of output.
const markNames = { 0x20: ['\u00b7', 'space'], 0x09: ['\u2192', 'tab'], 0x0d: ['\u240d', 'carriage return'],
                    0x0a: ['\u21b5', 'newline'] };
const endMark = '\u220e';
function withMarks(text) {
    return text.replace(/ /g, '\u00b7').replace(/\t/g, '\u2192').replace(/\r/g, '\u240d').replace(/\n/g, '\u21b5\n');
}

// Each program is compiled once, when it first runs, and handed to every
// worker that runs it. Compiled from its bytes, so that any server will do,
// whatever type it gives a .wasm file; one that fails to load is tried
// again on the next run.
const modules = new Map();
function compile(program) {
    if (!modules.has(program)) {
        const module = fetch(`programs/${program}.wasm`).then(async (response) => {
            if (!response.ok) throw new Error(`programs/${program}.wasm: ${response.status} ${response.statusText}`);
            return WebAssembly.compile(await response.arrayBuffer());
        });
        module.catch(() => modules.delete(program));
        modules.set(program, module);
    }
    return modules.get(program);
}

// Starts program in a new worker with args and the Blob stdin. onOutput
// gets (stream, bytes, dropped) as output arrives; the promise gives the
// exit status. stop() ends the run at once.
function start(program, args, stdin, onOutput) {
    const worker = new Worker(new URL('worker.js', import.meta.url), { type: 'module' });
    let settle;
    const done = new Promise((resolve) => (settle = resolve));
    const fail = (message) => {
        onOutput('stderr', new TextEncoder().encode(`${program}: ${message}\n`), 0);
        worker.terminate();
        settle(134);
    };
    worker.onmessage = ({ data }) => {
        if (data.stream) {
            onOutput(data.stream, data.bytes, data.dropped);
        } else {
            worker.terminate();
            settle(data.status);
        }
    };
    worker.onerror = (event) => {
        event.preventDefault();
        fail(`the page could not run it: ${event.message}`);
    };
    compile(program).then(
        (module) => worker.postMessage({ program, module, args, input: stdin, limits }),
        (error) => fail(`the browser could not load it: ${error.message ?? error}`));
    return {
        done,
        stop() {
            worker.terminate();
            settle(null);
        },
    };
}

// What a run wrote to one stream: the bytes kept, in the pieces they came
// in, and how many more were cut off.
class Stream {
    constructor() {
        this.pieces = [];
        this.size = 0;
        this.dropped = 0;
    }
    add(bytes, dropped) {
        if (bytes.length > 0) this.pieces.push(bytes);
        this.size += bytes.length;
        this.dropped += dropped;
    }
    // The bytes from offset begin to end.
    slice(begin, end) {
        const bytes = new Uint8Array(end - begin);
        let at = 0;
        for (const piece of this.pieces) {
            const from = Math.max(begin - at, 0);
            const to = Math.min(end - at, piece.length);
            if (from < to) bytes.set(piece.subarray(from, to), at + from - begin);
            at += piece.length;
            if (at >= end) break;
        }
        return bytes;
    }
}

// Each program's help text, as its --help prints it.
const helpTexts = new Map();
async function showHelp(program) {
    const help = $('help');
    if (!helpTexts.has(program)) {
        const pieces = [];
        const run = start(program, ['--help'], new Blob([]), (stream, bytes) => {
            if (stream === 'stdout') pieces.push(bytesToText(bytes));
        });
        await run.done;
        helpTexts.set(program, pieces.join(''));
    }
    if (programs.value === program) help.textContent = helpTexts.get(program);
}

// A text area with a file picker beside it: a chosen file stands in for the
// text, as its raw bytes, until it is cleared; the text is taken as UTF-8.
class TextOrFile {
    constructor(text, picker, name, clear, changed) {
        Object.assign(this, { text, picker, name, clear });
        picker.addEventListener('change', () => {
            this.showFile();
            changed();
        });
        clear.addEventListener('click', () => {
            this.clearFile();
            changed();
            text.focus();
        });
        text.addEventListener('input', changed);
    }
    blob() {
        if (this.picker.files.length > 0) return this.picker.files[0];
        return new Blob([new TextEncoder().encode(this.text.value)]);
    }
    showFile() {
        const chosen = this.picker.files[0];
        this.name.textContent = chosen ? `${chosen.name}, ${chosen.size.toLocaleString('en')} bytes` : '';
        this.clear.hidden = !chosen;
        this.text.disabled = Boolean(chosen);
    }
    clearFile() {
        this.picker.value = '';
        this.showFile();
    }
    // Puts bytes in the text area where it gives them back as they are (as
    // UTF-8 without a carriage return, which a text area turns into a line
    // feed), else in the picker as a file called name.
    put(bytes, name) {
        let text = null;
        try {
            text = new TextDecoder('utf-8', { fatal: true, ignoreBOM: true }).decode(bytes);
        } catch {
            // Not UTF-8: a file, below.
        }
        if (text !== null && !text.includes('\r')) {
            this.clearFile();
            this.text.value = text;
        } else {
            const transfer = new DataTransfer();
            transfer.items.add(new File([bytes], name));
            this.picker.files = transfer.files;
            this.showFile();
        }
    }
}

const stdin = new TextOrFile(input, file, $('file-name'), $('clear-file'), () => {
    ++exampleRequest;
    forgetLink();
    runLive();
});
const expectedOutput = new TextOrFile(expected, expectedFile, $('expected-file-name'), $('clear-expected-file'), () => {
    forgetLink();
    showComparison();
});

// The program's example input, from examples/PROGRAM.in. Each request, and
// each edit of the input, takes a new number: an example that arrives after
// another was asked for, or after the input was edited, is not shown
// (choosing the same program again must not undo what was typed since).
let exampleRequest = 0;
async function showExample(program) {
    const request = ++exampleRequest;
    const response = await fetch(`examples/${program}.in`);
    const text = response.ok ? await response.text() : '';
    if (request === exampleRequest) {
        stdin.clearFile();
        input.value = text;
        forgetLink();
        runLive();
    }
}

function showProgram(program) {
    download.download = `${program}.out`;
    showHelp(program);
}

function chooseProgram() {
    const program = programs.value;
    history.replaceState(null, '', `#${program}`);
    showProgram(program);
    showExample(program);
    runLive();
}

// The run on show: what it wrote, and whether it ended by itself.
let result = { stdout: new Stream(), stderr: new Stream(), ended: false, output: null };

// Shows a stream in a <pre>: all of it, or its first and last part with
// the count of the bytes between; with marks, ended by the end mark when
// the whole output is there.
function show(view, stream, marked, ended) {
    const text = (begin, end) => {
        const shownText = bytesToText(stream.slice(begin, end));
        return marked ? withMarks(shownText) : shownText;
    };
    const end = marked && ended && stream.dropped === 0 ? endMark : '';
    if (stream.size <= 2 * shown) {
        view.textContent = text(0, stream.size) + end;
        return;
    }
    const gap = document.createElement('span');
    gap.className = 'gap';
    gap.textContent = `${(stream.size - 2 * shown).toLocaleString('en')} bytes are not shown here; ` +
        'Download output gives them all.';
    view.replaceChildren(text(0, shown), gap, text(stream.size - shown, stream.size) + end);
}

// Output is shown at most every showPeriod ms, however fast it comes, and
// at once when the run ends.
let showTimer = 0;
let lastShown = 0;
const changed = new Set();
function showSoon(stream) {
    changed.add(stream);
    if (!showTimer) showTimer = setTimeout(showNow, Math.max(0, lastShown + showPeriod - performance.now()));
}
function showNow() {
    clearTimeout(showTimer);
    showTimer = 0;
    lastShown = performance.now();
    if (changed.has('stdout')) show(marks.checked ? stdoutMarked : stdout, result.stdout, marks.checked, result.ended);
    if (changed.has('stderr')) show(stderr, result.stderr, false, false);
    changed.clear();
}
function showCutOff(name) {
    const dropped = result[name].dropped;
    $(`${name}-note`).textContent = dropped === 0 ? '' :
        `Only the first ${(limits[name] >> 10).toLocaleString('en')} KiB are kept: ` +
        `${dropped.toLocaleString('en')} more bytes were cut off.`;
}

// The view chosen is filled at once, before the browser lays it out.
function showMarks() {
    stdoutMarked.hidden = !marks.checked;
    stdout.hidden = marks.checked;
    changed.add('stdout');
    showNow();
}

let running = null;
let runs = 0;

// Runs the chosen program on the input; a run going on is stopped first.
async function run() {
    clearTimeout(liveTimer);
    stop();
    const id = ++runs;
    const program = programs.value;
    result = { stdout: new Stream(), stderr: new Stream(), ended: false, output: null };
    stdout.textContent = '';
    stdoutMarked.textContent = '';
    stderr.textContent = '';
    showCutOff('stdout');
    showCutOff('stderr');
    status.value = '';
    compare.value = '';
    if (download.href) URL.revokeObjectURL(download.href);
    download.removeAttribute('href');
    runButton.disabled = true;
    stopButton.disabled = false;

    const thisRun = start(program, [], stdin.blob(), (name, bytes, dropped) => {
        if (id !== runs) return;
        result[name].add(bytes, dropped);
        if (bytes.length > 0) showSoon(name);
        if (dropped > 0) showCutOff(name);
    });
    running = thisRun;
    const exitStatus = await thisRun.done;
    if (id !== runs) return; // a newer run took its place
    running = null;
    result.ended = exitStatus !== null;
    result.output = result.stdout.slice(0, result.stdout.size);
    download.href = URL.createObjectURL(new Blob([result.output], { type: 'application/octet-stream' }));
    try {
        copyText = new TextDecoder('utf-8', { fatal: true }).decode(result.output);
    } catch {
        copyText = bytesToText(result.output);
    }
    changed.add('stdout').add('stderr');
    showNow();
    runButton.disabled = false;
    stopButton.disabled = true;
    await showComparison();
    if (id !== runs) return;
    // Last, so that when the status shows, the output, its download, the
    // comparison and the buttons are all ready.
    status.value = exitStatus === null ? 'stopped' : String(exitStatus);
}

function stop() {
    if (running) running.stop();
}

// Live output: the program runs again a short pause after each edit.
let liveTimer = 0;
function runLive() {
    clearTimeout(liveTimer);
    if (live.checked) liveTimer = setTimeout(run, livePause);
}

// The output as text to copy: its characters where its bytes are UTF-8, so
// that pasting it gives those bytes again, else one character per byte.
let copyText = '';
async function copyOutput() {
    try {
        await navigator.clipboard.writeText(copyText);
    } catch {
        // Without clipboard access (a page not served from a secure origin),
        // select the output for the reader to copy.
        getSelection().selectAllChildren(marks.checked ? stdoutMarked : stdout);
    }
}

// A byte as the comparison names it: with its mark where it has one.
function describeByte(bytes, at) {
    if (at >= bytes.length) return `${endMark} end of output`;
    const byte = bytes[at];
    const hex = `0x${byte.toString(16).toUpperCase().padStart(2, '0')}`;
    if (markNames[byte]) return `${markNames[byte][0]} ${markNames[byte][1]} (${hex})`;
    if (byte > 0x20 && byte < 0x7f) return `${String.fromCharCode(byte)} (${hex})`;
    return hex;
}

// Where the output first differs from the expected bytes. complete is
// false when the run was stopped or its output cut off: then only a
// difference within the bytes there are can be told.
function comparison(output, expectedBytes, complete) {
    const length = Math.min(output.length, expectedBytes.length);
    let at = 0;
    while (at < length && output[at] === expectedBytes[at]) ++at;
    if (at === output.length && !complete) {
        return `no difference in the ${at.toLocaleString('en')} bytes there are, but the output is not all there`;
    }
    if (at === output.length && at === expectedBytes.length) return 'same bytes';
    let line = 1;
    let lineStart = 0;
    for (let i = 0; i < at; ++i) {
        if (output[i] === 0x0a) {
            ++line;
            lineStart = i + 1;
        }
    }
    return `differs at line ${line}, column ${at - lineStart + 1}, byte offset ${at}: ` +
        `the output has ${describeByte(output, at)}, the expected output has ${describeByte(expectedBytes, at)}`;
}

// Compares the last run's output with the expected output, when both are there.
let comparisons = 0;
async function showComparison() {
    const request = ++comparisons;
    const expectedBlob = expectedOutput.blob();
    if (result.output === null || expectedBlob.size === 0) {
        compare.value = '';
        return;
    }
    const expectedBytes = new Uint8Array(await expectedBlob.arrayBuffer());
    if (request !== comparisons) return;
    compare.value = comparison(result.output, expectedBytes, result.ended && result.stdout.dropped === 0);
}

// A link that holds a run: #PROGRAM/DATA, DATA the input's size in decimal,
// a newline, the input and the expected output, compressed (deflate) and in
// base64url. It stays in the fragment, which a browser never sends.
async function pack(inputBlob, expectedBlob) {
    const payload = new Blob([`${inputBlob.size}\n`, inputBlob, expectedBlob]);
    const reader = payload.stream().pipeThrough(new CompressionStream('deflate-raw')).getReader();
    const pieces = [];
    let size = 0;
    for (;;) {
        const { done, value } = await reader.read();
        if (done) break;
        size += value.length;
        if (size > linkLimit) {
            await reader.cancel();
            return null;
        }
        pieces.push(value);
    }
    const compressed = new Uint8Array(await new Blob(pieces).arrayBuffer());
    return btoa(bytesToText(compressed)).replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
}
async function unpack(data) {
    const compressed = Uint8Array.from(atob(data.replace(/-/g, '+').replace(/_/g, '/')), (c) => c.charCodeAt(0));
    const inflated = new Blob([compressed]).stream().pipeThrough(new DecompressionStream('deflate-raw'));
    const bytes = new Uint8Array(await new Response(inflated).arrayBuffer());
    const newline = bytes.indexOf(0x0a);
    const size = bytesToText(bytes.subarray(0, newline));
    const begin = newline + 1;
    if (newline < 0 || !/^[0-9]+$/.test(size) || begin + Number(size) > bytes.length) throw new Error('no input size');
    return { input: bytes.subarray(begin, begin + Number(size)), expected: bytes.subarray(begin + Number(size)) };
}

async function share() {
    const data = await pack(stdin.blob(), expectedOutput.blob());
    if (data === null) {
        shareNote.value = `Too large for a link: the input and expected output take more than ` +
            `${linkLimit >> 10} KiB once compressed. Share them as files instead.`;
        return;
    }
    history.replaceState(null, '', `#${programs.value}/${data}`);
    try {
        await navigator.clipboard.writeText(location.href);
        shareNote.value = 'The address of this page now holds this run, and is copied.';
    } catch {
        shareNote.value = 'The address of this page now holds this run: copy it from the address bar.';
    }
}

// Once the input or the expected output is edited, the address no longer
// holds the run shown, and goes back to naming the program.
function forgetLink() {
    if (!location.hash.includes('/')) return;
    history.replaceState(null, '', `#${programs.value}`);
    shareNote.value = '';
}

// Opens the page's link: #PROGRAM chooses a program and shows its example;
// a link made by Share restores its run, and runs it.
async function openLink() {
    const [program, data] = decodeURIComponent(location.hash.slice(1)).split('/');
    if (![...programs.options].some((option) => option.value === program)) {
        chooseProgram();
        return;
    }
    programs.value = program;
    if (data === undefined) {
        chooseProgram();
        return;
    }
    let held;
    try {
        held = await unpack(data);
    } catch {
        chooseProgram();
        shareNote.value = 'The run in this link could not be read: the link may have been cut short.';
        return;
    }
    showProgram(program);
    stdin.put(held.input, 'input');
    expectedOutput.put(held.expected, 'expected output');
    run();
}

// On a narrow screen the help is folded after the first visit, so that the
// input, the Run button and the output come first.
function foldHelp() {
    try {
        if (localStorage.getItem('minitools-visited') && matchMedia('(max-width: 40rem)').matches) $('about').open = false;
        localStorage.setItem('minitools-visited', 'yes');
    } catch {
        // No storage (blocked by the reader): every visit is a first one.
    }
}

// Ctrl+Enter (Cmd+Enter on a Mac) runs, as the Run button would; Escape
// stops the run going on.
function onKey(event) {
    if (event.key === 'Enter' && (event.ctrlKey || event.metaKey)) {
        event.preventDefault();
        if (!runButton.disabled) run();
    } else if (event.key === 'Escape' && running) {
        event.preventDefault();
        stop();
    }
}
if (/Mac|iPhone|iPad/.test(navigator.platform)) {
    runButton.title = 'Run (\u2318+Enter)';
    $('keys').textContent = '\u2318+Enter runs, Escape stops';
}

programs.addEventListener('change', chooseProgram);
$('example').addEventListener('click', () => showExample(programs.value));
runButton.addEventListener('click', run);
stopButton.addEventListener('click', stop);
live.addEventListener('change', () => {
    if (live.checked) run();
    else clearTimeout(liveTimer);
});
marks.addEventListener('change', showMarks);
$('copy').addEventListener('click', copyOutput);
$('share').addEventListener('click', share);
document.addEventListener('keydown', onKey);

foldHelp();
openLink();
