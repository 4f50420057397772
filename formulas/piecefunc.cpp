// piecefunc: evaluates a function defined in four ranges of a real x.
//
// Input:  one real number x (anything scanf's "%f" accepts, including nan,
//         inf, infinity and hexadecimal forms), rounded to single precision.
// Output: with "%.4f" and no newline: -x for x < -1; 1 for -1 <= x < 0;
//         cosf(x) for 0 <= x < pi; -exp(pi - x) for x >= pi and for NaN.
// The range limits -1 and 0 are compared in single precision, pi in double;
// the cosine is single precision, the exponential double.
// A missing or malformed number is reported on standard error with status 1.
#include <cmath>

#include "support.hpp"

namespace {

constexpr std::string_view help_text = R"(Usage: piecefunc
Evaluate a four-range function of a real number X.

Input (standard input): one real number X (decimal, hexadecimal, inf,
infinity or nan), rounded to single precision.

Output, with four decimals and no newline:
  -X            when X < -1
  1             when -1 <= X < 0
  cos(X)        when 0 <= X < pi (single precision)
  -exp(pi - X)  when X >= pi, and when X is not a number

Example: the input "2" prints "-0.4161".

Exit status: 0 on success; 1, with a message on standard error, when the
input is malformed or the output cannot be written.
)";

constexpr double pi = 3.141592653589793;

}  // namespace

int main(int argc, char** argv) {
    support::Program program("piecefunc", argc, argv, help_text);
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
