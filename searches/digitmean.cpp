// digitmean: the Fibonacci numbers whose digits have a whole mean (what it
// reads and prints: its help text below).
//
// Terms are formed in 64 bits, so every int bound works (the largest ones
// print the same as 1836311902).
#include <cstdint>

#include "support.hpp"

namespace {

constexpr support::Help help{
    .summary = "List the Fibonacci numbers below a bound whose digits have a whole mean.",
    .description = R"(Those are the Fibonacci numbers above 10 and below BOUND whose digit sum is
a multiple of their number of digits.

Input: one integer BOUND.

Output, with no newline: the qualifying numbers in increasing order, each
followed by one space.
)",
    .example = R"(  $ echo 1000 | digitmean
  13 55 144 987 
)",
    .failure = R"(the input is malformed or a read or write fails
)",
};

}  // namespace

int main(int argc, char** argv) {
    support::Program program("digitmean", argc, argv, help);
    std::int64_t prev_term = 0;
    std::int64_t term = 1;
    const int bound = program.read_int("bound");
    while (term <= bound) {
        std::int64_t digit_sum = 0;
        std::int64_t digit_count = 0;
        std::int64_t next_term = prev_term + term;
        prev_term = term;
        term = next_term;
        if (next_term <= 10 || next_term >= bound) continue;
        for (; next_term != 0; next_term /= 10) {
            digit_sum += next_term % 10;
            ++digit_count;
        }
        if (digit_sum % digit_count == 0) {
            program.out.put_int(term);
            program.out.put(' ');
        }
    }
    return program.finish();
}
