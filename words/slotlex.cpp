// slotlex: where a query word would be inserted among sorted words (what it
// reads and prints: its help text below).
//
// The position does not depend on the order of the words, so nothing is
// sorted: the words not greater than the query in strcmp order are counted.
#include <algorithm>
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

// The words, each followed by a NUL, in blocks of at least 1 MiB filled one
// after another: storing them copies nothing twice and touches no more memory
// than they take.
class WordStore {
public:
    void add(std::string_view word) {
        if (blocks_.empty() || blocks_.back().capacity() - blocks_.back().size() <= word.size()) {
            blocks_.emplace_back();
            blocks_.back().reserve(std::max<std::size_t>(block_size, word.size() + 1));
        }
        blocks_.back().append(word);
        blocks_.back().push_back('\0');
    }
    // Calls visit on every word, in the order they were added.
    template <class Visit>
    void each(Visit visit) const {
        for (const std::string& block : blocks_) {
            for (std::size_t at = 0; at < block.size();) {
                const std::size_t end = block.find('\0', at);
                visit(std::string_view(block).substr(at, end - at));
                at = end + 1;
            }
        }
    }

private:
    static constexpr std::size_t block_size = std::size_t{1} << 20;
    std::vector<std::string> blocks_;
};

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
    WordStore words;
    std::string_view word;
    for (int i = 0; i < word_count; ++i) {
        program.read_word(word, "word", i + 1LL, word_count);
        words.add(as_c_string(word));
    }
    std::string_view query;
    program.read_word(query, "query");
    const std::string_view key = as_c_string(query);

    long long preceding = 0;
    words.each([&](std::string_view w) {
        if (w.compare(key) <= 0) ++preceding;
    });
    program.out.put_int(preceding + 1);
    return program.finish();
}
