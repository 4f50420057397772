// letterstep: shows a character, its code, and the character a step further.
//
// Input:  one byte (nothing skipped: a blank or newline counts), then an
//         integer step.
// Output: "C CODE D SUM FLAG" with no newline: the byte, its signed code
//         (-128 to 127), the byte whose code is the low 8 bits of SUM, SUM =
//         code + step in 32-bit wrap-around arithmetic, and 1 when the code is
//         below that of 'Z' (90), else 0.
// A missing byte or a missing or malformed step is reported on standard
// error with status 1.
#include <cstdint>

#include "support.hpp"

namespace {

constexpr std::string_view help_text = R"(Usage: letterstep
Show a character, its code, and the character a given step further on.

Input (standard input): one byte, taken as it is (a blank or newline counts),
then an integer STEP.

Output, with no newline: "C CODE D SUM FLAG": the byte C, its signed code
(bytes 128 to 255 are -128 to -1), the byte D with the low 8 bits of SUM,
SUM = CODE + STEP, and FLAG = 1 when CODE < 90 (the code of 'Z'), else 0.

Example: the input "a 3" prints "a 97 d 100 0".

Exit status: 0 on success; 1, with a message on standard error, when the
input is malformed or the output cannot be written.
)";

}  // namespace

int main(int argc, char** argv) {
    support::Program program("letterstep", argc, argv, help_text);
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
