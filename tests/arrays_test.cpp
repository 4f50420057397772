// Show what the array programs print, byte for byte, on the examples and
// edge cases, and that the fast procedures agree with the literal ones.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "harness.hpp"
#include "reference/modecull.hpp"

namespace {

using minitools::Case;
using minitools::expect_cases;
using minitools::run;

TEST(Modecull, ExamplesAndEdgeCases) {
    expect_cases("modecull", {
        {"worked example, ties go to the smaller value", "5 2 7\n1 2 2 3 3\n",
         "1 3 3 6 1 \n3 3 6 1 1 \n"},
        {"only zeros: zero goes and everything refills", "3 2 7 0 0 0", "3 2 4 \n3 4 1 \n"},
        {"zeros are never chosen while a non-zero remains", "4 1 7 0 0 0 5", "0 0 0 0 \n"},
        {"negative value wins a tie", "4 1 7 -3 -3 2 2", "2 2 5 4 \n"},
        {"remainders take the sign of the product", "4 1 7 3 -1 4 4", "3 -1 -2 4 \n"},
        {"negative modulus", "2 1 -7 3 3", "3 2 \n"},
        {"products wrap around 32 bits", "4 1 1000 60000 70000 1 1",
         "60000 70000 -960 848 \n"},
        {"refilled slots feed later slots", "6 3 1000 9 9 9 9 9 9",
         "10 100 0 0 0 0 \n100 0 0 0 0 0 \n0 0 0 0 0 0 \n"},
        {"one element", "1 2 7 5", "3 \n3 \n"},
        {"empty array prints empty lines", "0 3 7", "\n\n\n"},
        {"no passes print nothing", "3 0 7 1 2 3", ""},
        {"negative passes print nothing", "3 -4 7 1 2 3", ""},
        {"least int times ten modulo -1 is 0", "3 1 -1 1073741824 7 7", "1073741824 0 0 \n"},
        {"zero modulus is harmless when nothing refills", "0 2 0", "\n\n"},
        {"zero modulus without passes", "2 0 0 1 2", ""},
    });
}

TEST(Modecull, BadInput) {
    expect_cases("modecull", {
        {"empty input", "", "", 1, "length: expected an integer, found end of input"},
        {"missing element", "5 1 7 1 2 3", "", 1,
         "element 4 of 5: expected an integer, found end of input"},
        {"malformed element", "3 1 7 1 x 3", "", 1, "element 2 of 3: expected an integer, found 'x'"},
        {"element out of range", "2 1 7 1 2147483648", "", 1, "too large"},
        {"negative length", "-1 1 7", "", 1, "length"},
        {"zero modulus with a refill", "2 1 0 1 2", "", 1, "modulus"},
        {"huge count with little data", "2000000000 1 7 1 2 3", "", 1,
         "element 4 of 2000000000: expected an integer, found end of input"},
    });
}

TEST(Modecull, AgreesWithTheLiteralProcedure) {
    std::mt19937 rng(1);
    for (int round = 0; round < 300; ++round) {
        int length = std::uniform_int_distribution<int>(0, 12)(rng);
        int passes = std::uniform_int_distribution<int>(0, 6)(rng);
        int modulus_choices[] = {7, -7, 10, 1000, -1, 1, 2147483647, -2147483647 - 1, 3};
        int modulus = modulus_choices[std::uniform_int_distribution<int>(0, 8)(rng)];
        int kind = round % 3;
        std::vector<int> values;
        std::string input = std::to_string(length) + " " + std::to_string(passes) + " " +
                            std::to_string(modulus);
        for (int i = 0; i < length; ++i) {
            int v = kind == 0   ? std::uniform_int_distribution<int>(-2, 2)(rng)
                    : kind == 1 ? std::uniform_int_distribution<int>(-4, 4)(rng) * 46341
                                : static_cast<int>(rng());
            values.push_back(v);
            input += ' ';
            input += std::to_string(v);
        }
        SCOPED_TRACE(input);
        auto r = run("modecull", input);
        ASSERT_EQ(r.out, reference::modecull(values, passes, modulus));
        ASSERT_EQ(r.status, 0);
    }
}

}  // namespace
