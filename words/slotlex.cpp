// slotlex: where a query word would be inserted among sorted words (what it
// reads and prints: its help text below).
//
// The position does not depend on the order of the words, so nothing is
// sorted: the words not greater than the query in strcmp order are counted.
// The query comes last, so the words are kept until then, each stored as the
// bytes it does not share with the word before it; comparing them in input
// order then needs no more than those bytes (see count_preceding).
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "support.hpp"
#include "words.hpp"

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

// How many words are smaller than or equal to key, in strcmp order; 16
// bytes after key must be readable.
//
// Walking the words in order, it keeps l, the number of leading bytes the
// previous word P shares with key, and P's order to key. A word W that
// shares s bytes with P (exactly: W and P differ at byte s, or one ends there):
// - s < l: W agrees with key up to s and differs from P, and so from key,
//   at byte s; that byte (or W's end) orders W;
// - s > l: W agrees with P past byte l, where P and key differ: W's order is
//   P's, and l stays;
// - s = l: W agrees with key up to l and is ordered by its own bytes from l,
//   which are the ones stored.
// So for s <= l, W is ordered by its stored bytes against key's from s (for
// s < l they differ at once). Which case holds changes from word to word as
// the input likes, so both outcomes are computed and one is kept by
// arithmetic, without a branch to mispredict.
long long count_preceding(const words::FrontCodedWords& list, std::string_view key) {
    // Byte i of w plus one, or 0 past its end (i at most its length): an end
    // sorts before any byte.
    auto byte = [](std::string_view w, std::size_t i) {
        const auto inside = static_cast<unsigned>(i < w.size());
        return (static_cast<unsigned>(static_cast<unsigned char>(w[i])) + 1) * inside;
    };
    long long preceding = 0;
    std::size_t l = 0;
    std::size_t not_above = 1;  // the previous word's order to key: 1 when not above it
    list.each_coded([&](std::size_t shared, std::string_view rest) {
        const std::size_t from = std::min(shared, key.size());
        const std::size_t m = words::common_prefix(rest, key.substr(from));
        const std::size_t ordered = byte(rest, m) <= byte(key, from + m) ? 1 : 0;
        const std::size_t by_rest = shared <= l ? 1 : 0;  // 1 when W is ordered by its rest
        l = by_rest * (from + m) + (1 - by_rest) * l;
        not_above = by_rest * ordered + (1 - by_rest) * not_above;
        preceding += static_cast<long long>(not_above);
        return true;
    });
    return preceding;
}

// A word to compare others with in strcmp order, its bytes taken eight at a
// time once: as bytes_at gives them, and one more value of zeros.
class Key {
public:
    explicit Key(std::string_view key) {
        for (std::size_t i = 0; i <= key.size(); i += 8) chunks_.push_back(words::bytes_at(key, i));
    }
    // Whether the key is at least w (w is smaller than or equal to it).
    // Where eight bytes are the same and w ends among them, the key ends
    // there too. (A word whose bytes changed since it was read may hold a
    // NUL and seem to go on past the key's end: it is taken as at most the
    // key, and the change is found before the answer is given.)
    bool at_least(std::string_view w) const {
        const std::size_t stop = std::min(w.size(), 8 * chunks_.size());
        for (std::size_t i = 0;; i += 8) {
            const std::uint64_t a = words::bytes_within(w, i), b = chunks_[i / 8];
            if (a != b) return a < b;
            if (stop <= i + 8) return true;
        }
    }

private:
    std::vector<std::uint64_t> chunks_;
};

// The query of a list that lies in memory, found ahead of the words: the
// bytes of the token after the count words in text (which follows the
// count), as a C string sees them, with 16 zero bytes after them; only the
// zeros when the text has no such token (reading the words will report it).
std::string query_after(std::string_view text, int count) {
    const char* const start = words::token_start(text, static_cast<std::uint64_t>(count) + 1);
    if (start == nullptr) return std::string(16, '\0');
    support::Reader token(start, static_cast<std::size_t>(text.data() + text.size() - start));
    std::string_view query;
    token.read_c_string(query);
    return std::string(query) + std::string(16, '\0');
}
}  // namespace

int main(int argc, char** argv) {
    support::Program program("slotlex", argc, argv, help);
    // From a file, which lies whole in memory, the query is found first and
    // each word compared with it as it is read: nothing is kept. From a
    // pipe, the words are kept until the query comes.
    const bool in_place = program.keep_input();
    const int word_count = words::read_word_count(program, 0);
    const std::string found = in_place ? query_after(program.in.unread(), word_count) : std::string(16, '\0');
    const std::string_view found_query(found.data(), found.size() - 16);
    const Key key(found_query);
    long long preceding = 0;
    // A word ends at its first NUL byte, as a C string does.
    words::FrontCodedWords list(false);
    std::string_view word;
    for (int i = 0; i < word_count; ++i) {
        program.read_c_string(word, "word", i + 1LL, word_count);
        if (in_place) {
            preceding += key.at_least(word) ? 1 : 0;
        } else {
            list.add(word);
        }
    }
    std::string_view query;
    program.read_c_string(query, "query");
    if (in_place) {
        // The query found ahead must be the one read after the words: the
        // file was read twice.
        if (query != found_query) program.fail_changed_input();
        program.check_input_unchanged();
    } else {
        preceding = count_preceding(list, query);
    }
    program.out.put_int(preceding + 1);
    return program.finish();
}
