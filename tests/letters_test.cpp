// Show the exact bytes the letter programs print: wrap thresholds, keys
// beyond a class, negative and extreme keys, bytes 128 to 255, and bytes that
// become NUL.
#include <gtest/gtest.h>

#include <string_view>

#include "harness.hpp"

namespace {

using namespace std::string_view_literals;
using minitools::expect_cases;

TEST(Unshift, ExamplesAndEdgeCases) {
    expect_cases("unshift", {
                                {"every class wraps", "3 3 3 abcXYZ012", "2\n1\n0\n2\n1\n0\nxyzUVW789"},
                                {"mixed classes and punctuation", "5 2 4\ncAb1-z", "2\n3\n2\nxYw7)u"},
                                {"wrap to the last of each class", "1 1 1 aA0", "0\n0\nzZ9"},
                                {"zero keys change nothing", "0 0 0 Hello1", "Hello1"},
                                {"whole-class keys", "26 26 10 aZ9", "25\n0\naZ9"},
                                {"keys beyond the class wrap once", "27 27 11 aZ9", "26\n1\n`Y8"},
                                {"a byte that becomes 0 ends the word", "123 0 0 ab", "122\n121\n"},
                                {"the pass goes on after a 0", "0 0 33 a!b", "a"},
                                {"negative key moves up without wrap", "-1 0 0 z", "{"},
                                {"punctuation moves by the digit key", "0 0 3 !", "\x1e"},
                                {"bytes above 127 move by the digit key", "0 0 -1 \xc3", "\xc4"},
                                {"least int key", "-2147483648 0 0 a", "2147483647\n{"},
                                {"largest int key", "2147483647 0 0 a", "2147483646\n|"},
                                {"upper-case wrap prints nothing", "0 2147483647 0 A", "\\"},
                                {"keys without blanks between them", "1\n\n2\t3 b", "a"},
                                {"word of any length",
                                 "1 0 0 "
                                 "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb"
                                 "bbbbbbbbbbbbbbbbbbbbbbbbbb",
                                 "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"
                                 "aaaaaaaaaaaaaaaaaaaaaaaaaa"},
                                {"a NUL in the input ends the word", "0 0 0 ab\0cd"sv, "ab"},
                                {"a NUL after the first byte", "0 0 1 a\0b"sv, "a"},
                                {"the bytes just outside each class", "3 5 11 @[`{/:", "5PUp$/"},
                            });
}

TEST(Unshift, BadInput) {
    expect_cases("unshift", {
                                {"no keys", "", "", 1, "lower-case key: expected an integer, found end of input"},
                                {"malformed key", "1 x 3 abc", "", 1, "upper-case key: expected an integer, found 'x'"},
                                {"no word", "1 2 3 \n", "", 1, "word: expected a word, found end of input"},
                                {"key out of range", "1 2 3000000000 a", "", 1, "too large"},
                            });
}

TEST(Rotfive, ExamplesAndEdgeCases) {
    expect_cases("rotfive", {
                                {"rotation", "hello 3", "khoor"},
                                {"no shift", "abcde 0", "abcde"},
                                {"remainder 0 gives the grave accent", "vwxyz 1", "wxy`a"},
                                {"shift 25", "abcde 25", "`abcd"},
                                {"negative shift goes below 96", "abcde -2", "_`abc"},
                                {"only the shift modulo 26 counts", "hello\n29", "khoor"},
                                {"a leading newline is a character", "\nhell 3", "[khoo"},
                                {"blanks and capitals", " EH z 0", "T_HT`"},
                                {"largest shift wraps the sum", "aaaaa 2147483647", "HHHHH"},
                                {"least shift", "aaaaa -2147483648", "IIIII"},
                                {"bytes above 127 are negative", "\xff\xff\xff\xff\xff 0", "MMMMM"},
                                {"NUL bytes are characters", "\0\0\0\0\0 0"sv, "NNNNN"},
                            });
}

TEST(Rotfive, BadInput) {
    expect_cases("rotfive", {
                                {"fewer than five characters", "abc", "", 1,
                                 "character 4 of 5: expected a character, found end of input"},
                                {"the line where a character is missing", "ab\nc", "", 1,
                                 "line 2: character 5 of 5: expected a character, found end of input"},
                                {"no shift", "abcde", "", 1, "shift: expected an integer, found end of input"},
                                {"malformed shift", "abcde+", "", 1, "shift: expected an integer, found '+'"},
                            });
}

TEST(Letterstep, ExamplesAndEdgeCases) {
    expect_cases("letterstep", {
                                   {"lower case", "a 3", "a 97 d 100 0"},
                                   {"upper case", "A\n1", "A 65 B 66 1"},
                                   {"Y is below Z", "Y 1", "Y 89 Z 90 1"},
                                   {"Z is not below itself", "Z 0", "Z 90 Z 90 0"},
                                   {"negative step", "z -25", "z 122 a 97 0"},
                                   {"a newline is the character", "\n55", "\n 10 A 65 1"},
                                   {"a blank is the character", "  7", "  32 ' 39 1"},
                                   // Bytes in and out exactly as they are, on Windows too: no "\r\n"
                                   // made into "\n" or back, no end of input at 0x1a.
                                   {"a carriage return is the character", "\r\n3", "\r 13 \x10 16 1"},
                                   {"byte 0x1a is the character", "\x1a 1", "\x1a 26 \x1b 27 1"},
                                   {"bytes above 127 are negative", "\xc3 0", "\xc3 -61 \xc3 -61 1"},
                                   {"the third field is the low byte of the sum", "a 1000", "a 97 I 1097 0"},
                                   {"the sum wraps around 32 bits", "a 2147483647", "a 97 ` -2147483552 0"},
                               });
}

TEST(Letterstep, BadInput) {
    expect_cases("letterstep", {
                                   {"empty input", "", "", 1, "character: expected a character, found end of input"},
                                   {"no step", "a\n\n", "", 1, "step: expected an integer, found end of input"},
                                   {"a tab taken as the character ends no line", "\tx", "", 1,
                                    "line 1: step: expected an integer, found 'x'"},
                                   {"a control byte taken as the character ends no line", "\x01x", "", 1,
                                    "line 1: step: expected an integer, found 'x'"},
                                   {"malformed step", "a b", "", 1, "step: expected an integer, found 'b'"},
                               });
}

}  // namespace
