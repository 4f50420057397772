// Show what the array programs print, byte for byte, on the examples and
// edge cases, and that the fast procedures agree with the literal ones.
#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <string>
#include <vector>

#include "harness.hpp"
#include "programs.hpp"
#include "reference/modecull.hpp"

namespace {

using minitools::Case;
using minitools::expect_cases;
using minitools::run;

TEST(Modecull, ExamplesAndEdgeCases) {
    expect_cases("modecull",
                 {
                     {"worked example, ties go to the smaller value", "5 2 7\n1 2 2 3 3\n", "1 3 3 6 1 \n3 3 6 1 1 \n"},
                     {"only zeros: zero goes and everything refills", "3 2 7 0 0 0", "3 2 4 \n3 4 1 \n"},
                     {"zeros are never chosen while a non-zero remains", "4 1 7 0 0 0 5", "0 0 0 0 \n"},
                     {"negative value wins a tie", "4 1 7 -3 -3 2 2", "2 2 5 4 \n"},
                     {"remainders take the sign of the product", "4 1 7 3 -1 4 4", "3 -1 -2 4 \n"},
                     {"negative modulus", "2 1 -7 3 3", "3 2 \n"},
                     {"products wrap around 32 bits", "4 1 1000 60000 70000 1 1", "60000 70000 -960 848 \n"},
                     {"refilled slots feed later slots", "6 3 1000 9 9 9 9 9 9",
                      "10 100 0 0 0 0 \n100 0 0 0 0 0 \n0 0 0 0 0 0 \n"},
                     {"one element", "1 2 7 5", "3 \n3 \n"},
                     {"empty array prints empty lines", "0 3 7", "\n\n\n"},
                     {"no passes print nothing", "3 0 7 1 2 3", ""},
                     {"negative passes print nothing", "3 -4 7 1 2 3", ""},
                     {"least int times ten modulo -1 is 0", "3 1 -1 1073741824 7 7", "1073741824 0 0 \n"},
                     {"zero modulus is harmless when nothing refills", "0 2 0", "\n\n"},
                     {"zero modulus without passes", "2 0 0 1 2", ""},
                     {"zero modulus with negative passes", "2 -1 0 1 2", ""},
                 });
}

TEST(Modecull, BadInput) {
    expect_cases(
        "modecull",
        {
            {"empty input", "", "", 1, "length: expected an integer, found end of input"},
            {"missing element", "5 1 7 1 2 3", "", 1, "element 4 of 5: expected an integer, found end of input"},
            {"malformed element", "3 1 7 1 x 3", "", 1, "element 2 of 3: expected an integer, found 'x'"},
            {"element out of range", "2 1 7 1 2147483648", "", 1, "too large"},
            {"negative length", "-1 1 7", "", 1, "length"},
            {"zero modulus with a refill", "2 1 0 1 2", "", 1, "modulus"},
            {"zero modulus with one element", "1 1 0 5", "", 1,
             "line 1: modulus: expected a non-zero divisor, found 0\n"},
            {"huge count with little data", "2000000000 1 7 1 2 3", "", 1,
             "element 4 of 2000000000: expected an integer, found end of input"},
        });
}

// Found by fuzzing as a "hang": a pass count of tens of millions asks for
// as many lines. The program streams them at once and stops quietly when the
// reader goes away; where no SIGPIPE stops it (ignored, or on Windows), the
// first write that fails ends it with a message, not hours later.
TEST(Modecull, StreamsHugePassCounts) {
    constexpr std::size_t limit = 1 << 20;
    for (bool sigpipe_ignored : {false, true}) {
        SCOPED_TRACE(sigpipe_ignored ? "SIGPIPE ignored" : "SIGPIPE at its default");
        minitools::RunOptions options{.output_limit = limit, .timeout_seconds = 20};
        options.sigpipe_ignored = sigpipe_ignored;
        auto r = run("modecull", " 1 2000000000 3 3", options);
        EXPECT_FALSE(r.timed_out);
        ASSERT_GE(r.out.size(), limit);
        EXPECT_EQ(r.out.substr(0, 12), "1 \n1 \n1 \n1 \n");
        EXPECT_EQ(r.out.find_first_not_of("1 \n"), std::string::npos);
        if (sigpipe_ignored || r.signal != SIGPIPE) {
            EXPECT_EQ(r.status, 1);
            EXPECT_EQ(r.err, "modecull: write error: Broken pipe\n");
        }
    }
}

TEST(Modecull, AgreesWithTheLiteralProcedure) {
    std::mt19937 rng(1);
    for (int round = 0; round < 300 / minitools::sample_step; ++round) {
        int length = std::uniform_int_distribution<int>(0, 40)(rng);
        int passes = std::uniform_int_distribution<int>(0, 25)(rng);
        int modulus_choices[] = {7, -7, 10, 1000, -1, 1, 2147483647, -2147483647 - 1, 3};
        int modulus = modulus_choices[std::uniform_int_distribution<int>(0, 8)(rng)];
        int kind = round % 3;
        std::vector<int> values;
        std::string input = std::to_string(length) + " " + std::to_string(passes) + " " + std::to_string(modulus);
        for (int i = 0; i < length; ++i) {
            int v = kind == 0   ? std::uniform_int_distribution<int>(-2, 2)(rng)
                    : kind == 1 ? std::uniform_int_distribution<int>(-4, 4)(rng) * 46341
                                : static_cast<int>(rng());
            values.push_back(v);
            input += ' ';
            input += std::to_string(v);
        }
        SCOPED_TRACE(input);
        auto r = run("modecull", input, {.sweep = true});
        ASSERT_EQ(r.out, reference::modecull(values, passes, modulus));
        ASSERT_EQ(r.status, 0);
    }
    // Many distinct values of both signs, each a few times, over many passes:
    // the counts change so often that the program rebuilds its heap of
    // counts, during the reading and between passes, and must then still
    // pick the most frequent value, the least one on a tie.
    for (int round = 0; round < 24; ++round) {
        const int length = std::uniform_int_distribution<int>(200, 400)(rng);
        const int passes = std::uniform_int_distribution<int>(40, 90)(rng);
        const int modulus = round % 2 == 0 ? -1000003 : 999983;
        std::vector<int> values;
        std::string input = std::to_string(length) + " " + std::to_string(passes) + " " + std::to_string(modulus);
        for (int i = 0; i < length; ++i) {
            int v = std::uniform_int_distribution<int>(-60, 59)(rng);
            values.push_back(v >= 0 ? v + 1 : v);
            input += ' ';
            input += std::to_string(values.back());
        }
        SCOPED_TRACE(input);
        auto r = run("modecull", input);
        ASSERT_EQ(r.out, reference::modecull(values, passes, modulus));
        ASSERT_EQ(r.status, 0);
    }
}

TEST(Pivotseek, ExamplesAndEdgeCases) {
    const std::string rotated = "15\n10 11 12 13 14 15 16 17 18 19 20 21 1 2 3\n";
    struct Row {
        const char* key;
        const char* out;
    } rows[] = {
        {"2", "pos=13"}, {"3", "pos=14"}, {"5", "NOT FOUND"}, {"10", "pos=0"},     {"11", "pos=1"},
        {"15", "pos=5"}, {"1", "mid=12"}, {"0", "NOT FOUND"}, {"22", "NOT FOUND"}, {"21", "pos=11"},
    };
    for (const Row& row : rows) {
        std::string input = rotated + row.key;
        minitools::expect_case("pivotseek", {row.key, input, row.out});
    }
    // 600000 elements, more than 2 MiB of them: their block is copied into
    // one of large pages as it grows.
    std::string large = "600000\n";
    for (int i = 1; i < 600000; ++i) large += std::to_string(i) + ' ';
    large += "0\n";
    expect_cases("pivotseek", {
                                  {"600000 elements, key at the rotation", large + "0", "mid=599999"},
                                  {"600000 elements, key in the left run", large + "456789", "pos=456788"},
                                  {"empty array reads the key", "0 5", "NOT FOUND"},
                                  {"one element equal to the key", "1 7 7", "mid=0"},
                                  {"one element, other key", "1 7 8", "NOT FOUND"},
                                  {"ascending input is one run", "5 1 3 5 7 9 7", "pos=3"},
                                  {"ascending input, smallest key", "5 1 3 5 7 9 1", "mid=0"},
                                  {"ascending input, absent key", "5 1 3 5 7 9 4", "NOT FOUND"},
                                  {"short rotation, right run", "5 4 5 1 2 3 2", "pos=3"},
                                  {"short rotation, left run", "5 4 5 1 2 3 5", "pos=1"},
                                  {"only the first descent counts", "6 5 6 1 9 2 3 9", "NOT FOUND"},
                                  {"extreme values", "3 2147483647 -2147483648 0 2147483647", "pos=0"},
                                  // Arrays that are not rotations of a strictly ascending one.
                                  {"equal neighbours", "6  1 2 2 2 2 3  2", "pos=2"},
                                  {"equal first two, key at the front", "4  3 3 1 2  3", "pos=0"},
                                  {"a peak, key at the drop", "3  1 5 2  2", "mid=2"},
                                  {"two descents, key in neither run", "5  3 4 1 0 2  0", "NOT FOUND"},
                                  {"empty array, key 0", "0  0", "NOT FOUND"},
                              });
}

TEST(Pivotseek, BadInput) {
    expect_cases("pivotseek", {
                                  {"missing key", "3 1 2 3", "", 1, "key: expected an integer, found end of input"},
                                  {"negative length", "-2 1 2 3", "", 1, "length"},
                                  {"missing element", "4 1 2", "", 1, "element 3 of 4"},
                                  {"key out of range", "1 1 -99999999999", "", 1, "too small"},
                              });
}

// Distinct ascending values rotated at every point: every present key is
// found at its index (the smallest as the rotation point), absent keys are not.
TEST(Pivotseek, FindsEveryKeyOfRotatedArrays) {
    std::mt19937 rng(4);
    for (int round = 0; round < (minitools::emulated ? 12 / minitools::sample_step : 40); ++round) {
        int length = std::uniform_int_distribution<int>(1, 30)(rng);
        std::vector<int> sorted;
        int v = std::uniform_int_distribution<int>(-50, 50)(rng);
        for (int i = 0; i < length; ++i) sorted.push_back(v += std::uniform_int_distribution<int>(2, 5)(rng));
        int shift = std::uniform_int_distribution<int>(0, length - 1)(rng);
        std::vector<int> values(sorted.begin() + shift, sorted.end());
        values.insert(values.end(), sorted.begin(), sorted.begin() + shift);
        std::string head = std::to_string(length);
        for (int x : values) {
            head += ' ';
            head += std::to_string(x);
        }
        int pivot = shift == 0 ? 0 : length - shift;
        for (int i = 0; i < length; ++i) {
            const int value = values[static_cast<std::size_t>(i)];
            std::string expected = i == pivot ? "mid=" + std::to_string(i) : "pos=" + std::to_string(i);
            auto r = run("pivotseek", head + " " + std::to_string(value), {.sweep = true});
            ASSERT_EQ(r.out, expected) << head << " key " << value << ": status " << r.status << ", " << r.err;
            r = run("pivotseek", head + " " + std::to_string(value + 1), {.sweep = true});
            ASSERT_EQ(r.out, "NOT FOUND") << head << " key " << value + 1 << ": status " << r.status << ", " << r.err;
        }
    }
}

}  // namespace
