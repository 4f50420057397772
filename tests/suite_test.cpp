// Show that every program of the build answers --help and --version, and
// that none of them reports success when its output cannot be written.
#include <gtest/gtest.h>

#include "harness.hpp"
#include "programs.hpp"

namespace {

using minitools::run;

TEST(Suite, EveryProgramHasHelpAndVersion) {
    for (std::string_view program : minitools::programs) {
        SCOPED_TRACE(program);
        auto help = run(program, "", {{"--help"}, {}});
        EXPECT_EQ(help.status, 0);
        EXPECT_EQ(help.out.rfind("Usage: " + std::string(program) + "\n", 0), 0u) << help.out;
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
        auto r = run(program, "", {{"--help"}, "/dev/full"});
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err.rfind(std::string(program) + ": write error: ", 0), 0u) << r.err;
    }
}

}  // namespace
