// Show that the integer searches print exactly what the literal procedures
// print, over every small value and at the ends of the int range.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "harness.hpp"
#include "programs.hpp"
#include "reference/searches.hpp"

namespace {

using minitools::expect_cases;
using minitools::run;

// Runs a many-case program once on all of values, and the reference on each.
void expect_same_as_reference(const char* program, const std::vector<int>& values, std::string (*reference)(int)) {
    std::string input = std::to_string(values.size()), expected;
    for (int n : values) {
        input += '\n';
        input += std::to_string(n);
        expected += reference(n);
    }
    auto r = run(program, input);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    ASSERT_EQ(r.out.size(), expected.size());
    // Compare line by line, so a failure names the value.
    std::size_t at = 0;
    for (int n : values) {
        std::string line = reference(n);
        ASSERT_EQ(r.out.substr(at, line.size()), line) << program << " n=" << n;
        at += line.size();
    }
}

std::vector<int> range(int from, int to) {
    std::vector<int> values;
    for (int n = from; n <= to; ++n) values.push_back(n);
    return values;
}

// The primes in [low, high), by a sieve of Eratosthenes over that window.
std::vector<int> primes_between(int low, int high) {
    std::vector<bool> composite(static_cast<std::size_t>(high - low));
    for (long long q = 2; q * q < high; ++q) {
        for (long long m = std::max(q * q, (low + q - 1) / q * q); m < high; m += q) {
            composite[static_cast<std::size_t>(m - low)] = true;
        }
    }
    std::vector<int> primes;
    for (int n = std::max(low, 2); n < high; ++n) {
        if (!composite[static_cast<std::size_t>(n - low)]) primes.push_back(n);
    }
    return primes;
}

// Show that primepair's primality test agrees with a sieve on every number it
// can meet up to 2^24 and near the top of its range (n / 2 < 2^30): one case
// per pair of neighbouring primes p < q starts the search at q - 1 and must
// reject every number down to p, then answer p.
TEST(Primepair, SearchAgreesWithASieve) {
    for (auto [low, high] : {std::pair{2, 1 << 24}, std::pair{(1 << 30) - (1 << 20), 1 << 30}}) {
        const std::vector<int> primes = primes_between(low, high);
        std::string input = std::to_string(primes.size() - 1), expected;
        for (std::size_t i = 0; i + 1 < primes.size(); ++i) {
            const int p = primes[i], n = 2 * (primes[i + 1] - 1);
            input += ' ' + std::to_string(n);
            expected += std::to_string(2 * p) + " = " + std::to_string(p) + " + " + std::to_string(p) + "\n";
        }
        auto r = run("primepair", input, {.timeout_seconds = 600});
        EXPECT_EQ(r.status, 0);
        ASSERT_EQ(r.out.size(), expected.size()) << "from " << low;
        EXPECT_TRUE(r.out == expected) << "from " << low;  // 30 MB: no diff printed
    }
}

TEST(Primepair, AgreesWithTheSearchOverEverySplit) {
    // The literal search costs about n^3 over all n up to N; 700 keeps it short.
    expect_same_as_reference("primepair", range(-3, 700), reference::primepair);
    expect_same_as_reference("primepair", {1999, 2000, 4093, 4094}, reference::primepair);
}

// The literal search is cubic, so beyond small n the answer is checked in
// the form the search always takes, 2p = p + p with p the largest prime not
// above n / 2, p found with the literal trial division.
std::string prime_split(int n) {
    if (n <= 3) return "No Solutions\n";
    int p = n / 2;
    while (!reference::isPrime(p)) --p;
    return std::to_string(2 * p) + " = " + std::to_string(p) + " + " + std::to_string(p) + "\n";
}

TEST(Primepair, AgreesWithTrialDivisionOverTheIntRange) {
    std::mt19937 rng(8);
    std::vector<int> values;
    for (int i = 0; i < 3000; ++i) values.push_back(std::uniform_int_distribution<int>(4, 2147483647)(rng));
    // Odd composites that fool weaker primality tests (strong pseudoprimes to
    // base 2, and to several bases): each starts a search at itself.
    for (int s :
         {2047,  3277,  4033,  4681,  8321,  15841,    29341,     42799,     49141,      52633,      65281,
          74665, 80581, 85489, 88357, 90751, 25326001, 161304001, 960946321, 1024651121, 1050535501, 1073676289})
        for (int n : {2 * s, 2 * s + 1}) values.push_back(n);
    // Values clustered in gaps between primes, from just below a gap's prime
    // to just past the next one, in random order, runs of one gap crossing
    // from batch to batch: the widest gap primepair meets (282, after
    // 436273009), a gap of 2 and gaps near the top of the range.
    std::vector<int> clustered;
    for (int p : {436273009, 1000037, 1073741789, 1073741783, 211, 229}) {
        long long next = p + 1;
        while (next < 1073741823 && !reference::isPrime(static_cast<int>(next))) ++next;
        for (long long n = 2LL * (p - 2); n <= std::min(2 * next + 3, 2147483647LL); ++n)
            clustered.push_back(static_cast<int>(n));
    }
    std::shuffle(clustered.begin(), clustered.begin() + 300, rng);
    std::shuffle(clustered.begin() + 300, clustered.end(), rng);
    values.insert(values.end(), clustered.begin(), clustered.end());
    expect_same_as_reference("primepair", values, prime_split);
}

// Every strong pseudoprime to base 2 below 10^6 (odd composites that pass the
// strong test to base 2), from a sieve and plain 64-bit arithmetic.
std::vector<int> base2_pseudoprimes_below_a_million() {
    const std::size_t limit = 1000000;
    std::vector<bool> composite(limit);
    for (std::size_t p = 2; p * p < limit; ++p)
        if (!composite[p])
            for (std::size_t m = p * p; m < limit; m += p) composite[m] = true;
    std::vector<int> found;
    for (std::uint64_t n = 3; n < limit; n += 2) {
        if (!composite[static_cast<std::size_t>(n)]) continue;
        std::uint64_t d = n - 1, x = 1, b = 2;
        int s = 0;
        for (; d % 2 == 0; d /= 2) ++s;
        for (; d != 0; d /= 2, b = b * b % n)
            if (d & 1) x = x * b % n;
        bool passes = x == 1 || x == n - 1;
        for (int r = 1; r < s && !passes; ++r) passes = (x = x * x % n) == n - 1;
        if (passes) found.push_back(static_cast<int>(n));
    }
    return found;
}

TEST(Primepair, RejectsEveryBase2PseudoprimeBelowAMillion) {
    const std::vector<int> pseudoprimes = base2_pseudoprimes_below_a_million();
    ASSERT_EQ(pseudoprimes.size(), 46u);  // as counted by Pomerance, Selfridge and Wagstaff
    std::vector<int> values;
    for (int s : pseudoprimes) values.push_back(2 * s + 1);
    expect_same_as_reference("primepair", values, prime_split);
}

TEST(Primepair, ExamplesAndEdgeCases) {
    expect_cases("primepair",
                 {
                     {"whole worked input", "3\n10\n3\n17\n", "10 = 5 + 5\nNo Solutions\n14 = 7 + 7\n"},
                     {"each case is searched afresh", "2 10 6", "10 = 5 + 5\n6 = 3 + 3\n"},
                     {"no cases", "0", ""},
                     {"negative case count", "-5 10", ""},
                     {"least int", "1 -2147483648", "No Solutions\n"},
                     // The largest prime below 2^30 is 1073741789.
                     {"largest int", "1 2147483647", "2147483578 = 1073741789 + 1073741789\n"},
                     {"twice the largest prime below 2^30", "1 2147483578", "2147483578 = 1073741789 + 1073741789\n"},
                     {"just below it", "1 2147483577", "2147483566 = 1073741783 + 1073741783\n"},
                     // 211^2, and products of two primes above 200, have no factor below 200.
                     {"candidates with no factor below 200", "3  89042 139682 365054",
                      "89038 = 44519 + 44519\n139666 = 69833 + 69833\n365038 = 182519 + 182519\n"},
                 });
}

TEST(Primepair, BadInput) {
    expect_cases("primepair", {
                                  {"missing count", "", "", 1, "case count: expected an integer, found end of input"},
                                  {"answered lines stay before the error", "3 10 6", "10 = 5 + 5\n6 = 3 + 3\n", 1,
                                   "test value 3 of 3: expected an integer, found end of input"},
                                  {"malformed value", "2 10 ten", "10 = 5 + 5\n", 1,
                                   "test value 2 of 2: expected an integer, found 'ten'"},
                              });
}

TEST(Digitgen, AgreesWithTheScanDownToOne) {
    expect_same_as_reference("digitgen", range(-3, 5000), reference::digitgen);
    std::mt19937 rng(5);
    std::vector<int> values;
    for (int i = 0; i < 200; ++i) values.push_back(std::uniform_int_distribution<int>(5000, 2000000)(rng));
    expect_same_as_reference("digitgen", values, reference::digitgen);
}

TEST(Digitgen, ExamplesAndEdgeCases) {
    expect_cases("digitgen", {
                                 {"whole worked input", "4 101 20 2 1",
                                  "101 = 100 + (1+0+0)\nNo solution\n2 = 1 + (1)\nNo solution\n"},
                                 {"the largest generator", "1 216", "216 = 207 + (2+0+7)\n"},
                                 {"a billion", "1 1000000000", "1000000000 = 999999932 + (9+9+9+9+9+9+9+3+2)\n"},
                                 {"largest int", "1 2147483647", "2147483647 = 2147483606 + (2+1+4+7+4+8+3+6+0+6)\n"},
                                 {"no cases", "-1", ""},
                                 {"zero and negative values", "2 0 -2147483648", "No solution\nNo solution\n"},
                             });
}

TEST(Digitgen, BadInput) {
    expect_cases("digitgen",
                 {
                     {"answered lines stay before the error", "2 2", "2 = 1 + (1)\n", 1, "test value 2 of 2"},
                     {"out of range", "1 2147483648", "", 1, "too large"},
                 });
}

TEST(Nodivisor, AgreesWithTopDownTrialDivision) {
    std::vector<int> values = range(-2, minitools::emulated ? 300 / minitools::sample_step : 2000);
    std::mt19937 rng(6);
    for (int i = 0; i < 60; ++i) values.push_back(std::uniform_int_distribution<int>(2000, 100000000)(rng));
    // Values just above the largest prime gaps below 2^31, and the top.
    for (int n : {2147483647, 2147483646, 2147483629, 2147483628, 1073741823, 1073741788, 1431655765, 1294268791,
                  1453168141, 2010733844, 2010734179})
        values.push_back(n);
    for (int n : values) {
        auto r = run("nodivisor", std::to_string(n), {.sweep = true});
        ASSERT_EQ(r.out, reference::nodivisor(n)) << "n=" << n;
        ASSERT_EQ(r.status, 0);
    }
}

TEST(Nodivisor, ExamplesAndBadInput) {
    expect_cases("nodivisor", {
                                  {"one", "1", "1"},
                                  {"two", "2", "2"},
                                  {"three", "3", "3"},
                                  {"hundred", "100", "97"},
                                  {"thousand", "1000", "997"},
                                  {"zero prints nothing", "0", ""},
                                  {"least int prints nothing", "-2147483648", ""},
                                  {"largest int is prime", "2147483647", "2147483647"},
                                  {"2^30", "1073741824", "1073741789"},
                                  {"empty input", "", "", 1, "number: expected an integer, found end of input"},
                                  {"text after the number is left unread", "12x", "11"},
                                  {"malformed", "x12", "", 1, "expected an integer, found 'x12'"},
                              });
}

TEST(Digitmean, AgreesWithTheLiteralLoop) {
    std::vector<int> bounds = range(-2, 60);
    for (int f : {89, 144, 987, 6765, 10946, 9227465, 1134903170})
        for (int d = -1; d <= 1; ++d) bounds.push_back(f + d);
    bounds.push_back(1836311902);  // the largest bound the literal loop can take
    for (int bound : bounds) {
        auto r = run("digitmean", std::to_string(bound), {.sweep = true});
        ASSERT_EQ(r.out, reference::digitmean(bound)) << "bound=" << bound;
    }
}

TEST(Digitmean, BoundsBeyondTheLastIntTerm) {
    const std::string all = reference::digitmean(1836311902);
    EXPECT_EQ(all, "13 55 144 987 6765 10946 9227465 ");
    expect_cases("digitmean", {
                                  {"first term beyond int range", "1836311903", all},
                                  {"largest int", "2147483647", all},
                                  {"thousand", "1000", "13 55 144 987 "},
                                  {"bound equal to a qualifying term", "55", "13 "},
                                  {"negative bound", "-7", ""},
                                  {"malformed", "x", "", 1, "bound: expected an integer, found 'x'"},
                              });
}

}  // namespace
