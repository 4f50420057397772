// letterstep: a character, its code and the character a step further (what it
// reads and prints: its help text below).
//
// The byte is signed (128 to 255 count as -128 to -1), whatever the platform's
// char is; the sum wraps modulo 2^32 through unsigned arithmetic.
#include <cstdint>

#include "support.hpp"

namespace {

constexpr support::Help help{
    .summary = "Show a character, its code, and the character a given step further on.",
    .description = R"(Input: one byte, taken as it is (a blank or newline counts), then an integer
STEP.

Output, with no newline: "C CODE D SUM FLAG": the byte C, its signed code
(bytes 128 to 255 are -128 to -1), the byte D with the low 8 bits of SUM,
SUM = CODE + STEP, and FLAG = 1 when CODE < 90 (the code of 'Z'), else 0.
)",
    .example = R"(  $ printf 'a\n3\n' | letterstep
  a 97 d 100 0
)",
    .failure = R"(the input is malformed or a read or write fails
)",
};

}  // namespace

int main(int argc, char** argv) {
    support::Program program("letterstep", argc, argv, help);
    const char symbol = program.read_char("character");
    program.in.skip_space();
    const int step = program.read_int("step");

    const int code = static_cast<signed char>(symbol);
    const int sum = static_cast<int>(static_cast<std::uint32_t>(code) + static_cast<std::uint32_t>(step));
    support::Writer& out = program.out;
    out.put(symbol);
    out.put(' ');
    out.put_int(code);
    out.put(' ');
    out.put(static_cast<char>(static_cast<unsigned char>(sum & 0xff)));
    out.put(' ');
    out.put_int(sum);
    out.put(' ');
    out.put_int(code < 90 ? 1 : 0);
    return program.finish();
}
