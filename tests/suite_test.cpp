// Show that every program of the build answers --help and --version, and
// that none of them reports success when its output cannot be written.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include "harness.hpp"
#include "programs.hpp"

namespace {

using minitools::run;

// Every program has a recorded example; a missing one is a test failure.
std::string example(std::string_view program, const char* extension) {
    const std::string path =
        std::string(minitools::examples_dir) + "/" + std::string(program) + extension;
    EXPECT_TRUE(std::filesystem::exists(path)) << "no example " << path;
    return minitools::example(program, extension);
}

// The examples the documentation shows are run as they stand, so they
// cannot drift from what the programs print.
TEST(Suite, EveryProgramPrintsItsRecordedExample) {
    for (std::string_view program : minitools::programs) {
        SCOPED_TRACE(program);
        auto r = run(program, example(program, ".in"));
        EXPECT_EQ(r.out, example(program, ".out"));
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.err, "");
    }
}

TEST(Suite, EveryProgramHasHelpAndVersion) {
    for (std::string_view program : minitools::programs) {
        SCOPED_TRACE(program);
        auto help = run(program, "", {{"--help"}, {}});
        EXPECT_EQ(help.status, 0);
        EXPECT_EQ(help.out.rfind("Usage: " + std::string(program) + "\n", 0), 0u) << help.out;
        // The second line is a one-sentence summary (the manual page's name
        // line), then a blank line.
        const std::size_t summary = help.out.find('\n') + 1;
        const std::size_t summary_end = help.out.find('\n', summary);
        EXPECT_EQ(help.out[summary_end - 1], '.') << help.out;
        EXPECT_EQ(help.out[summary_end + 1], '\n') << help.out;
        EXPECT_NE(help.out.find("Example"), std::string::npos);
        EXPECT_NE(help.out.find("Exit status"), std::string::npos);
        EXPECT_EQ(help.err, "");
        auto version = run(program, "", {{"--version"}, {}});
        EXPECT_EQ(version.status, 0);
        EXPECT_EQ(version.out, std::string(program) + " (minitools) 1.0.0\n");
    }
}

TEST(Suite, OtherArgumentsAreIgnored) {
    for (std::string_view program : minitools::programs) {
        SCOPED_TRACE(program);
        auto plain = run(program, "");
        auto with_args = run(program, "", {{"--help", "extra"}, {}});
        EXPECT_EQ(with_args.out, plain.out);
        EXPECT_EQ(with_args.status, plain.status);
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
