// Lists the strong pseudoprimes to base 2 below a limit (2^30 by default):
// the odd composites n for which 2^d = 1 or 2^(d * 2^r) = -1 (mod n) for some
// r, where n - 1 = d * 2^s. primepair keeps this list for the numbers below
// 2^30, where a strong test to base 2 and a look-up then decide primality.
//
// Composites come from a sieve of Eratosthenes and the test uses plain 64-bit
// remainders, so nothing here shares code with the program it checks.
// Usage: base2-pseudoprimes [LIMIT]   (about a minute for 2^30)
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

bool strong_probable_prime_to_2(std::uint64_t n) {
    std::uint64_t d = n - 1;
    int s = 0;
    while ((d & 1) == 0) {
        d >>= 1;
        ++s;
    }
    std::uint64_t x = 1, b = 2 % n;
    for (std::uint64_t e = d; e != 0; e >>= 1) {
        if (e & 1) x = x * b % n;
        b = b * b % n;
    }
    if (x == 1 || x == n - 1) return true;
    for (int r = 1; r < s; ++r) {
        x = x * x % n;
        if (x == n - 1) return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    const std::uint64_t limit = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : std::uint64_t{1} << 30;
    std::vector<bool> composite(limit / 2 + 1);  // entry i stands for 2i + 1
    for (std::uint64_t p = 3; p * p < limit; p += 2) {
        if (composite[p / 2]) continue;
        for (std::uint64_t m = p * p; m < limit; m += 2 * p) composite[m / 2] = true;
    }
    for (std::uint64_t n = 3; n < limit; n += 2) {
        if (composite[n / 2] && strong_probable_prime_to_2(n)) {
            std::printf("%llu\n", static_cast<unsigned long long>(n));
        }
    }
}
