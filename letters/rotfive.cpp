// rotfive: moves five characters forward modulo 26 from code 96 (what it reads
// and prints: its help text below).
//
// Bytes are signed (128 to 255 are -128 to -1) whatever the platform's char
// is, arithmetic is 32-bit with wrap-around through unsigned types, and the
// remainder takes the sign of the sum, as C's % does.
#include <array>
#include <cstdint>

#include "support.hpp"

namespace {

constexpr support::Help help{
    .summary = "Move five characters forward by a shift, modulo 26, counted from code 96.",
    .description = R"(Input: exactly five bytes, taken as they are (blanks and newlines count),
then an integer SHIFT.

Output, with no newline: for each byte c, the byte ((c - 96 + SHIFT) % 26) + 96,
where % keeps the sign of the sum. For lower-case letters and SHIFT >= 0 this
rotates the alphabet, except that 'z' comes out as '`' (code 96).
)",
    .example = R"(  $ printf 'hello\n3\n' | rotfive
  khoor
)",
    .failure = R"(fewer than five bytes or no valid SHIFT can be read, or a read or
     write fails
)",
};

char rotate(char letter, int shift) {
    const int c = static_cast<signed char>(letter);
    const int v = static_cast<int>(static_cast<std::uint32_t>(c - 96) + static_cast<std::uint32_t>(shift));
    const int r = v % 26;
    return static_cast<char>(static_cast<unsigned char>(r + 96));
}

}  // namespace

int main(int argc, char** argv) {
    support::Program program("rotfive", argc, argv, help);
    std::array<char, 5> letters{};
    for (std::size_t i = 0; i < letters.size(); ++i) {
        letters[i] = program.read_char("character", static_cast<long long>(i) + 1, 5);
    }
    const int shift = program.read_int("shift");
    for (char letter : letters) program.out.put(rotate(letter, shift));
    return program.finish();
}
