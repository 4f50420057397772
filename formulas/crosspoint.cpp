// crosspoint: intersects two lines by Cramer's rule (what it reads and
// prints: its help text below).
//
// Every operation is rounded to single precision on its own, in the order the
// formulas are written; a zero determinant is divided by as IEEE-754 does.
//
// IEEE-754 leaves two things to the machine, and both reach the output as the
// sign of a NaN ("nan" or "-nan"): which NaN an operation on two NaNs returns
// (x86-64 returns its first operand, but a compiler may swap the operands of a
// product), and the sign of the NaN an invalid operation such as 0 / 0 or
// inf - inf makes (negative on x86-64, positive on aarch64). The operations
// below fix the x86-64 answers for every build: the first NaN operand as the
// formula is written, else a negative NaN for an invalid operation.
#include <bit>
#include <cmath>
#include <cstdint>

#include "support.hpp"

namespace {

constexpr support::Help help{
    .summary = "Print where two lines cross, by Cramer's rule in single precision.",
    .description = R"(Input: six real numbers A1 B1 C1 A2 B2 C2, for the lines A1*x + B1*y + C1 = 0
and A2*x + B2*y + C2 = 0.

Output, with two decimals each and no newline: "X Y", where
D = A1*B2 - B1*A2, X = (B1*C2 - C1*B2) / D and Y = (C1*A2 - A1*C2) / D.
A zero D is divided by as it is: inf, -inf or -nan.
)",
    .example = R"(  $ printf '1 1 -2\n1 -1 0\n' | crosspoint
  1.00 1.00
)",
    .failure = R"(the input is malformed or a read or write fails
)",
};

// The result of a op b, whose machine result is result, by the rules above.
float nan_rule(float a, float b, float result) {
    // A NaN operand comes back quiet (its quiet bit set), payload and sign kept.
    auto quiet = [](float nan) { return std::bit_cast<float>(std::bit_cast<std::uint32_t>(nan) | 0x00400000u); };
    if (std::isnan(a)) return quiet(a);
    if (std::isnan(b)) return quiet(b);
    if (std::isnan(result)) return std::bit_cast<float>(0xffc00000u);  // x86-64's default NaN
    return result;
}

float mul(float a, float b) { return nan_rule(a, b, a * b); }
float sub(float a, float b) { return nan_rule(a, b, a - b); }
float div(float a, float b) { return nan_rule(a, b, a / b); }

}  // namespace

int main(int argc, char** argv) {
    support::Program program("crosspoint", argc, argv, help);
    const float a1 = program.read_float("a1");
    const float b1 = program.read_float("b1");
    const float c1 = program.read_float("c1");
    const float a2 = program.read_float("a2");
    const float b2 = program.read_float("b2");
    const float c2 = program.read_float("c2");
    // Each product is rounded on its own: the build forbids fused multiply-add.
    // x = ((b1 * c2) - (c1 * b2)) / ((a1 * b2) - (b1 * a2))
    // y = ((c1 * a2) - (a1 * c2)) / ((a1 * b2) - (b1 * a2))
    const float x = div(sub(mul(b1, c2), mul(c1, b2)), sub(mul(a1, b2), mul(b1, a2)));
    const float y = div(sub(mul(c1, a2), mul(a1, c2)), sub(mul(a1, b2), mul(b1, a2)));
    program.out.put_fixed(x, 2);
    program.out.put(' ');
    program.out.put_fixed(y, 2);
    return program.finish();
}
