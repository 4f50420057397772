// The programs of this build and how to start them. The values are
// generated for each build (programs.cpp, from programs.cpp.in); this header
// is the same in every build, so the test sources compile to the same
// objects in every preset (and a compiler cache shares them).
#pragma once

#include <span>
#include <string_view>

namespace minitools {
// Where the programs are.
extern const std::string_view bin_dir;
// The command that runs a program of this build, ';'-separated (empty for a
// native build): in a cross build, the emulator.
extern const std::string_view emulator;
// Every start of a program costs tens of milliseconds under an emulator, so
// the generated sweeps that start one thousands of times take a sample there
// (the tables of cases run whole on every target).
extern const bool emulated;
// The command that starts a host which runs many programs one after another
// in one process (tests/wasi-host.mjs for WebAssembly), ';'-separated; empty
// where each run starts the program on its own. A run through the host
// measures as a program's peak memory the memory it allocated, without
// node's own.
extern const std::string_view host;
// The command that starts the helper which measures a program's peak memory
// (tests/measure.cpp), ';'-separated: in a cross build, the emulator first.
extern const std::string_view measure;
// The programs are built with AddressSanitizer, which reserves terabytes of
// address space at start: limits on it cannot be tested.
extern const bool sanitized;
// The programs are built for coverage (they write their counts as their owner).
extern const bool covered;
// The generated sweeps and the hostile inputs, which start a program
// hundreds of times, take every third case under an emulator (qemu-user,
// wine, node), where a start costs a tenth to a fifth of a second.
extern const int sample_step;
// How the programs' file names end (".exe" for Windows programs).
extern const std::string_view program_suffix;
// The programs are Windows programs (run under wine): what only a POSIX
// system has (terminals, SIGPIPE, a directory as standard input) is not tested.
extern const bool programs_on_windows;
// The programs are WebAssembly modules, run by node (tools/wasi-run.mjs):
// node opens /dev/null in place of a standard input or output that was
// closed.
extern const bool programs_on_wasi;
extern const std::string_view examples_dir;
// Tables of cases kept as data (tests/reference/*.txt).
extern const std::string_view reference_dir;
// Every program of the suite, in the order the build adds them.
extern const std::span<const std::string_view> programs;
}  // namespace minitools
