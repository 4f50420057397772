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
#include <bit>
#include <cstdint>
#include <utility>

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

// Arithmetic modulo an odd n < 2^31 in Montgomery form (x stands for
// x * 2^32 mod n), so that a product needs multiplications but no division.
struct Montgomery {
    std::uint32_t n;
    std::uint32_t neg_inverse;  // -1/n modulo 2^32

    explicit Montgomery(std::uint32_t modulus) : n(modulus) {
        std::uint32_t inverse = modulus;  // correct to 3 bits; each step doubles that
        for (int i = 0; i < 4; ++i) inverse *= 2 - modulus * inverse;
        neg_inverse = 0u - inverse;
    }
    // t * 2^-32 mod n, for t < n * 2^32.
    std::uint32_t reduce(std::uint64_t t) const {
        std::uint32_t m = static_cast<std::uint32_t>(t) * neg_inverse;
        std::uint64_t r = (t + std::uint64_t{m} * n) >> 32;
        return static_cast<std::uint32_t>(r >= n ? r - n : r);
    }
    // a + b mod n, for a, b < n.
    std::uint32_t add(std::uint32_t a, std::uint32_t b) const {
        std::uint32_t sum = a + b;  // below 2^32, as n < 2^31
        return sum >= n ? sum - n : sum;
    }
    std::uint32_t multiply(std::uint32_t a, std::uint32_t b) const {
        return reduce(std::uint64_t{a} * b);
    }
};

// Whether the odd n > 211 is a strong probable prime to every base given:
// base^d is 1 or -1, or a square of it reaches -1, where n - 1 = d * 2^twos.
// The powers share their exponent and are formed side by side, so their
// multiplications overlap instead of waiting on each other.
template <std::size_t count>
bool strong_probable_prime(const Montgomery& m, const std::uint32_t (&bases)[count]) {
    std::uint32_t d = m.n - 1;
    int twos = 0;
    while ((d & 1) == 0) {
        d >>= 1;
        ++twos;
    }
    const std::uint32_t one = (0u - m.n) % m.n;  // 2^32 mod n
    const std::uint32_t minus_one = m.n - one;
    std::uint32_t b[count], x[count];
    for (std::size_t k = 0; k < count; ++k) {
        // The base in Montgomery form, base * one, by doubling and adding.
        b[k] = 0;
        for (int bit = std::bit_width(bases[k]) - 1; bit >= 0; --bit) {
            b[k] = m.add(b[k], b[k]);
            if ((bases[k] >> bit) & 1) b[k] = m.add(b[k], one);
        }
        x[k] = one;
    }
    for (; d > 0; d >>= 1) {
        if (d & 1) {
            for (std::size_t k = 0; k < count; ++k) x[k] = m.multiply(x[k], b[k]);
        }
        for (std::size_t k = 0; k < count; ++k) b[k] = m.multiply(b[k], b[k]);
    }
    for (std::size_t k = 0; k < count; ++k) {
        bool passes = x[k] == one || x[k] == minus_one;
        for (int r = 1; r < twos && !passes; ++r) {
            x[k] = m.multiply(x[k], x[k]);
            passes = x[k] == minus_one;
        }
        if (!passes) return false;
    }
    return true;
}

// The primes below 200, as constants so that each remainder is a multiplication.
using small_primes = std::integer_sequence<int, 2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43,
                                           47, 53, 59, 61, 67, 71, 73, 79, 83, 89, 97, 101, 103, 107,
                                           109, 113, 127, 131, 137, 139, 149, 151, 157, 163, 167, 173,
                                           179, 181, 191, 193, 197, 199>;

template <int... P>
bool has_small_factor(int a, std::integer_sequence<int, P...>) {
    return ((a % P == 0) || ...);
}

template <int... P>
bool is_small_prime(int a, std::integer_sequence<int, P...>) {
    return ((a == P) || ...);
}

// 1 when a is prime, 0 otherwise (0 for every a < 2): small factors first,
// then the Miller-Rabin test.
int isPrime(int a) {
    if (a < 2) return 0;
    if (has_small_factor(a, small_primes{})) return is_small_prime(a, small_primes{}) ? 1 : 0;
    if (a < 211 * 211) return 1;
    // Miller-Rabin with the bases 2, 7 and 61 is exact below 4759123141, so
    // for every int. Base 2 alone rejects almost every composite.
    const Montgomery m(static_cast<std::uint32_t>(a));
    static constexpr std::uint32_t first[] = {2}, rest[] = {7, 61};
    return strong_probable_prime(m, first) && strong_probable_prime(m, rest) ? 1 : 0;
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
        // Prime gaps below 2^31 are under 300, so this loop is short; above 2
        // only odd numbers can be prime, and 3 ends it at the latest.
        int p = n / 2;
        if (p > 2 && p % 2 == 0) --p;
        while (!isPrime(p)) p -= 2;
        out.put_int(2 * p);
        out.put(" = ");
        out.put_int(p);
        out.put(" + ");
        out.put_int(p);
        out.put('\n');
    }
    return program.finish();
}
