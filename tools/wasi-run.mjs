// Runs a WebAssembly program built for WASI under node, as the shell would
// run a native one: wasi-run.mjs PROGRAM.wasm [ARG]...
// Its arguments follow it, standard input, output and error are node's, the
// whole file system is open to it (a FILE operand is read where it is, an
// absolute name from /, a relative one from the working folder), and its exit
// status is node's. A program that traps (it never should) ends with
// a message and status 134, as an abort would.
import { readdirSync } from 'node:fs';
import { readFile } from 'node:fs/promises';
import { basename } from 'node:path';
import { WASI } from 'node:wasi';

const [path, ...args] = process.argv.slice(2);
if (path === undefined) {
    process.stderr.write('usage: wasi-run.mjs PROGRAM.wasm [ARG]...\n');
    process.exit(2);
}
// The folders the program may open files in. WASI's C library takes a name
// from the longest folder name it starts with, and a relative name from ".",
// so each folder at the top of the file system is given by its own name: "/"
// itself would take relative names too.
function folders() {
    const open = { '.': process.cwd() };
    for (const entry of readdirSync('/', { withFileTypes: true })) {
        if (entry.isDirectory() || entry.isSymbolicLink()) open[`/${entry.name}`] = `/${entry.name}`;
    }
    return open;
}

const wasi = new WASI({
    version: 'preview1',
    args: [basename(path, '.wasm'), ...args],
    env: {},
    preopens: folders(),
    returnOnExit: true,
});
try {
    const module = await WebAssembly.compile(await readFile(path));
    const instance = await WebAssembly.instantiate(module, wasi.getImportObject());
    process.exitCode = wasi.start(instance);
} catch (error) {
    process.stderr.write(`wasi-run: ${basename(path)}: ${error.message}\n`);
    process.exitCode = 134;
}
