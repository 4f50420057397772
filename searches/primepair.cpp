// primepair: for each test value, the best split of a sum into two primes.
//
// Input:  a case count, then one integer n per case (each case is answered
//         before the next value is read).
// Output: one line per case: "No Solutions" for n <= 3; otherwise
//         "S = D + Y", the split into primes D <= Y with the largest smaller
//         part D over every sum from n down to 2, the smallest sum S among
//         those. That split is always 2p = p + p, with p the largest prime
//         not above n / 2, which is what is computed.
// A missing or malformed test value is reported on standard error with
// status 1, after the lines of the cases already answered.
#include <cstdint>

#include "support.hpp"

namespace {

constexpr std::string_view help_text = R"(Usage: primepair
For each test value, print the best split of a sum into two primes.

Input (standard input): a COUNT, then COUNT integers N.

Output, one line per N: "No Solutions" when N <= 3; otherwise "S = D + Y",
where D + Y = S <= N, D <= Y are both prime, D is as large as possible and,
for that D, S as small as possible. This is always 2P = P + P with P the
largest prime not above N / 2.

Example: the input "3  10 3 17" prints the lines "10 = 5 + 5",
"No Solutions" and "14 = 7 + 7".

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

// 1 when a is prime, 0 otherwise (0 for every a < 2). Small factors are
// tried first; beyond them a Miller-Rabin test with the bases 2, 7 and 61,
// which is exact for every value below 4759123141, so for every int.
int isPrime(int a) {
    if (a < 2) return 0;
    static constexpr int small_primes[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37};
    for (int p : small_primes) {
        if (a == p) return 1;
        if (a % p == 0) return 0;
    }
    if (a < 41 * 41) return 1;
    const auto n = static_cast<std::uint32_t>(a);
    std::uint32_t d = n - 1;
    int twos = 0;
    while ((d & 1) == 0) {
        d >>= 1;
        ++twos;
    }
    for (std::uint64_t base : {2u, 7u, 61u}) {
        std::uint64_t x = power_mod(base, d, n);
        if (x == 1 || x == n - 1) continue;
        bool composite = true;
        for (int r = 1; r < twos && composite; ++r) {
            x = x * x % n;
            if (x == n - 1) composite = false;
        }
        if (composite) return 0;
    }
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    support::Program program("primepair", argc, argv, help_text);
    support::Writer& out = program.out;
    const int case_count = program.read_int("case count");
    for (int i = 0; i < case_count; ++i) {
        const int n = program.read_int("test value", i + 1LL, case_count);
        if (n <= 3) {
            out.put("No Solutions\n");
            continue;
        }
        // Prime gaps below 2^31 are under 300, so this loop is short.
        int p = n / 2;
        while (!isPrime(p)) --p;
        out.put_int(2 * p);
        out.put(" = ");
        out.put_int(p);
        out.put(" + ");
        out.put_int(p);
        out.put('\n');
    }
    return program.finish();
}
