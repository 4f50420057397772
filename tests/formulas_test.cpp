// Show the exact text of the formula calculators, IEEE special values and
// signed zeros included.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "harness.hpp"
#include "programs.hpp"

namespace {

using minitools::expect_cases;
using minitools::run;

TEST(Piecefunc, RangesAndBoundaries) {
    expect_cases("piecefunc", {
                                  {"below -1: negated", "-2", "2.0000"},
                                  {"below -1, fraction", "-1.5", "1.5000"},
                                  {"rounded to single precision first", "-2.00005", "2.0001"},
                                  {"-1 belongs to the constant range", "-1", "1.0000"},
                                  {"just below -1 prints 1.0000 too", "-1.00004", "1.0000"},
                                  {"inside the constant range", "-0.5", "1.0000"},
                                  {"zero: cosine", "0", "1.0000"},
                                  {"negative zero: cosine", "-0", "1.0000"},
                                  {"cosine of 1", "1", "0.5403"},
                                  {"cosine of 2", "2", "-0.4161"},
                                  {"cosine of 3", "3", "-0.9900"},
                                  {"last float below pi: cosine", "3.1415925", "-1.0000"},
                                  {"float nearest pi is above it: exponential", "3.14159265", "-1.0000"},
                                  {"exponential of 3.2", "3.2", "-0.9433"},
                                  {"exponential of 4", "4", "-0.4238"},
                                  {"exponential of 5", "5", "-0.1559"},
                                  {"exponential of 10", "10", "-0.0011"},
                                  {"tiny negative keeps its sign", "13.1", "-0.0000"},
                                  {"plus infinity", "inf", "-0.0000"},
                                  {"minus infinity", "-infinity", "inf"},
                                  {"NaN flips its sign", "nan", "-nan"},
                                  {"negative NaN", "-NAN", "nan"},
                                  {"negative NaN, lower case", "-nan", "nan"},
                                  {"NaN with a payload in hexadecimal", "-nan 0x7fc00001", "nan"},
                                  // The cosine is the correctly rounded float: glibc's cosf gives
                                  // -0x1.0f6fd2p-1 here, which prints -0.5301.
                                  {"cosine correctly rounded", "0x1.1095ep+1", "-0.5302"},
                                  {"cosine of the float just above pi/2", "1.5707964", "-0.0000"},
                                  {"cosine of the float just below pi/2", "1.5707963", "0.0000"},
                                  {"cosine at pi/4", "0.78539819", "0.7071"},
                                  {"cosine at 3 pi/4", "2.3561945", "-0.7071"},
                                  {"exponential just past pi", "3.1415930", "-1.0000"},
                                  {"exponential of 23", "13.045", "-0.0001"},
                                  {"exponential below every double", "1e30", "-0.0000"},
                                  {"hexadecimal input", "0x1p1", "-0.4161"},
                                  {"hexadecimal digits a to f", "-0x1.fp1", "3.8750"},
                                  {"hexadecimal digits A to F", "-0X1.FP1", "3.8750"},
                                  {"every integer digit", "-1e10", "10000000000.0000"},
                                  {"largest float", "-3.4028235e38", "340282346638528859811704183484516925440.0000"},
                                  {"empty input", "", "", 1, "x: expected a real number, found end of input"},
                                  {"malformed", "pi", "", 1, "x: expected a real number, found 'pi'"},
                                  {"sign alone", "- 1", "", 1, "x: expected a real number, found '-'\n"},
                                  {"infinity misspelt with a later letter", "infinitz", "", 1, "found 'infinitz'\n"},
                                  {"infinity misspelt in the middle", "infinjty", "", 1, "found 'infinjty'\n"},
                                  {"a long malformed token is cut at 24 bytes", std::string(30, '('), "", 1,
                                   "found '((((((((((((((((((((((((...'\n"},
                              });
}

// The cosine where its printed fourth decimal is hardest to get right: the
// inputs whose exact cosine lies nearest the midpoint of two floats that
// print differently, so that an error in the last bit of the cosine, or in
// bringing x near 0, changes what is printed. Made, with what each input
// prints, by tools/check-piecefunc-math --table (against quadruple precision).
TEST(Piecefunc, CosineWhereItsRoundingIsHardest) {
    std::ifstream table(std::string(minitools::reference_dir) + "/piecefunc-cosine.txt");
    std::vector<minitools::Case> cases;
    std::vector<std::string> lines;
    for (std::string x, printed; table >> x >> printed;) {
        lines.push_back(x);
        lines.push_back(printed);
    }
    ASSERT_GE(lines.size(), 200u);
    for (std::size_t i = 0; i < lines.size(); i += 2) cases.push_back({lines[i], lines[i], lines[i + 1]});
    expect_cases("piecefunc", cases);
}

TEST(Crosspoint, ExamplesAndSpecialValues) {
    expect_cases(
        "crosspoint",
        {
            {"crossing at 1 1", "1 1 -2 1 -1 0", "1.00 1.00"},
            {"crossing at 2 3", "2 3 -13\n1 -1 1", "2.00 3.00"},
            {"negative coordinate", "1 2 3 4 5 6", "1.00 -2.00"},
            {"crossing at 1 2", "3 -2 1 1 4 -9", "1.00 2.00"},
            {"single-precision fractions", "0.1 0.2 0.3 0.4 0.5 0.7", "0.33 -1.67"},
            {"parallel lines", "1 1 -2 1 1 0", "inf -inf"},
            {"coincident lines", "1 1 -2 2 2 -4", "-nan -nan"},
            {"through the origin: negative zeros", "1 1 0 1 -1 0", "-0.00 -0.00"},
            // NaN signs are the same on every compiler and CPU: an operation
            // returns its first NaN operand as the formula is written, and an
            // invalid one (0/0, inf - inf, 0 * inf) a negative NaN.
            {"NaN coefficient", "nan 1 1 1 -1 0", "nan nan"},
            {"NaNs of both signs", "13.046 -nan 11.423 8 2 NaN", "-nan nan"},
            {"first NaN of a difference", "-nan nan 1 1 1 1", "nan -nan"},
            {"first NaN of a difference, swapped", "nan -nan 1 1 1 1", "-nan nan"},
            {"negative NaN in a1", "-nan 1 1 1 -1 0", "-nan -nan"},
            {"negative NaN in b1", "1 -nan 1 1 -1 0", "-nan -nan"},
            {"negative NaN in c1", "1 1 -nan 1 -1 0", "-nan -nan"},
            {"negative NaN in a2", "1 1 1 -nan -1 0", "-nan -nan"},
            {"positive NaN in b2", "1 1 1 1 nan 0", "nan nan"},
            {"negative NaN in c2", "1 1 1 1 -1 -nan", "-nan -nan"},
            {"0/0 from a repeated line", "-3 -3 1 -6 -6 2", "-nan -nan"},
            {"all zero: 0/0", "0 0 0 0 0 0", "-nan -nan"},
            {"inf - inf in the numerators", "1 1 inf 1 1 inf", "-nan -nan"},
            {"inf - inf in the determinant", "inf 1 1 inf 1 1", "-nan -nan"},
            {"0 * inf", "0 1 inf 1 0 1", "-nan -inf"},
            // A machine that gives every NaN it makes the positive default NaN
            // (RISC-V), in a float-to-double conversion too, must still print
            // the negative NaN of 0/0.
            {"0/0 from lines on one axis", "3 0 1 1.5 0 0.5", "-nan -nan"},
            // Products rounded to single precision each (the x87 unit keeps
            // them in 80 bits and gives 5669056.50).
            {"products rounded one by one", "-5 -1.99 0x1p3 10.886 13 123456789.123", "5669057.00 -14243857.00"},
            {"missing coefficient", "1 2 3 4 5", "", 1, "c2: expected a real number, found end of input"},
            {"malformed coefficient", "1 2 x", "", 1, "c1: expected a real number, found 'x'"},
        });
}

TEST(Gaplength, ExamplesAndWideDistances) {
    expect_cases("gaplength", {
                                  {"three four five", "0 0 3 4", "5.000"},
                                  {"offset points", "1 2 4 6", "5.000"},
                                  {"negative coordinates", "-3 -4 0 0", "5.000"},
                                  {"root of two", "0 0 1 1", "1.414"},
                                  {"root of five", "1 1 2 3", "2.236"},
                                  {"equal points", "5 5 5 5", "0.000"},
                                  {"largest square that fits 32 bits", "0 0 46340 0", "46340.000"},
                                  {"square beyond 32 bits", "0 0 46341 0", "46341.000"},
                                  {"square of 2^32", "0 0 65536 0", "65536.000"},
                                  {"sum of 2^31", "0 0 32768 32768", "46340.950"},
                                  {"difference of 2^31", "2147483647 0 -1 0", "2147483648.000"},
                                  {"opposite corners of the int plane", "-2147483648 -2147483648 2147483647 2147483647",
                                   "6074000998.538"},
                                  {"missing coordinate", "1 2 3", "", 1, "y2: expected an integer, found end of input"},
                                  {"coordinate out of range", "1 2 3 -2147483649", "", 1, "too small"},
                              });
}

// Where the 32-bit sum of squares does not overflow, the distance is the
// square root of that int, printed with "%.3f".
TEST(Gaplength, AgreesWithTheIntFormulaWhereItFits) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> coordinate(-16000, 16000);
    for (int round = 0; round < 150 / minitools::sample_step; ++round) {
        int x1 = coordinate(rng), y1 = coordinate(rng), x2 = coordinate(rng), y2 = coordinate(rng);
        int s = (x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2);
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.3f", std::sqrt(s));
        std::string input =
            std::to_string(x1) + ' ' + std::to_string(y1) + ' ' + std::to_string(x2) + ' ' + std::to_string(y2);
        auto r = run("gaplength", input, {.sweep = true});
        ASSERT_EQ(r.out, expected) << input;
    }
}

