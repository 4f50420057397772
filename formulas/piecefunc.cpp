// piecefunc: a function defined in four ranges of a real x (what it reads
// and prints: its help text below).
//
// The range limits -1 and 0 are compared in single precision, pi in double;
// the cosine is single precision, the exponential double. A NaN fails every
// comparison and so takes the last branch.
#include <cmath>

#include "support.hpp"

namespace {

constexpr support::Help help{
    .summary = "Evaluate a four-range function of a real number X.",
    .description = R"(Input: one real number X (decimal, hexadecimal, inf, infinity or nan),
rounded to single precision.

The output has four decimals and no newline. It is
  -X            when X < -1
  1             when -1 <= X < 0
  cos(X)        when 0 <= X < pi (single precision)
  -exp(pi - X)  when X >= pi, and when X is not a number
)",
    .example = R"(  $ echo 2 | piecefunc
  -0.4161
)",
    .failure = R"(the input is malformed or a read or write fails
)",
};

constexpr double pi = 3.141592653589793;

}  // namespace

int main(int argc, char** argv) {
    support::Program program("piecefunc", argc, argv, help);
    const float x = program.read_float("x");
    double value;
    if (-1.0f > x) {
        value = static_cast<double>(-x);
    } else if (0.0f > x) {
        value = 1.0;
    } else if (pi > static_cast<double>(x)) {
        value = static_cast<double>(std::cos(x));
    } else {
        value = -std::exp(pi - static_cast<double>(x));
    }
    program.out.put_real("%.4f", value);
    return program.finish();
}
