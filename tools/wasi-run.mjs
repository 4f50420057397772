// Runs a WebAssembly program built for WASI under node, as the shell would
// run a native one: wasi-run.mjs PROGRAM.wasm [ARG]...
// Its arguments follow it, standard input, output and error are node's, and
// its exit status is node's. It sees two folders only: the working folder,
// and the folder of its FILE operand under the name the operand gives it
// (a FILE that cannot be opened fails with the message the native program
// gives). A program that traps (it never should) ends with a message and
// status 134, as an abort would.
//
// For the tests only: WASI_RUN_ROOT=FOLDER makes FOLDER stand for / in
// absolute names; and the tests' host (tests/wasi-host.mjs), which runs many
// programs in one node, imports run() from here.
import { closeSync, constants, openSync, readFileSync, realpathSync, writeSync } from 'node:fs';
import { basename, dirname, isAbsolute } from 'node:path';
import { fileURLToPath } from 'node:url';
import { setFlagsFromString } from 'node:v8';
import { WASI } from 'node:wasi';

// The FILE operand, found as the programs find it: options stand before
// "--", "-" is standard input, and only the first operand is read (a second
// one is refused before anything is opened).
function fileOperand(args) {
    let optionsEnded = false;
    for (const arg of args) {
        if (optionsEnded || arg === '-' || arg === '' || !arg.startsWith('-')) return arg === '-' ? undefined : arg;
        if (arg === '--') optionsEnded = true;
    }
    return undefined;
}

// Where a folder the program names is on this machine. The name is passed on
// as it stands, so that the system resolves ".." after symbolic links, as
// it does for a native program.
function hostPath(name) {
    const root = process.env.WASI_RUN_ROOT ?? '/';
    if (!isAbsolute(name)) return `${process.cwd()}/${name}`;
    return root === '/' ? name : `${root}/${name}`;
}

// node refuses to start a program with a folder it cannot open.
function opens(name) {
    try {
        closeSync(openSync(hostPath(name), constants.O_RDONLY | constants.O_DIRECTORY));
        return true;
    } catch {
        return false;
    }
}

// WASI's C library takes a name from the longest folder name it starts with,
// a relative name as if it started with "/", and of two folders with the same
// name the one given last: so FILE's folder comes after ".", and wins when it
// is "/". A folder that cannot be opened (missing, a file, not readable)
// gives way to the nearest one above it that can, where opening FILE then
// fails as it does natively.
function folders(args) {
    const open = {};
    if (opens('.')) open['.'] = hostPath('.');
    const file = fileOperand(args);
    if (file === undefined || file === '') return open;
    // A folder given as FILE is given itself: the program opens it as it
    // is, and finds that it cannot read it.
    let folder = opens(file) ? file : dirname(file);
    while (!opens(folder) && dirname(folder) !== folder) folder = dirname(folder);
    // A relative name is given as if it were absolute, which WASI's C library
    // takes for the same name: node follows a link in a folder given by a
    // relative name as if the link were somewhere else.
    if (folder !== '.' && opens(folder)) open[isAbsolute(folder) ? folder : `/${folder}`] = hostPath(folder);
    return open;
}

// node 20 and 22 call their WASI functions from WebAssembly through V8's fast
// API calls, which a collection of garbage inside such a call can break: after
// a long run with much input the program's output is all written, then node
// dies with SIGSEGV as the program returns (nodejs/node#46777, #53087). The
// ordinary calls cost no time that shows on the bench's inputs.
setFlagsFromString('--no-turbo-fast-api-calls');

// Says why a program could not run, or how it trapped, on its standard error.
export function failed(file, error, stderr = 2) {
    writeSync(stderr, `wasi-run: ${file}: ${error.message}\n`);
    return 134;
}

// Runs a compiled program to its end, with its standard input, output and
// error on the descriptors given (node's own by default); file is the name
// of its module. Returns its exit status and the size of its memory at the
// end, which is its peak: a program's memory only grows.
export function run(module, file, args, stdio = {}) {
    const wasi = new WASI({
        version: 'preview1',
        args: [basename(file, '.wasm'), ...args],
        env: {},
        preopens: folders(args),
        returnOnExit: true,
        ...stdio,
    });
    try {
        const instance = new WebAssembly.Instance(module, { wasi_snapshot_preview1: wasi.wasiImport });
        const status = wasi.start(instance);
        return { status, memory: instance.exports.memory.buffer.byteLength };
    } catch (error) {
        return { status: failed(file, error, stdio.stderr), memory: 0 };
    }
}

// Whether this file is what node was asked to run, not a module imported.
function runAsCommand() {
    try {
        return realpathSync(fileURLToPath(import.meta.url)) === realpathSync(process.argv[1]);
    } catch {
        return false;
    }
}

if (runAsCommand()) {
    const [path, ...args] = process.argv.slice(2);
    if (path === undefined) {
        process.stderr.write('usage: wasi-run.mjs PROGRAM.wasm [ARG]...\n');
        process.exit(2);
    }
    try {
        process.exitCode = run(new WebAssembly.Module(readFileSync(path)), basename(path), args).status;
    } catch (error) {
        process.exitCode = failed(basename(path), error);
    }
}
