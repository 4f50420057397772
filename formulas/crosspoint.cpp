// crosspoint: intersects two lines by Cramer's rule in single precision.
//
// Input:  six real numbers a1 b1 c1 a2 b2 c2, the lines a1x + b1y + c1 = 0
//         and a2x + b2y + c2 = 0 (each rounded to single precision).
// Output: "X Y" with two decimals each and no newline, where
//         D = a1*b2 - b1*a2, X = (b1*c2 - c1*b2) / D, Y = (c1*a2 - a1*c2) / D,
//         every operation rounded to single precision. Parallel lines give
//         inf or -inf, coincident lines -nan, as IEEE division does.
// A missing or malformed number is reported on standard error with status 1.
#include "support.hpp"

namespace {

constexpr std::string_view help_text = R"(Usage: crosspoint
Print where two lines cross, by Cramer's rule in single precision.

Input (standard input): six real numbers A1 B1 C1 A2 B2 C2, for the lines
A1*x + B1*y + C1 = 0 and A2*x + B2*y + C2 = 0.

Output, with two decimals each and no newline: "X Y", where
D = A1*B2 - B1*A2, X = (B1*C2 - C1*B2) / D and Y = (C1*A2 - A1*C2) / D.
A zero D is divided by as it is: inf, -inf or -nan.

Example: the input "1 1 -2 1 -1 0" prints "1.00 1.00".

Exit status: 0 on success; 1, with a message on standard error, when the
input is malformed or the output cannot be written.
)";

}  // namespace

int main(int argc, char** argv) {
    support::Program program("crosspoint", argc, argv, help_text);
    const float a1 = program.read_float("a1");
    const float b1 = program.read_float("b1");
    const float c1 = program.read_float("c1");
    const float a2 = program.read_float("a2");
    const float b2 = program.read_float("b2");
    const float c2 = program.read_float("c2");
    // Each product is rounded on its own: the build forbids fused multiply-add.
    const float x = ((b1 * c2) - (c1 * b2)) / ((a1 * b2) - (b1 * a2));
    const float y = ((c1 * a2) - (a1 * c2)) / ((a1 * b2) - (b1 * a2));
    program.out.put_real("%.2f", static_cast<double>(x));
    program.out.put(' ');
    program.out.put_real("%.2f", static_cast<double>(y));
    return program.finish();
}
