// Runs one program in a Web Worker, so that a long run never holds up the
// page, which ends a run by ending its worker.
//
// The page posts { program, module, args, input, limits }: module is the
// program compiled (a WebAssembly.Module), input is a Blob, read a
// piece at a time as the program asks for it, so a file of any size runs in
// little memory. The worker posts what the program writes as it goes,
// { stream: 'stdout' | 'stderr', bytes, dropped }, and at the end
// { status }. Of each stream only the first limits[stream] bytes are sent;
// the rest is counted in dropped and the program goes on, as it would with
// its output sent to a file.
import { ConsoleStdout, Fd, WASI, WASIProcExit, wasi } from './vendor/browser_wasi_shim/index.js';

// Standard input: the bytes of a Blob, read on demand.
class BlobInput extends Fd {
    constructor(blob) {
        super();
        this.blob = blob;
        this.position = 0;
        this.reader = new FileReaderSync();
    }
    fd_fdstat_get() {
        return { ret: wasi.ERRNO_SUCCESS, fdstat: new wasi.Fdstat(wasi.FILETYPE_REGULAR_FILE, 0) };
    }
    fd_read(size) {
        const end = Math.min(this.blob.size, this.position + size);
        const data = new Uint8Array(this.reader.readAsArrayBuffer(this.blob.slice(this.position, end)));
        this.position = end;
        return { ret: wasi.ERRNO_SUCCESS, data };
    }
}

// Standard output or error: sent to the page in batches, at most every
// tenth of a second or 64 KiB, so that a long run shows its output as it
// comes without a message per write.
class PageOutput extends ConsoleStdout {
    constructor(stream, limit) {
        super((bytes) => this.take(bytes));
        this.stream = stream;
        this.room = limit;
        this.pending = [];
        this.pendingSize = 0;
        this.dropped = 0;
        this.sent = performance.now();
    }
    // Output that is neither a terminal nor seekable, like a pipe: the
    // program buffers it fully.
    fd_fdstat_get() {
        return { ret: wasi.ERRNO_SUCCESS, fdstat: new wasi.Fdstat(wasi.FILETYPE_UNKNOWN, 0) };
    }
    take(bytes) {
        const kept = Math.min(this.room, bytes.length);
        if (kept > 0) {
            this.pending.push(bytes.subarray(0, kept));
            this.pendingSize += kept;
            this.room -= kept;
        }
        this.dropped += bytes.length - kept;
        if (this.pendingSize >= 65536 || performance.now() - this.sent >= 100) this.send();
    }
    send() {
        const bytes = new Uint8Array(this.pendingSize);
        let at = 0;
        for (const piece of this.pending) {
            bytes.set(piece, at);
            at += piece.length;
        }
        postMessage({ stream: this.stream, bytes, dropped: this.dropped }, [bytes.buffer]);
        this.pending = [];
        this.pendingSize = 0;
        this.dropped = 0;
        this.sent = performance.now();
    }
}

onmessage = async ({ data: { program, module, args, input, limits } }) => {
    const stdout = new PageOutput('stdout', limits.stdout);
    const stderr = new PageOutput('stderr', limits.stderr);
    let status;
    try {
        const runtime = new WASI([program, ...args], [], [new BlobInput(input), stdout, stderr], { debug: false });
        const instance = await WebAssembly.instantiate(module, { wasi_snapshot_preview1: runtime.wasiImport });
        status = runtime.start(instance);
    } catch (error) {
        if (error instanceof WASIProcExit) {
            status = error.code;
        } else {
            // A program that cannot be instantiated, or traps (it never
            // should), ends as an abort would.
            stderr.take(new TextEncoder().encode(`${program}: the browser could not run it: ${error.message ?? error}\n`));
            status = 134;
        }
    }
    stdout.send();
    stderr.send();
    postMessage({ status });
};
