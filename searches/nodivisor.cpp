// nodivisor: prints the largest prime not above a number.
//
// Input:  one integer n.
// Output: the largest prime p <= n, with no newline; 1 and 2 are printed as
//         they are, and nothing is printed for n <= 0.
// A missing or malformed number is reported on standard error with status 1.
#include <cstdint>

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

// a^e mod n for n < 2^31, in 64-bit arithmetic.
std::uint64_t power_mod(std::uint64_t a, std::uint32_t e, std::uint64_t n) {
    std::uint64_t result = 1;
    for (a %= n; e > 0; e >>= 1) {
        if (e & 1) result = result * a % n;
        a = a * a % n;
    }
    return result;
}

// Whether n >= 2 is prime: small factors first, then a Miller-Rabin test with
// the bases 2, 7 and 61, exact for every value below 4759123141.
bool has_no_divisor(int n) {
    static constexpr int small_primes[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37};
    for (int p : small_primes) {
        if (n == p) return true;
        if (n % p == 0) return false;
    }
    if (n < 41 * 41) return true;
    const auto m = static_cast<std::uint32_t>(n);
    std::uint32_t d = m - 1;
    int twos = 0;
    while ((d & 1) == 0) {
        d >>= 1;
        ++twos;
    }
    for (std::uint64_t base : {2u, 7u, 61u}) {
        std::uint64_t x = power_mod(base, d, m);
        if (x == 1 || x == m - 1) continue;
        bool composite = true;
        for (int r = 1; r < twos && composite; ++r) {
            x = x * x % m;
            if (x == m - 1) composite = false;
        }
        if (composite) return false;
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
