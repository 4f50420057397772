// Runs WebAssembly programs for the test runner, one after another in this
// one node: node's own start costs about a tenth of a second, near all of a
// program's start, and the tests start programs thousands of times. Each run
// is a fresh instance of the program, run by the runner's own run() from
// tools/wasi-run.mjs; what the runner's own process adds (a closed standard
// input or output, the environment, limits) is tested through wasi-run.mjs
// itself.
//
// Requests come on standard input, each as NUL-terminated fields: the
// module's path, the paths standard input, output and error are opened from,
// the number of arguments, and the arguments. The answer is a line on
// standard output: the exit status and the program's peak memory in KiB,
// or "- WHY" when a standard stream could not be opened.
import { closeSync, openSync, readFileSync, readSync, writeSync } from 'node:fs';
import { basename } from 'node:path';
import { failed, run } from '../tools/wasi-run.mjs';

const modules = new Map();
function compiled(path) {
    if (!modules.has(path)) modules.set(path, new WebAssembly.Module(readFileSync(path)));
    return modules.get(path);
}

// A run leaves open what its WASI instance opened, as node closes nothing
// when an instance ends: its standard streams, its folders, files it did not
// close. The host closes the standard streams it opened (a program may have
// closed one already): an output pipe's reader sees its end only then. The
// rest stays until the host ends: the test runner starts a new host after a
// few hundred runs. (Closing every descriptor that opened during a run would
// close node's own too: its threads open files while a run goes on.)
function runOnce(path, [stdinPath, stdoutPath, stderrPath], args) {
    const stdio = {};
    try {
        stdio.stdin = openSync(stdinPath, 'r');
        stdio.stdout = openSync(stdoutPath, 'w');
        stdio.stderr = openSync(stderrPath, 'w');
        let result;
        try {
            result = run(compiled(path), basename(path), args, stdio);
        } catch (error) {
            result = { status: failed(basename(path), error, stdio.stderr), memory: 0 };
        }
        return `${result.status} ${Math.ceil(result.memory / 1024)}\n`;
    } catch (error) {
        return `- ${error.message.replaceAll('\n', ' ')}\n`;
    } finally {
        for (const fd of Object.values(stdio)) {
            try {
                closeSync(fd);
            } catch {
                // closed by the program
            }
        }
    }
}

// The fields of the first whole request in bytes, and where it ends; none
// while it is not all there.
function request(bytes) {
    const fields = [];
    for (let start = 0, end; (end = bytes.indexOf(0, start)) >= 0; start = end + 1) {
        fields.push(bytes.toString('utf8', start, end));
        if (fields.length >= 5 && fields.length === 5 + Number(fields[4])) return { fields, end: end + 1 };
    }
    return undefined;
}

// Answers each request as it comes, until the test runner closes the pipe.
let pending = Buffer.alloc(0);
const chunk = Buffer.alloc(65536);
for (;;) {
    const whole = request(pending);
    if (whole === undefined) {
        const n = readSync(0, chunk);
        if (n === 0) break;
        pending = Buffer.concat([pending, chunk.subarray(0, n)]);
        continue;
    }
    pending = pending.subarray(whole.end);
    const [path, stdinPath, stdoutPath, stderrPath, , ...args] = whole.fields;
    writeSync(1, runOnce(path, [stdinPath, stdoutPath, stderrPath], args));
}
