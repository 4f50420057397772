// Runs a WebAssembly program built for WASI under node, as the shell would
// run a native one: wasi-run.mjs PROGRAM.wasm [ARG]...
// Its arguments follow it, standard input, output and error are node's, and
// its exit status is node's. What it sees of the file system, and how a trap
// ends it: wasi-program.mjs.
import { readFile } from 'node:fs/promises';
import { basename } from 'node:path';
import { failed, run } from './wasi-program.mjs';

const [path, ...args] = process.argv.slice(2);
if (path === undefined) {
    process.stderr.write('usage: wasi-run.mjs PROGRAM.wasm [ARG]...\n');
    process.exit(2);
}
try {
    process.exitCode = run(new WebAssembly.Module(await readFile(path)), basename(path), args).status;
} catch (error) {
    process.exitCode = failed(basename(path), error);
}
