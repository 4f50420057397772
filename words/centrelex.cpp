// centrelex: prints the middle word of a case-blind exchange sort.
//
// Input:  a count N (1 or more), then N whitespace-separated words.
// Output: the word that an exchange sort, ascending and blind to the case of
//         'A' to 'Z', leaves at index N/2 (odd N) or N/2 - 1 (even N); no
//         newline. Among words equal apart from case the sort is not stable,
//         and the word printed is exactly the one that sort leaves there.
// Bad input (a missing or malformed count, a count below 1, fewer than N
// words) is reported on standard error with status 1.
//
// The exchange sort takes quadratic time; the same word is found in linear
// time (see middle_word).
#include <algorithm>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "support.hpp"

namespace {

constexpr std::string_view help_text = R"(Usage: centrelex
Print the middle word of a list sorted without regard to letter case.

Input (standard input): a COUNT of 1 or more, then COUNT words separated by
whitespace.

The words are ordered by an exchange sort that compares them byte by byte
with 'A' to 'Z' folded to lower case (other bytes unchanged, compared as
unsigned values). Output, with no newline: the word left at the middle index,
COUNT/2 for an odd COUNT and COUNT/2 - 1 for an even one.

Example: the input "3 b B a" prints "B".

Exit status: 0 on success; 1, with a message on standard error, when the
input is malformed, COUNT is below 1, or the output cannot be written.
)";

// Case folding of the default locale: only 'A' to 'Z', to lower case.
char fold(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c; }

// The words, packed one after another, with their folded twins.
struct WordList {
    std::string text;
    std::string folded;
    std::vector<std::size_t> starts{0};  // word i is text[starts[i], starts[i + 1])

    std::size_t size() const { return starts.size() - 1; }
    std::string_view word(std::size_t i) const {
        return std::string_view(text).substr(starts[i], starts[i + 1] - starts[i]);
    }
    // Compared as unsigned bytes, a prefix before a longer word: the order
    // of a case-blind comparison.
    std::string_view key(std::size_t i) const {
        return std::string_view(folded).substr(starts[i], starts[i + 1] - starts[i]);
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
    std::vector<std::size_t> order(words.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    auto middle_it = order.begin() + static_cast<std::ptrdiff_t>(middle);
    std::nth_element(order.begin(), middle_it, order.end(),
                     [&](std::size_t a, std::size_t b) { return words.key(a) < words.key(b); });
    const std::string_view k = words.key(*middle_it);

    std::deque<std::size_t> queue;
    std::size_t below = 0;
    for (std::size_t i = 0; i < words.size(); ++i) {
        int order_to_k = words.key(i).compare(k);
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
    support::Program program("centrelex", argc, argv, help_text);
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
        for (char c : word) words.folded += fold(c);
        words.starts.push_back(words.text.size());
    }
    const int middle = (word_count & 1) ? word_count / 2 : word_count / 2 - 1;
    program.out.put(middle_word(words, static_cast<std::size_t>(middle)));
    return program.finish();
}