TEST(Clocksplit, ExamplesAndExtremes) {
    expect_cases("clocksplit", {
                                   {"zero", "0", "0 Hours, 0 Minutes, 0 Seconds"},
                                   {"seconds only", "59", "0 Hours, 0 Minutes, 59 Seconds"},
                                   {"just below an hour", "3599", "0 Hours, 59 Minutes, 59 Seconds"},
                                   {"one hour, plural", "3600", "1 Hours, 0 Minutes, 0 Seconds"},
                                   {"one of each", "3661", "1 Hours, 1 Minutes, 1 Seconds"},
                                   {"no days", "90061", "25 Hours, 1 Minutes, 1 Seconds"},
                                   {"negative second", "-1", "0 Hours, 0 Minutes, -1 Seconds"},
                                   {"negative minute", "-61", "0 Hours, -1 Minutes, -1 Seconds"},
                                   {"negative hour", "-3661", "-1 Hours, -1 Minutes, -1 Seconds"},
                                   {"largest int", "2147483647", "596523 Hours, 14 Minutes, 7 Seconds"},
                                   {"least int", "-2147483648", "-596523 Hours, -14 Minutes, -8 Seconds"},
                                   {"empty input", "", "", 1, "seconds: expected an integer, found end of input"},
                                   {"beyond int", "2147483648", "", 1, "too large"},
                                   {"beyond 64 bits", "18446744073709551616", "", 1,
                                    "integer '18446744073709551616' is too large (the largest is 2147483647)\n"},
                                   {"32 digits are shown whole", "12345678901234567890123456789012", "", 1,
                                    "integer '12345678901234567890123456789012' is too large"},
                                   {"a symbol", "~", "", 1, "seconds: expected an integer, found '~'\n"},
                                   {"control bytes in the token are shown in hexadecimal",
                                    "a\x01"
                                    "b\x7f",
                                    "", 1, "seconds: expected an integer, found 'a\\x01b\\x7f'\n"},
                               });
}

TEST(FixedResults, PrintExactlyAndIgnoreInput) {
    expect_cases("floatsub", {{"positive zero", "", "0.000000"}, {"input ignored", "1 2 3", "0.000000"}});
    expect_cases("floatratio", {{"nearest float to 15/7", "", "2.142857"}, {"input ignored", "x", "2.142857"}});
}

}  // namespace
