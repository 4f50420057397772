// unshift: shifts a word back with one key per character class (what it
// reads and prints: its help text below).
//
// Bytes are signed (128 to 255 are -128 to -1), arithmetic is 32-bit with
// wrap-around, and a stored byte is the low 8 bits; the word ends at the
// first byte that becomes 0, as a C string would.
#include <cstdint>
#include <string>

#include "support.hpp"

namespace {

constexpr support::Help help{
    .summary = "Decode a word shifted forward by one key per character class.",
    .description = R"(Input: three integers LOWER UPPER DIGIT, then a WORD.

Each lower-case letter of WORD moves back by LOWER, each upper-case letter
by UPPER and each digit by DIGIT; one that falls below the start of its class
wraps once to the end of it. Any other byte moves back by DIGIT.

Output: for each lower-case letter and each digit that wraps, the number of
wrap steps on its own line (an upper-case wrap prints nothing); then the
decoded word, with no newline.
)",
    .example = R"(  $ printf '5 2 4\ncAb1-z\n' | unshift
  2
  3
  2
  xYw7)u
)",
    .failure = R"(the input is malformed or a read or write fails
)",
};

// 32-bit wrap-around subtraction, without signed overflow.
int sub(int a, int b) { return static_cast<int>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b)); }

// The low 8 bits of value, as the byte stored back into the word.
char low_byte(int value) { return static_cast<char>(static_cast<unsigned char>(value & 0xff)); }

// Moves c back by key within the class that ends at last and starts just
// above before; prints the wrap steps when it wraps and report is set.
char shift_back(int c, int key, int before, int last, bool report, support::Writer& out) {
    if (sub(c, key) > before) return low_byte(sub(c, key));
    int wrap_steps = sub(key, c - before);
    if (report) {
        out.put_int(wrap_steps);
        out.put('\n');
    }
    return low_byte(sub(last, wrap_steps));
}

}  // namespace

int main(int argc, char** argv) {
    support::Program program("unshift", argc, argv, help);
    const int lower_key = program.read_int("lower-case key");
    const int upper_key = program.read_int("upper-case key");
    const int digit_key = program.read_int("digit key");
    std::string_view read;
    program.read_word(read, "word");
    // The word is a C string: it ends at a NUL byte, and its length is
    // taken once, before any byte changes.
    std::string word(read.substr(0, read.find('\0')));

    for (char& byte : word) {
        const int c = static_cast<signed char>(byte);
        if (c > 96 && c <= 122) {
            byte = shift_back(c, lower_key, 96, 122, true, program.out);
        } else if (c > 64 && c <= 90) {
            byte = shift_back(c, upper_key, 64, 90, false, program.out);
        } else if (c > 47 && c <= 57) {
            byte = shift_back(c, digit_key, 47, 57, true, program.out);
        } else {
            byte = low_byte(sub(c, digit_key));
        }
    }
    program.out.put(std::string_view(word).substr(0, word.find('\0')));
    return program.finish();
}
