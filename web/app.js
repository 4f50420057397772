// The page: choose a program, give it standard input, run it in a worker
// (worker.js) and show what it writes, byte for byte.

// What is kept of each stream; the rest is counted, not shown.
const limits = { stdout: 8 << 20, stderr: 64 << 10 };

const $ = (id) => document.getElementById(id);
const programs = $('program');
const input = $('input');
const file = $('file');
const runButton = $('run');
const stopButton = $('stop');
const status = $('status');
const stdout = $('stdout');
const stdoutMarked = $('stdout-marked');
const marks = $('marks');
const download = $('download');

// One character per byte: 0x00-0xFF as U+0000-U+00FF (TextDecoder's
// "latin1" is windows-1252, which would change 0x80-0x9F).
function bytesToText(bytes) {
    let text = '';
    for (let i = 0; i < bytes.length; i += 8192) {
        text += String.fromCharCode.apply(null, bytes.subarray(i, i + 8192));
    }
    return text;
}

// Starts program in a new worker with args and the Blob stdin. onOutput
// gets (stream, bytes, dropped) as output arrives; the promise gives the
// exit status. stop() ends the run at once.
function start(program, args, stdin, onOutput) {
    const worker = new Worker(new URL('worker.js', import.meta.url), { type: 'module' });
    let settle;
    const done = new Promise((resolve) => (settle = resolve));
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
        onOutput('stderr', new TextEncoder().encode(`${program}: the page could not run it: ${event.message}\n`), 0);
        worker.terminate();
        settle(134);
    };
    worker.postMessage({ program, args, input: stdin, limits });
    return {
        done,
        stop() {
            worker.terminate();
            settle(null);
        },
    };
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

// The program's example input, from examples/PROGRAM.in. Each request, and
// each edit of the text area, takes a new number: an example that arrives
// after another was asked for, or after the text was edited, is not shown
// (choosing the same program again must not undo what was typed since).
let exampleRequest = 0;
async function showExample(program) {
    const request = ++exampleRequest;
    const response = await fetch(`examples/${program}.in`);
    const text = response.ok ? await response.text() : '';
    if (request === exampleRequest) {
        clearFile();
        input.value = text;
    }
}

function chooseProgram() {
    const program = programs.value;
    history.replaceState(null, '', `#${program}`);
    download.download = `${program}.out`;
    showHelp(program);
    showExample(program);
}

// A file chosen in the picker is the input, as raw bytes, until it is
// cleared; otherwise the text area is, as UTF-8.
function chosenInput() {
    if (file.files.length > 0) return file.files[0];
    return new Blob([new TextEncoder().encode(input.value)]);
}
function showFile() {
    const chosen = file.files[0];
    $('file-name').textContent = chosen ? `${chosen.name}, ${chosen.size.toLocaleString('en')} bytes` : '';
    $('clear-file').hidden = !chosen;
    input.disabled = Boolean(chosen);
}
function clearFile() {
    file.value = '';
    showFile();
}

// The output view with every line end, space, tab and carriage return
// marked; the output itself is left as it is.
function markOutput() {
    stdoutMarked.hidden = !marks.checked;
    stdout.hidden = marks.checked;
    if (!marks.checked) return;
    stdoutMarked.textContent = stdout.textContent
        .replace(/ /g, '\u00b7')
        .replace(/\t/g, '\u2192')
        .replace(/\r/g, '\u240d')
        .replace(/\n/g, '\u21b5\n');
}

let running = null;

async function run() {
    const program = programs.value;
    const collected = { stdout: [], stderr: [] };
    const dropped = { stdout: 0, stderr: 0 };
    stdout.textContent = '';
    $('stderr').textContent = '';
    $('stdout-note').textContent = '';
    $('stderr-note').textContent = '';
    status.value = '';
    download.removeAttribute('href');
    runButton.disabled = true;
    stopButton.disabled = false;

    const view = { stdout, stderr: $('stderr') };
    running = start(program, [], chosenInput(), (stream, bytes, more) => {
        if (bytes.length > 0) {
            collected[stream].push(bytes);
            view[stream].append(bytesToText(bytes));
        }
        dropped[stream] += more;
        if (dropped[stream] > 0) {
            $(`${stream}-note`).textContent =
                `Only the first ${(limits[stream] >> 10).toLocaleString('en')} KiB are shown: ` +
                `${dropped[stream].toLocaleString('en')} more bytes were cut off.`;
        }
    });
    const exitStatus = await running.done;
    running = null;
    const output = new Blob(collected.stdout, { type: 'application/octet-stream' });
    download.href = URL.createObjectURL(output);
    try {
        copyText = new TextDecoder('utf-8', { fatal: true }).decode(await output.arrayBuffer());
    } catch {
        copyText = stdout.textContent;
    }
    runButton.disabled = false;
    stopButton.disabled = true;
    markOutput();
    // Last, so that when the status shows, the output, its download and
    // the buttons are all ready.
    status.value = exitStatus === null ? 'stopped' : String(exitStatus);
}

function stop() {
    if (running) running.stop();
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
        getSelection().selectAllChildren(stdout);
    }
}

programs.addEventListener('change', chooseProgram);
input.addEventListener('input', () => ++exampleRequest);
file.addEventListener('change', showFile);
$('clear-file').addEventListener('click', clearFile);
$('example').addEventListener('click', () => showExample(programs.value));
runButton.addEventListener('click', run);
stopButton.addEventListener('click', stop);
marks.addEventListener('change', markOutput);
$('copy').addEventListener('click', copyOutput);

const linked = decodeURIComponent(location.hash.slice(1));
if ([...programs.options].some((option) => option.value === linked)) programs.value = linked;
chooseProgram();
