// Show that every program of the build answers --help and --version, takes
// its operands and options as the usual Unix filters do, says where bad
// input is, and never reports success when a read or write failed.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iostream>

#include "harness.hpp"
#include "programs.hpp"

namespace {

using minitools::run;

// Every program has a recorded example; a missing one is a test failure.
std::string example(std::string_view program, const char* extension) {
    const std::string path = std::string(minitools::examples_dir) + "/" + std::string(program) + extension;
    EXPECT_TRUE(std::filesystem::exists(path)) << "no example " << path;
    return minitools::example(program, extension);
}

// The examples the documentation shows are run as they stand, so they
// cannot drift from what the programs print.
// Where a host runs the programs, each also runs as a process of its own.
TEST(Suite, EveryProgramPrintsItsRecordedExample) {
    for (std::string_view program : minitools::programs) {
        for (bool own_process : {false, true}) {
            if (own_process && minitools::host.empty()) continue;
            SCOPED_TRACE(std::string(program) + (own_process ? " in a process of its own" : ""));
            auto r = run(program, example(program, ".in"), {.own_process = own_process});
            EXPECT_EQ(r.out, example(program, ".out"));
            EXPECT_EQ(r.status, 0);
            EXPECT_EQ(r.err, "");
        }
    }
}

// The two programs that read nothing take no operand either.
bool reads_input(std::string_view program) { return program != "floatsub" && program != "floatratio"; }

TEST(Suite, EveryProgramHasHelpAndVersion) {
    for (std::string_view program : minitools::programs) {
        SCOPED_TRACE(program);
        const std::string name(program);
        auto help = run(program, "", {{"--help"}});
        EXPECT_EQ(help.status, 0);
        const std::string usage =
            "Usage: " + name + (reads_input(program) ? " [FILE]" : "") + "\n  or:  " + name + " OPTION\n";
        EXPECT_EQ(help.out.rfind(usage, 0), 0u) << help.out;
        // Then a one-sentence summary (the manual page's name line) and a
        // blank line.
        const std::size_t summary_end = help.out.find('\n', usage.size());
        EXPECT_EQ(help.out[summary_end - 1], '.') << help.out;
        EXPECT_EQ(help.out[summary_end + 1], '\n') << help.out;
        for (const char* part : {"\nOptions:\n", "\nExample:\n  $ ", "\nExit status:\n  0  ", "\n  1  ", "\n  2  "}) {
            EXPECT_NE(help.out.find(part), std::string::npos) << part;
        }
        EXPECT_EQ(help.out.find("With no FILE") != std::string::npos, reads_input(program));
        EXPECT_EQ(help.err, "");
        auto version = run(program, "", {{"--version"}});
        EXPECT_EQ(version.status, 0);
        EXPECT_EQ(version.out, name +
                                   " (minitools) 1.0.0\n"
                                   "Copyright (C) 2026 the minitools authors.\n"
                                   "License MIT: <https://opensource.org/licenses/MIT>.\n"
                                   "There is NO WARRANTY, to the extent permitted by law.\n");
    }
}

// Operands, options and failed reads, the way every Unix filter takes them.
// In "err", NAME stands for the program and FILE for its example's path.
// Standard input is a directory unless a row says otherwise, so a program
// that read it when it should not would fail with a read error.
TEST(Suite, CommandLineLikeEveryFilter) {
    enum Input { directory, example_input, closed };
    struct Row {
        std::string_view name;
        std::vector<std::string> args;
        Input input;
        int status;  // for the programs that read input
        std::string err;
        bool example_out;         // prints the example's output
        bool posix_only = false;  // standard input as only POSIX has it
    };
    const std::string usage = "\nTry 'NAME --help' for more information.\n";
    const std::vector<Row> rows = {
        {"the file operand is read", {"FILE"}, directory, 0, "", true},
        {"- is standard input", {"-"}, example_input, 0, "", true},
        {"-- ends the options", {"--", "FILE"}, directory, 0, "", true},
        {"a file named like an option",
         {"--", "--foo"},
         directory,
         1,
         "NAME: --foo: No such file or directory\n",
         false},
        {"an unknown long option", {"--foo"}, directory, 2, "NAME: unrecognized option '--foo'" + usage, false},
        {"a short option", {"-h"}, directory, 2, "NAME: unrecognized option '-h'" + usage, false},
        {"an abbreviation", {"--he"}, directory, 2, "NAME: unrecognized option '--he'" + usage, false},
        {"an option after the operand",
         {"FILE", "--foo"},
         directory,
         2,
         "NAME: unrecognized option '--foo'" + usage,
         false},
        {"--help after an operand", {"FILE", "extra", "--help"}, directory, 0, "", false},
        {"a second operand", {"FILE", "extra"}, directory, 2, "NAME: extra operand 'extra'" + usage, false},
        {"a missing file", {"/nonexistent"}, directory, 1, "NAME: /nonexistent: No such file or directory\n", false},
        {"a directory operand", {"/"}, example_input, 1, "NAME: /: read error: Is a directory\n", false},
        {"standard input a directory", {}, directory, 1, "NAME: read error: Is a directory\n", false, true},
        {"standard input closed", {}, closed, 1, "NAME: read error: Bad file descriptor\n", false, true},
    };
    auto replace = [](std::string text, std::string_view from, const std::string& to) {
        for (std::size_t at; (at = text.find(from)) != std::string::npos;) {
            text.replace(at, from.size(), to);
        }
        return text;
    };
    for (std::string_view program : minitools::programs) {
        const std::string name(program);
        const std::string file = std::string(minitools::examples_dir) + "/" + name + ".in";
        for (const Row& row : rows) {
            if (row.posix_only && minitools::programs_on_windows) continue;
            // node opens /dev/null in place of a closed standard input.
            if (row.input == closed && minitools::programs_on_wasi) continue;
            SCOPED_TRACE(name + ": " + std::string(row.name));
            minitools::RunOptions options;
            for (const std::string& arg : row.args) options.args.push_back(replace(arg, "FILE", file));
            options.closed_stdin = row.input == closed;
            if (row.input == directory) options.stdin_path = "/";
            auto r = run(program, row.input == example_input ? example(program, ".in") : "", options);
            if (std::find(row.args.begin(), row.args.end(), "--help") != row.args.end()) {
                EXPECT_EQ(r.status, 0);
                EXPECT_EQ(r.out.rfind("Usage: ", 0), 0u);
                continue;
            }
            int status = row.status;
            std::string err = replace(replace(row.err, "NAME", name), "FILE", file);
            bool example_out = row.example_out;
            if (!reads_input(program) && row.err.find("unrecognized") == std::string::npos) {
                // Any operand is one too many; without one, nothing is read.
                auto operand = std::find_if(options.args.begin(), options.args.end(),
                                            [](const std::string& arg) { return arg != "--"; });
                const bool extra = operand != options.args.end();
                status = extra ? 2 : 0;
                err = extra ? name + ": extra operand '" + *operand + "'" + replace(usage, "NAME", name) : "";
                example_out = !extra;
            }
            EXPECT_EQ(r.status, status);
            EXPECT_EQ(r.err, err);
            EXPECT_EQ(r.out, example_out ? example(program, ".out") : "");
        }
    }
}

// A new folder for a test (named after stem), holding modecull's example
// at each of names (paths from the folder, with the folders they need); ""
// when it cannot be made.
std::string folder_with_example(std::string_view stem, std::initializer_list<const char*> names) {
    std::string folder = ::testing::TempDir() + "/" + std::string(stem) + "-XXXXXX";
    if (::mkdtemp(folder.data()) == nullptr) return "";
    const std::string example_in = example("modecull", ".in");
    for (const char* name : names) {
        std::filesystem::create_directories(std::filesystem::path(folder + name).parent_path());
        std::ofstream(folder + name, std::ios::binary) << example_in;
    }
    return folder;
}

// A FILE operand is found as the shell passes it, from wherever the program
// starts, and one that cannot be read gets the system's reason. Under node the
// program sees only the folders its run needs, so each form is shown there.
// In "operand", BASE stands for a folder made for the test, in which "a b"
// holds the example, an unreadable copy and a link to the example, "locked"
// is a folder nobody but root may read, and "link.in" links to the example.
TEST(Suite, FileOperandWhereverItIs) {
    const std::string base =
        folder_with_example("operands", {"/a b/modecull.in", "/a b/secret.in", "/locked/modecull.in"});
    ASSERT_FALSE(base.empty());
    namespace fs = std::filesystem;
    fs::create_directory(base + "/sub");
    fs::create_symlink("a b/modecull.in", base + "/link.in");
    fs::create_symlink("modecull.in", base + "/a b/link.in");
    // Others may reach the folder, as the unprivileged runs need.
    fs::permissions(base, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(base + "/a b/secret.in", fs::perms::none);
    fs::permissions(base + "/locked", fs::perms::none);
    const bool unprivileged = !minitools::covered && minitools::can_run_unprivileged("modecull", base);
    const struct {
        std::string_view name;
        std::string_view dir;  // where it starts, in BASE
        std::string operand;
        std::string err;            // "" when it prints the example
        bool unprivileged = false;  // needs a user who may not read everything
    } rows[] = {
        {"absolute", "", "BASE/a b/modecull.in", ""},
        {"relative", "", "a b/modecull.in", ""},
        {"a bare name", "a b", "modecull.in", ""},
        {"./x", "a b", "./modecull.in", ""},
        {"from the folder above", "sub", "../a b/modecull.in", ""},
        {"through a folder and back", "", "sub/../a b/modecull.in", ""},
        {"absolute through a folder and back", "sub", "BASE/sub/../a b/modecull.in", ""},
        {"a link to a file", "", "link.in", ""},
        {"a link to a file beside it", "", "a b/link.in", ""},
        {"missing", "a b", "missing.in", "modecull: missing.in: No such file or directory\n"},
        {"in a missing folder", "", "none/x.in", "modecull: none/x.in: No such file or directory\n"},
        {"absolute in a missing folder", "", "BASE/none/x.in", "modecull: BASE/none/x.in: No such file or directory\n"},
        {"an empty name", "", "", "modecull: : No such file or directory\n"},
        // (Windows says a path through a file does not exist.)
        {"in a file", "", "a b/modecull.in/x",
         minitools::programs_on_windows ? "modecull: a b/modecull.in/x: No such file or directory\n"
                                        : "modecull: a b/modecull.in/x: Not a directory\n"},
        {"a folder", "", "a b", "modecull: a b: read error: Is a directory\n"},
        {"the folder above", "sub", "..", "modecull: ..: read error: Is a directory\n"},
        {"the working folder", "sub", ".", "modecull: .: read error: Is a directory\n"},
        {"unreadable", "", "a b/secret.in", "modecull: a b/secret.in: Permission denied\n", true},
        {"in an unreadable folder", "", "locked/modecull.in", "modecull: locked/modecull.in: Permission denied\n",
         true},
        {"absolute in an unreadable folder", "sub", "BASE/locked/modecull.in",
         "modecull: BASE/locked/modecull.in: Permission denied\n", true},
    };
    auto with_base = [&base](std::string text) {
        for (std::size_t at; (at = text.find("BASE")) != std::string::npos;) text.replace(at, 4, base);
        return text;
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.unprivileged && !unprivileged) {
            std::cout << "not shown, as root reads every file and nobody cannot run the program here: " << row.name
                      << '\n';
            continue;
        }
        const std::string dir = row.dir.empty() ? base : base + "/" + std::string(row.dir);
        auto r = run("modecull", "",
                     {.args = {with_base(row.operand)},
                      .stdin_path = "/dev/null",
                      .working_dir = dir,
                      .unprivileged = row.unprivileged});
        EXPECT_EQ(r.err, with_base(row.err));
        EXPECT_EQ(r.status, row.err.empty() ? 0 : 1);
        EXPECT_EQ(r.out, row.err.empty() ? example("modecull", ".out") : "");
    }
    fs::permissions(base + "/locked", fs::perms::owner_all);
    fs::remove_all(base);
}

// Under node, what / holds cannot stop a run: links to files (as Debian's
// /vmlinuz and /initrd.img are), a dangling link, a folder nobody may read.
// The runner opens there only the folder of an absolute FILE; here a root of
// the test's own (WASI_RUN_ROOT) holds such entries.
TEST(Suite, WhatTheRootHoldsCannotStopARun) {
    if (!minitools::programs_on_wasi) GTEST_SKIP() << "the root of the WebAssembly runner";
    const std::string root =
        folder_with_example("root", {"/boot/vmlinuz-6.1.0-28-amd64", "/data/modecull.in", "/locked/modecull.in"});
    ASSERT_FALSE(root.empty());
    namespace fs = std::filesystem;
    fs::create_symlink("boot/vmlinuz-6.1.0-28-amd64", root + "/vmlinuz");
    fs::create_symlink("boot/vmlinuz-6.1.0-28-amd64", root + "/vmlinuz.old");
    fs::create_symlink("boot/initrd.img-6.1.0-28-amd64", root + "/initrd.img");
    fs::permissions(root, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(root + "/locked", fs::perms::none);
    const bool unprivileged = !minitools::covered && minitools::can_run_unprivileged("modecull", root);
    const struct {
        std::string_view name;
        std::string_view dir;  // where it starts, in the root
        std::vector<std::string> args;
        std::string err;  // "" when it prints the example
        bool unprivileged = false;
    } rows[] = {
        {"standard input", "data", {}, ""},
        {"relative", "data", {"modecull.in"}, ""},
        {"absolute", "", {"/data/modecull.in"}, ""},
        {"a link to a file at the top", "data", {"/vmlinuz"}, ""},
        {"a dangling link at the top", "data", {"/initrd.img"}, "modecull: /initrd.img: No such file or directory\n"},
        {"the root", "data", {"/"}, "modecull: /: read error: Is a directory\n"},
        {"standard input, as nobody", "data", {}, "", true},
        {"in a folder nobody may read",
         "data",
         {"/locked/modecull.in"},
         "modecull: /locked/modecull.in: Permission denied\n",
         true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.unprivileged && !unprivileged) {
            std::cout << "not shown, as root reads every file and nobody cannot run the program here: " << row.name
                      << '\n';
            continue;
        }
        auto r = run("modecull", example("modecull", ".in"),
                     {.args = row.args,
                      .working_dir = row.dir.empty() ? root : root + "/" + std::string(row.dir),
                      .environment = {"WASI_RUN_ROOT=" + root},
                      .unprivileged = row.unprivileged});
        EXPECT_EQ(r.err, row.err);
        EXPECT_EQ(r.status, row.err.empty() ? 0 : 1);
        EXPECT_EQ(r.out, row.err.empty() ? example("modecull", ".out") : "");
    }
    fs::permissions(root + "/locked", fs::perms::owner_all);
    fs::remove_all(root);
}

// A diagnostic names the line on which the offending token starts, in a
// file or on standard input, also past the first buffer of input.
TEST(Suite, DiagnosticsNameTheLine) {
    const std::string far = "3 1 1\n" + std::string(70000, '\n') + "1 2 x";
    const struct {
        std::string_view program;
        std::string input;
        std::string_view err;  // after "NAME: WHERE"
    } rows[] = {
        {"modecull", "5 2 7\n1 2\n2 x 3", "3: element 4 of 5: expected an integer, found 'x'\n"},
        {"modecull", "-5 2 7", "1: length: expected a count of 0 or more, found -5\n"},
        {"modecull", far, "70002: element 3 of 3: expected an integer, found 'x'\n"},
        {"modecull", "2 1 1\n1\n", "3: element 2 of 2: expected an integer, found end of input\n"},
        // Newlines before numbers read where plenty of input follows them.
        {"modecull", "3 1 1\n\n4\n\n5\n\nx" + std::string(40, ' '),
         "7: element 3 of 3: expected an integer, found 'x'\n"},
        {"centrelex", "\n\n 0 a", "3: word count: expected a count of 1 or more, found 0\n"},
        {"rotfive", "ab\ncd\n\n\n+", "5: shift: expected an integer, found '+'\n"},
        {"crosspoint", "1 2 3\n4 5\n-", "3: c2: expected a real number, found '-'\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.program) + ": " + std::string(row.err));
        const std::string name(row.program);
        auto from_stdin = run(row.program, row.input);
        EXPECT_EQ(from_stdin.status, 1);
        EXPECT_EQ(from_stdin.err, name + ": line " + std::string(row.err));
        const std::string path = ::testing::TempDir() + "/line-input";
        {
            std::ofstream file(path, std::ios::binary);
            file << row.input;
        }
        auto from_file = run(row.program, "", {{path}});
        EXPECT_EQ(from_file.err, name + ": " + path + ":" + std::string(row.err));
        EXPECT_EQ(from_file.out, from_stdin.out);
    }
}

TEST(Suite, AFullDiskIsAnError) {
    for (std::string_view program : minitools::programs) {
        SCOPED_TRACE(program);
        for (bool help : {true, false}) {
            auto r = help ? run(program, "", {{"--help"}, "/dev/full"})
                          : run(program, example(program, ".in"), {{}, "/dev/full"});
            EXPECT_EQ(r.status, 1);
            EXPECT_EQ(r.err, std::string(program) + ": write error: No space left on device\n");
        }
    }
}

// An input the memory cannot hold ends a program that keeps its input with
// one line and status 1, never an abort.
TEST(Suite, RunningOutOfMemoryIsAnError) {
    if (minitools::sanitized || minitools::emulated || minitools::programs_on_windows) {
        GTEST_SKIP() << "the address space is the sanitizer's, the emulator's or wine's";
    }
    // A program starts in less than 4 MiB of address space; each input asks
    // for more than 24 MiB. The inputs are written piece by piece, as the
    // test runner's own size shows in what it measures of the programs it
    // starts.
    constexpr std::size_t limit_kib = 16 * 1024;
    const struct {
        std::string_view program;
        std::string_view head, repeated;
        std::size_t times;
        std::string_view tail;
    } rows[] = {
        {"modecull", "3000000 1 7\n", "5 ", 3000000, ""},
        {"pivotseek", "3000000\n", "5 ", 3000000, "5"},
        {"centrelex", "3000000\n", "ab ", 3000000, ""},
        // Words that share no first byte with the word before, so that none
        // is stored in fewer bytes than it was read in.
        {"slotlex", "1600000\n", "abcdefghijklmno bcdefghijklmnop ", 800000, "query"},
    };
    const std::string path = ::testing::TempDir() + "/too-large-input";
    for (const auto& row : rows) {
        SCOPED_TRACE(row.program);
        {
            std::ofstream file(path, std::ios::binary);
            file << row.head;
            for (std::size_t i = 0; i < row.times; ++i) file << row.repeated;
            file << row.tail;
        }
        auto r = run(row.program, "", {.stdin_path = path, .address_space_kib = limit_kib});
        EXPECT_EQ(r.signal, 0);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, std::string(row.program) + ": out of memory\n");
    }
    std::filesystem::remove(path);
}

// Standard output closed: nothing to print is no error; something to print is.
TEST(Suite, AClosedStandardOutput) {
    const struct {
        std::string_view input;
        int status;
        std::string_view err;
    } rows[] = {
        {"0", 0, ""},
        {"100", 1, "nodivisor: write error: Bad file descriptor\n"},
    };
    for (const auto& row : rows) {
        // node opens /dev/null in place of a closed standard output.
        if (minitools::programs_on_wasi && row.status != 0) continue;
        SCOPED_TRACE(row.input);
        auto r = run("nodivisor", row.input, {.closed_stdout = true});
        EXPECT_EQ(r.status, row.status);
        EXPECT_EQ(r.err, row.err);
    }
}

// On a terminal, the programs that answer case by case show each answer
// before they wait for the next value.
TEST(Suite, OnATerminalEachAnswerComesBeforeTheNextValue) {
    if (minitools::programs_on_windows) GTEST_SKIP() << "a POSIX terminal (wine makes it a console)";
    const struct {
        std::string_view program;
        std::vector<minitools::TerminalStep> steps;
    } rows[] = {
        {"primepair", {{"2\n10\n", "10 = 5 + 5\n"}, {"6\n", "6 = 3 + 3\n"}}},
        {"digitgen", {{"2\n101\n", "101 = 100 + (1+0+0)\n"}, {"20\n", "No solution\n"}}},
        {"gridmark", {{"2\nX\n", "X\n"}, {"O\n", "O\n"}, {"O X\n", "O\nX\nspecial diagonal matrix"}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.program);
        std::string all;
        for (const auto& step : row.steps) all += step.expect;
        EXPECT_EQ(minitools::run_on_terminal(row.program, row.steps), all);
    }
}

// A reader that goes away ends a program quietly: by SIGPIPE, or with a
// write error and status 1, never with a crash report.
TEST(Suite, AClosedPipeEndsQuietly) {
    for (std::string_view program : minitools::programs) {
        SCOPED_TRACE(program);
        for (bool help : {true, false}) {
            minitools::RunOptions options{{}, {}, true};
            if (help) options.args = {"--help"};
            auto r = run(program, help ? "" : example(program, ".in"), options);
            if (r.signal != 0) {
                EXPECT_EQ(r.signal, SIGPIPE);
                EXPECT_EQ(r.err, "");
            } else {
                EXPECT_EQ(r.status, 1);
                EXPECT_EQ(r.err, std::string(program) + ": write error: Broken pipe\n");
            }
        }
    }
}

}  // namespace
