// gaplength: the distance between two integer points (what it reads and
// prints: its help text below).
//
// The differences and the sum of their squares are formed exactly, in 128-bit
// integers, and converted to double once before the square root, so no
// coordinates overflow (0 0 65536 0 prints 65536.000).
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

__extension__ typedef unsigned __int128 uint128;

uint128 magnitude(std::int64_t difference) {
    return difference < 0 ? static_cast<uint128>(-difference) : static_cast<uint128>(difference);
}

}  // namespace

int main(int argc, char** argv) {
    support::Program program("gaplength", argc, argv, help);
    const int x1 = program.read_int("x1");
    const int y1 = program.read_int("y1");
    const int x2 = program.read_int("x2");
    const int y2 = program.read_int("y2");
    // Each difference is below 2^32 in magnitude, so each square is below
    // 2^64 and their sum below 2^65.
    const uint128 dx = magnitude(std::int64_t{x1} - x2);
    const uint128 dy = magnitude(std::int64_t{y1} - y2);
    const uint128 sum = dx * dx + dy * dy;
    program.out.put_real("%.3f", std::sqrt(static_cast<double>(sum)));
    return program.finish();
}
