// centrelex: the middle word of a case-blind exchange sort (what it reads and
// prints: its help text below).
//
// The exchange sort takes quadratic time and is not stable among words equal
// apart from case; the same word is found in linear time (see middle_word),
// which replays what the sort does to the words equal to the middle key.
#include <algorithm>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "support.hpp"

namespace {

constexpr support::Help help{
    .summary = "Print the middle word of a list sorted without regard to letter case.",
    .description = R"(Input: a COUNT of 1 or more, then COUNT words separated by whitespace.

The words are ordered by an exchange sort that compares them byte by byte
with 'A' to 'Z' folded to lower case (other bytes unchanged, compared as
unsigned values). Output, with no newline: the word left at the middle index,
COUNT/2 for an odd COUNT and COUNT/2 - 1 for an even one.
)",
    .example = R"(  $ printf '5\nBb bB BB a bb\n' | centrelex
  BB
)",
    .failure = R"(the input is malformed, COUNT is below 1, or a read or write fails
)",
};

// Case folding of the default locale: only 'A' to 'Z', to lower case.
char fold(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c; }

// Compares two words as strcasecmp does in the default locale: byte by
// byte after folding, as unsigned values, a prefix before a longer word.
int compare_folded(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto x = static_cast<unsigned char>(fold(a[i]));
        const auto y = static_cast<unsigned char>(fold(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

// The words, packed one after another.
struct WordList {
    std::string text;
    std::vector<std::size_t> starts{0};  // word i is text[starts[i], starts[i + 1])

    std::size_t size() const { return starts.size() - 1; }
    std::string_view word(std::size_t i) const {
        return std::string_view(text).substr(starts[i], starts[i + 1] - starts[i]);
    }
};

// The word that the exchange sort (for i, for j > i: swap slots i and j when
// slot i's key is greater) leaves at index middle.
//
// Its key K is the key of rank middle. Words with a key above K never reach
// the first slots, so only the order among the words with key K matters.
// Within pass i the slot holds a running minimum; each time a strictly
// smaller word is met, the current holder is moved to that word's place.
// Followed over the whole sort, the words with key K stay in a queue, in
// input order, that turns by one place for every word with a smaller key met
// after the first of them; the slots from (number of smaller keys) onwards
// receive the queue's words from the front.
std::string_view middle_word(const WordList& words, std::size_t middle) {
    // Keys are ordered by their first eight bytes packed into an integer,
    // and by the whole key only where those are equal, so that most
    // comparisons touch no text. (Words hold no NUL, so padding short keys
    // with zeros keeps a prefix before a longer word.)
    std::vector<std::uint64_t> prefixes(words.size());
    for (std::size_t i = 0; i < prefixes.size(); ++i) {
        std::string_view word = words.word(i);
        std::uint64_t prefix = 0;
        for (std::size_t b = 0; b < 8; ++b) {
            prefix = prefix << 8 | (b < word.size() ? static_cast<unsigned char>(fold(word[b])) : 0u);
        }
        prefixes[i] = prefix;
    }
    auto compare = [&](std::size_t a, std::string_view key_b, std::uint64_t prefix_b) {
        if (prefixes[a] != prefix_b) return prefixes[a] < prefix_b ? -1 : 1;
        return compare_folded(words.word(a), key_b);
    };

    // Selection of the key of rank middle: count the keys by their first two
    // bytes, then select among those of the bucket that holds that rank.
    std::vector<std::size_t> bucket_sizes(1 << 16);
    for (std::uint64_t prefix : prefixes) ++bucket_sizes[prefix >> 48];
    std::size_t bucket = 0, before = 0;
    while (before + bucket_sizes[bucket] <= middle) before += bucket_sizes[bucket++];
    std::vector<std::size_t> candidates;
    for (std::size_t i = 0; i < prefixes.size(); ++i) {
        if (prefixes[i] >> 48 == bucket) candidates.push_back(i);
    }
    auto kth = candidates.begin() + static_cast<std::ptrdiff_t>(middle - before);
    std::nth_element(candidates.begin(), kth, candidates.end(), [&](std::size_t a, std::size_t b) {
        return compare(a, words.word(b), prefixes[b]) < 0;
    });
    const std::string_view k = words.word(*kth);
    const std::uint64_t k_prefix = prefixes[*kth];

    std::deque<std::size_t> queue;
    std::size_t below = 0;
    for (std::size_t i = 0; i < words.size(); ++i) {
        int order_to_k = compare(i, k, k_prefix);
        if (order_to_k == 0) {
            queue.push_back(i);
        } else if (order_to_k < 0) {
            ++below;
            if (!queue.empty()) {
                queue.push_back(queue.front());
                queue.pop_front();
            }
        }
    }
    return words.word(queue[middle - below]);
}

}  // namespace

int main(int argc, char** argv) {
    support::Program program("centrelex", argc, argv, help);
    const int word_count = program.read_int("word count");
    if (word_count < 1) {
        program.fail("word count: expected a count of 1 or more, found " +
                     std::to_string(word_count));
    }
    WordList words;
    std::string word;
    for (int i = 0; i < word_count; ++i) {
        program.read_word(word, "word", i + 1LL, word_count);
        // A word ends at a NUL byte, as a C string does.
        word.resize(std::min(word.size(), word.find('\0')));
        words.text += word;
        words.starts.push_back(words.text.size());
    }
    const int middle = (word_count & 1) ? word_count / 2 : word_count / 2 - 1;
    program.out.put(middle_word(words, static_cast<std::size_t>(middle)));
    return program.finish();
}
