// nodivisor: prints the largest prime not above a number.
//
// Input:  one integer n.
// Output: the largest prime p <= n, with no newline; 1 and 2 are printed as
//         they are, and nothing is printed for n <= 0.
// A missing or malformed number is reported on standard error with status 1.
#include "support.hpp"

namespace {

constexpr std::string_view help_text = R"(Usage: nodivisor
Print the largest prime that does not exceed a number.

Input (standard input): one integer N.

Output, with no newline: the largest prime not above N; N itself when N is 1
or 2; nothing when N is 0 or negative.

Example: the input "100" prints "97".

Exit status: 0 on success; 1, with a message on standard error, when the
input is malformed or the output cannot be written.
)";

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
    support::Program program("nodivisor", argc, argv, help_text);
    int n = program.read_int("number");
    if (n == 1 || n == 2) {
        program.out.put_int(n);
    } else if (n > 2) {
        while (!has_no_divisor(n)) --n;
        program.out.put_int(n);
    }
    return program.finish();
}
