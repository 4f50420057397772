// The integer searches exactly as first described: trial division from the
// square root, every split of every sum, every candidate generator down to 1,
// divisors tried top-down. Kept as the reference that the fast programs are
// compared with; each returns what one case prints.
#pragma once

#include <cmath>
#include <string>

namespace reference {

inline int isPrime(int a) {
    if (a == 0 || a == 1) return 0;
    if (a == 2) return 1;
    int limit = static_cast<int>(std::sqrt(static_cast<double>(a))) + 1;
    for (int i = 2; i <= limit; ++i) {
        if (a % i == 0) return 0;
    }
    return 1;
}

inline std::string primepair(int n) {
    if (n <= 3) return "No Solutions\n";
    int best_small = 0, best_large = 0, best_sum = 99999;
    for (int x = n; x > 1; --x) {
        for (int y = x; y >= x / 2 - 1; --y) {
            int d = x - y;
            if (isPrime(d) == 1 && isPrime(y) == 1 && d <= y) {
                if (d > best_small || (d == best_small && x < best_sum)) {
                    best_small = d;
                    best_large = y;
                    best_sum = x;
                }
            }
        }
    }
    return std::to_string(best_sum) + " = " + std::to_string(best_small) + " + " + std::to_string(best_large) + "\n";
}

inline int sum_digits(int a) {
    int sum = 0;
    while (a != 0) {
        sum += a % 10;
        a /= 10;
    }
    return sum;
}

inline int num_digits(int a) {
    int count = 0;
    while (a != 0) {
        count += 1;
        a /= 10;
    }
    return count;
}

inline std::string digitgen(int n) {
    for (int x = n; x > 0; --x) {
        int s = sum_digits(x);
        int k = num_digits(x);
        if (static_cast<long long>(x) + s == n) {
            std::string line = std::to_string(n) + " = " + std::to_string(x) + " + (";
            for (int c = k; c > 0; --c) {
                int p = static_cast<int>(std::pow(10.0, static_cast<double>(c - 1)));
                line += std::to_string(x / p) + (c > 1 ? "+" : ")");
                x %= p;
            }
            return line + "\n";
        }
    }
    return "No solution\n";
}

inline std::string nodivisor(int n) {
    if (n == 1 || n == 2) return std::to_string(n);
    for (;;) {
        if (n <= 1) return "";
        int limit = static_cast<int>(std::sqrt(static_cast<double>(n))) + 1;
        bool divisor_found = false;
        for (int j = limit; j > 1; --j) {
            if (n % j == 0) {
                divisor_found = true;
                break;
            }
        }
        if (!divisor_found) return std::to_string(n);
        n -= 1;
    }
}

// Valid for bounds up to 1836311902, where no term overflows.
inline std::string digitmean(int bound) {
    int prev_term = 0, term = 1;
    std::string out;
    while (term <= bound) {
        int digit_sum = 0, digit_count = 0;
        int next_term = prev_term + term;
        prev_term = term;
        term = next_term;
        if (next_term <= 10 || next_term >= bound) continue;
        while (next_term != 0) {
            digit_sum += next_term % 10;
            next_term /= 10;
            digit_count += 1;
        }
        if (digit_sum % digit_count == 0) out += std::to_string(term) + " ";
    }
    return out;
}

}  // namespace reference
