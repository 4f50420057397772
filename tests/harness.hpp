// Runs a built program on a given standard input and captures what it does.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace minitools {

struct Result {
    std::string out;
    std::string err;
    int status = -1;         // exit status, or -1 when killed by a signal
    int signal = 0;          // the signal that ended it, if any
    bool timed_out = false;  // killed after RunOptions::timeout_seconds
    long max_rss_kib = 0;    // peak resident memory, when RunOptions::measure_memory
    double seconds = 0;      // wall-clock time
};

struct RunOptions {
    std::vector<std::string> args = {};
    std::string stdout_path = {};  // empty: captured into Result::out
    bool closed_pipe = false;      // standard output is a pipe nobody reads
    std::size_t output_limit = 0;  // if set, a pipe closed after this many bytes
    double timeout_seconds = 60;
    std::string stdin_path = {};                // empty: the input given to run()
    bool piped_stdin = false;                   // standard input is a pipe that cat feeds, not the file
    bool closed_stdin = false;                  // standard input not open at all
    bool closed_stdout = false;                 // standard output not open at all
    bool sigpipe_ignored = false;               // started with SIGPIPE ignored, as some shells and services do
    std::size_t address_space_kib = 0;          // if set, the child's address space is limited to this
    std::string working_dir = {};               // if set, the program starts in this folder
    std::vector<std::string> environment = {};  // NAME=VALUE added to the program's environment
    bool unprivileged = false;                  // run as nobody (see can_run_unprivileged)
    bool measure_memory = false;                // started by the helper that measures its peak memory
    // One of the many starts of a generated sweep or of the hostile inputs.
    // Under the sanitizers, the leak check at exit costs more than the rest of
    // a start (about 35 of 58 ms of CPU), and a leak shows on every start that
    // takes its path: it runs on every third such start of a test runner (and
    // on every start that is not one of these). AddressSanitizer and
    // UndefinedBehaviorSanitizer check every start.
    bool sweep = false;
    // Started as a process of its own even where a host could run it (see
    // programs.hpp).
    bool own_process = false;
};

// Whether a program can run unprivileged from a folder: always for a user
// other than root; for root, when setpriv is there to become nobody and nobody
// may reach the folder, the program and its emulator (root reads every file,
// so a file it may not read cannot be shown otherwise).
bool can_run_unprivileged(std::string_view program, const std::string& folder);

Result run(std::string_view program, std::string_view input, const RunOptions& options = {});

// Runs a program with standard input and output on a pseudo-terminal (raw:
// no echo, no newline translation). For each step, writes its input, then
// waits until as much has been printed as the steps so far expect. Returns
// what was printed, up to the first step whose output did not come within
// seconds.
struct TerminalStep {
    std::string input;
    std::string expect;  // what the program prints after this input
};
std::string run_on_terminal(std::string_view program, const std::vector<TerminalStep>& steps, double seconds = 10);

// A recorded example of a program: examples/PROGRAM.in or .out ("" if none).
std::string example(std::string_view program, std::string_view extension);

// One end-to-end case: input, expected output (byte for byte) and status.
// A case with status 1 also expects one line on standard error that starts
// with the program's name; a case with status 0 expects nothing there.
struct Case {
    std::string_view name;
    std::string_view input;
    std::string_view out;
    int status = 0;
    std::string_view err_has = {};  // a piece the diagnostic must contain
};

void expect_case(std::string_view program, const Case& c);
void expect_cases(std::string_view program, const std::vector<Case>& cases);

}  // namespace minitools
