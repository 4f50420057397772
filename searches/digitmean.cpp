// digitmean: lists the Fibonacci numbers whose digits have a whole mean.
//
// Input:  one integer, the bound.
// Output: every Fibonacci number greater than 10 and smaller than the bound
//         whose digit sum is divisible by its number of digits, in increasing
//         order, each followed by one space; no newline.
// Terms are formed in 64 bits, so every int bound works (the largest ones
// print the same as 1836311902). A missing or malformed bound is reported
// on standard error with status 1.
#include <cstdint>

#include "support.hpp"

namespace {

constexpr std::string_view help_text = R"(Usage: digitmean
List the Fibonacci numbers below a bound whose digits have a whole mean.

Those are the Fibonacci numbers above 10 and below BOUND whose digit sum is
a multiple of their number of digits.

Input (standard input): one integer BOUND.

Output, with no newline: the qualifying numbers in increasing order, each
followed by one space.

Example: the input "1000" prints "13 55 144 987 ".

Exit status: 0 on success; 1, with a message on standard error, when the
input is malformed or the output cannot be written.
)";

}  // namespace

int main(int argc, char** argv) {
    support::Program program("digitmean", argc, argv, help_text);
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
