// digitgen: the largest digit-sum generator of each test value (what it reads
// and prints: its help text below).
//
// A generator lies below n by its own digit sum, at most 82 for an int
// (1999999999), so only x from n - 1 down to n - 82 can match, and the digit
// sum is carried from one candidate to the next.
#include <algorithm>

#include "support.hpp"

namespace {

constexpr support::Help help{
    .summary = "For each test value, print its largest digit-sum generator.",
    .description = R"help(A generator of N is a whole number X >= 1 such that X plus the sum of its
decimal digits is N.

Input: a COUNT, then COUNT integers N. Each N is answered before the next is
read.

Output, one line per N: "N = X + (D1+D2+...+Dk)" with the digits of X, or
"No solution".
)help",
    .example = R"(  $ printf '4\n101\n20\n2\n1\n' | digitgen
  101 = 100 + (1+0+0)
  No solution
  2 = 1 + (1)
  No solution
)",
    .failure = R"(the input is malformed or a read or write fails
)",
};

// The largest digit sum of a positive int, that of 1999999999.
constexpr int largest_digit_sum = 82;

int sum_digits(int a) {
    int sum = 0;
    for (; a != 0; a /= 10) sum += a % 10;
    return sum;
}

int num_digits(int a) {
    int count = 0;
    for (; a != 0; a /= 10) ++count;
    return count;
}

void print_soln(support::Writer& out, int n, int x, int k) {
    static constexpr int powers_of_ten[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};
    out.put_int(n);
    out.put(" = ");
    out.put_int(x);
    out.put(" + (");
    for (int c = k; c > 0; --c) {
        const int p = powers_of_ten[c - 1];
        out.put(static_cast<char>('0' + x / p));
        out.put(c > 1 ? '+' : ')');
        x %= p;
    }
    out.put('\n');
}

}  // namespace

int main(int argc, char** argv) {
    support::Program program("digitgen", argc, argv, help);
    const int case_count = program.read_int("case count");
    for (int i = 0; i < case_count; ++i) {
        const int n = program.read_int("test value", i + 1LL, case_count);
        bool solution_found = false;
        // Candidates run from n - 1 down to max(1, n - 82); n - x stays
        // positive and small, so nothing here can overflow. The digit sum is
        // carried from one candidate to the next: it falls by one, or, when
        // x ends in t zeros, x - 1 ends in t nines and it rises by 9t - 1.
        const int lowest = n > largest_digit_sum ? n - largest_digit_sum : 1;
        int x = n > 1 ? n - 1 : 0;
        int sum = sum_digits(x);
        for (; x >= lowest; --x) {
            if (n - x == sum) {
                solution_found = true;
                print_soln(program.out, n, x, num_digits(x));
                break;
            }
            if (x % 10 != 0) {
                sum -= 1;
            } else {
                sum = sum_digits(x - 1);
            }
        }
        if (!solution_found) program.out.put("No solution\n");
    }
    return program.finish();
}
