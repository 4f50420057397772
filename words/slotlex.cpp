// slotlex: where a query word would be inserted among sorted words (what it
// reads and prints: its help text below).
//
// The position does not depend on the order of the words, so nothing is
// sorted: the words not greater than the query in strcmp order are counted.
#include <string>
#include <string_view>
#include <vector>

#include "support.hpp"

namespace {

constexpr support::Help help{
    .summary = "Print the 1-based position of a query word among words sorted byte by byte.",
    .description = R"(Input: a COUNT of 0 or more, COUNT words, then the QUERY, all separated by
whitespace.

Output, with no newline: one more than the number of words that are smaller
than or equal to QUERY, comparing bytes as unsigned values (so upper-case
letters come before lower-case ones, and a prefix before a longer word).
)",
    .example = R"(  $ printf '4\npear Apple fig apple\nbanana\n' | slotlex
  3
)",
    .failure = R"(the input is malformed, COUNT is negative, or a read or write fails
)",
};

// A word ends at a NUL byte, as a C string does.
std::string_view as_c_string(std::string_view word) { return word.substr(0, word.find('\0')); }

}  // namespace

int main(int argc, char** argv) {
    support::Program program("slotlex", argc, argv, help);
    const int word_count = program.read_int("word count");
    if (word_count < 0) {
        program.fail("word count: expected a count of 0 or more, found " +
                     std::to_string(word_count));
    }
    // The position does not depend on the order of the words, so they need
    // no sorting: only how many are not greater than the query.
    std::string text;
    std::vector<std::size_t> starts{0};
    std::string word;
    for (int i = 0; i < word_count; ++i) {
        program.read_word(word, "word", i + 1LL, word_count);
        text += as_c_string(word);
        starts.push_back(text.size());
    }
    std::string query;
    program.read_word(query, "query");
    const std::string_view key = as_c_string(query);

    long long preceding = 0;
    for (std::size_t i = 0; i + 1 < starts.size(); ++i) {
        std::string_view w = std::string_view(text).substr(starts[i], starts[i + 1] - starts[i]);
        if (w.compare(key) <= 0) ++preceding;
    }
    program.out.put_int(preceding + 1);
    return program.finish();
}
