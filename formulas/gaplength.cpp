// gaplength: the distance between two integer points (what it reads and
// prints: its help text below).
//
// The differences and the sum of their squares are formed exactly, and
// rounded to double once before the square root, so no coordinates overflow
// (0 0 65536 0 prints 65536.000). A difference is below 2^32 in magnitude,
// its square below 2^64, and the sum of two squares below 2^65: 64 bits and a
// carry, in standard unsigned types.
#include <cmath>
#include <cstdint>

#include "support.hpp"

namespace {

constexpr support::Help help{
    .summary = "Print the distance between two points with integer coordinates.",
    .description = R"(Input: four integers X1 Y1 X2 Y2.

Output, with three decimals and no newline: the square root of
(X1 - X2)^2 + (Y1 - Y2)^2, computed exactly before the root.
)",
    .example = R"(  $ echo 0 0 3 4 | gaplength
  5.000
)",
    .failure = R"(the input is malformed or a read or write fails
)",
};

std::uint64_t magnitude(std::int64_t difference) {
    return difference < 0 ? 0 - static_cast<std::uint64_t>(difference) : static_cast<std::uint64_t>(difference);
}

// carry * 2^64 + low, rounded to the nearest double: the top 33 bits and the
// low 32 bits are each exact in a double, and so is the top part scaled by
// 2^32, so the one addition is the only rounding.
double to_double(std::uint64_t carry, std::uint64_t low) {
    const std::uint64_t top = carry << 32 | low >> 32;
    return static_cast<double>(top) * 4294967296.0 + static_cast<double>(low & 0xffffffffu);
}

}  // namespace

int main(int argc, char** argv) {
    support::Program program("gaplength", argc, argv, help);
    const int x1 = program.read_int("x1");
    const int y1 = program.read_int("y1");
    const int x2 = program.read_int("x2");
    const int y2 = program.read_int("y2");
    const std::uint64_t dx = magnitude(std::int64_t{x1} - x2);
    const std::uint64_t dy = magnitude(std::int64_t{y1} - y2);
    const std::uint64_t sum = dx * dx + dy * dy;  // modulo 2^64
    const std::uint64_t carry = sum < dx * dx ? 1 : 0;
    program.out.put_fixed(std::sqrt(to_double(carry, sum)), 3);
    return program.finish();
}
