// nodivisor: the largest prime not above a number (what it reads and prints:
// its help text below).
//
// Candidates are tried downward from n, each by trial division upward from 2,
// so a composite is rejected at its smallest factor.
#include "support.hpp"

namespace {

constexpr support::Help help{
    .summary = "Print the largest prime that does not exceed a number.",
    .description = R"(Input: one integer N.

Output, with no newline: the largest prime not above N; N itself when N is 1
or 2; nothing when N is 0 or negative.
)",
    .example = R"(  $ echo 100 | nodivisor
  97
)",
    .failure = R"(the input is malformed or a read or write fails
)",
};

// Whether n >= 3 has no divisor between 2 and its square root, trying 2 and
// then the odd numbers upward: a composite is given away by its smallest
// factor, and a prime below 2^31 costs at most 23170 divisions.
bool has_no_divisor(int n) {
    if (n % 2 == 0) return false;
    for (int j = 3; static_cast<long long>(j) * j <= n; j += 2) {
        if (n % j == 0) return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    support::Program program("nodivisor", argc, argv, help);
    int n = program.read_int("number");
    if (n == 1 || n == 2) {
        program.out.put_int(n);
    } else if (n > 2) {
        while (!has_no_divisor(n)) --n;
        program.out.put_int(n);
    }
    return program.finish();
}
