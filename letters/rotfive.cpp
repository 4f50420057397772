// rotfive: moves five characters forward by a shift, modulo 26 from code 96.
//
// Input:  exactly five bytes (nothing skipped: blanks and newlines count),
//         then an integer shift.
// Output: the five bytes ((c - 96 + shift) % 26) + 96, with no newline. The
//         remainder takes the sign of the sum, so a letter whose position
//         becomes a multiple of 26 prints the grave accent (96), and a
//         negative sum prints a code below 96.
// Bytes are signed (128 to 255 are -128 to -1) and arithmetic is 32-bit with
// wrap-around. Fewer than five bytes or a missing or malformed shift is
// reported on standard error with status 1.
#include <array>
#include <cstdint>

#include "support.hpp"

namespace {

constexpr std::string_view help_text = R"(Usage: rotfive
Move five characters forward by a shift, modulo 26, counted from code 96.

Input (standard input): exactly five bytes, taken as they are (blanks and
newlines count), then an integer SHIFT.

Output, with no newline: for each byte c, the byte ((c - 96 + SHIFT) % 26) + 96,
where % keeps the sign of the sum. For lower-case letters and SHIFT >= 0 this
rotates the alphabet, except that 'z' comes out as '`' (code 96).

Example: the input "hello 3" prints "khoor".

Exit status: 0 on success; 1, with a message on standard error, when fewer
than five bytes or no valid SHIFT can be read, or the output cannot be written.
)";

char rotate(char letter, int shift) {
    const int c = static_cast<signed char>(letter);
    const int v = static_cast<int>(static_cast<std::uint32_t>(c - 96) + static_cast<std::uint32_t>(shift));
    const int r = v % 26;
    return static_cast<char>(static_cast<unsigned char>(r + 96));
}

}  // namespace

int main(int argc, char** argv) {
    support::Program program("rotfive", argc, argv, help_text);
    std::array<char, 5> letters{};
    for (int i = 0; i < 5; ++i) letters[i] = program.read_char("character", i + 1LL, 5);
    const int shift = program.read_int("shift");
    for (char letter : letters) program.out.put(rotate(letter, shift));
    return program.finish();
}
