// centrelex: the middle word of a case-blind exchange sort (what it reads and
// prints: its help text below).
//
// The exchange sort takes quadratic time and is not stable among words equal
// apart from case; the same word is found in linear time (see Words), which
// replays what the sort does to the words equal to the middle one.
//
// From a file, which is mapped, the words are read again where they lie, and
// another program may have changed them meanwhile: what is read again is
// checked against what was read first, and the answer is given only if the
// file still has the size and time of change it had when it was mapped.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "support.hpp"
#include "words.hpp"

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

using words::Bits;
using words::key_at;
using words::SharedPrefix;

// A word's key: its four folded bytes after the first `shared`, as a
// big-endian integer (0 past its end).
std::uint32_t key_of(std::string_view word, std::size_t shared) {
    return static_cast<std::uint32_t>(key_at(word, shared) >> 32);
}

// The words as they are read, with what finding the middle word needs: the
// leading bytes that all of them share (folded), each word's key (its four
// folded bytes right after those) and whether it goes on past its key, and
// how many keys begin with each pair of bytes (a bucket). Ordering two words
// whose keys differ needs nothing else. The shared bytes can only become
// fewer; the words read before they last did have their key taken again at
// the end.
//
// List keeps the words: words::FrontCodedWords (a copy, from a pipe) or
// words::WordsInPlace (a mapped file, read again and checked).
template <class List>
class Words {
public:
    explicit Words(List& list) : list_(list) {}

    // Adds word, whose reading began at from.
    void add(std::string_view word, const char* from) {
        if constexpr (std::is_same_v<List, words::WordsInPlace>) {
            list_.add(word, from);
        } else {
            list_.add(word);
        }
        if (keys_.size() == 0) {
            shared_.start(word);
        } else {
            shared_.add(word, keys_.size());
        }
        // (A word is at least as long as the bytes all words share.)
        const auto key = static_cast<std::uint32_t>(words::key_within(word, shared_.size()) >> 32);
        keys_.push_back(key);
        ++bucket_sizes_[key >> 16];
        goes_on_.push_back(word.size() > shared_.size() + 4);
    }

    // The word that the exchange sort (for i, for j > i: swap slots i and j
    // when slot i's word is greater) leaves at index middle, or nothing when
    // the input changed while it was read again.
    std::optional<std::string> middle_word(std::size_t middle) {
        goes_on_.close();
        if (!take_keys_again()) return std::nullopt;  // GCOVR_EXCL_BR_LINE: a changed input
        const MiddleKey k = select_middle_key(middle);
        // When K goes on past its key, the words with K's key that go on too
        // (the candidates) are ordered by the rest of their bytes.
        support::Block<std::int8_t> orders;  // by candidate, in input order
        std::size_t rank = k.rank, with_k = k.with_k;
        if ((k.order & 1) != 0) {
            support::Block<std::string_view> candidates;
            std::string copied;
            candidates.room(with_k);
            const auto of_k = [&](std::size_t i) { return order_of(i) == k.order; };
            if (!copies_of(of_k, candidates, copied)) return std::nullopt;  // GCOVR_EXCL_BR_LINE: a changed input
            std::tie(rank, with_k) = words::order_candidates(candidates, shared_.size() + 4, rank, orders);
        }
        return word_at(replay(k.order, rank, with_k, orders));
    }

private:
    // K is the word of rank middle: its order (its key, then whether it
    // goes on), its rank among the words of that order (or, when it goes on,
    // among those that share its key), and their number.
    struct MiddleKey {
        std::uint64_t order;
        std::size_t rank;
        std::size_t with_k;
    };

    // Each word as one number that orders it against the others as far as
    // the keys go: its key, then whether it goes on past it, which is how
    // strcasecmp orders them.
    std::uint64_t order_of(std::size_t i) const { return std::uint64_t{keys_.data()[i]} << 1 | goes_on_[i]; }

    // Whether word i is still as it was when its key was taken with the
    // first `shared` bytes left out.
    bool same_word(std::size_t i, std::string_view w, std::size_t shared) const {
        // Both are worked out and combined without a branch: the only
        // branches a changed input alone takes are the early returns.
        const bool same_key = key_of(w, shared) == keys_.data()[i];
        const bool same_end = (w.size() > shared + 4) == (goes_on_[i] != 0);
        return same_key & same_end;
    }

    // The words read before the shared bytes last became fewer, read again:
    // each checked against the key it was given, then given its key past
    // the bytes shared now. Whether they were the same words.
    bool take_keys_again() {
        const std::size_t settled_from = shared_.settled_from(), shared = shared_.size();
        if (settled_from == 0) return true;
        std::uint32_t* const keys = keys_.data();
        const auto& changes = shared_.changes();
        std::size_t change = 0;  // the change in force for word i
        bool same = true;
        const bool read = list_.each([&](std::size_t i, std::string_view w) {
            if (i >= settled_from) return false;
            while (change + 1 < changes.size() && changes[change + 1].first <= i) ++change;
            same &= same_word(i, w, changes[change].second);
            --bucket_sizes_[keys[i] >> 16];
            keys[i] = key_of(w, shared);
            ++bucket_sizes_[keys[i] >> 16];
            goes_on_.set(i, w.size() > shared + 4);
            return true;
        });
        return read & same;
    }

    // K's bucket, then its order: the words whose order begins as K's does
    // are counted by the next 8 bits (the third byte), then by the last 9
    // (the fourth byte and the bit), which takes K's rank further each time.
    // (Without a branch, as the words can come in any order: the others are
    // counted in eight places of their own past the end, taken in turn so
    // that each count waits on the one eight words before, not the last. The
    // place is chosen by a mask: compilers turn a condition into a branch as
    // they like.)
    MiddleKey select_middle_key(std::size_t middle) const {
        std::size_t rank = middle;
        std::uint32_t bucket = 0;
        while (bucket_sizes_[bucket] <= rank) rank -= bucket_sizes_[bucket++];
        std::uint64_t k_order = bucket;
        std::size_t with_k = 0;
        for (const int bits : {8, 9}) {
            const int after = bits == 8 ? 9 : 0;  // the bits of an order after those counted
            const std::size_t outside = std::size_t{1} << bits;
            std::vector<std::uint32_t> counts(outside + 8);
            for (std::size_t i = 0; i < keys_.size(); ++i) {
                const std::uint64_t order = order_of(i);
                const auto place = static_cast<std::size_t>(order >> after) & (outside - 1);
                const std::size_t in = 0 - static_cast<std::size_t>(order >> after >> bits == k_order);
                ++counts[(place & in) | ((outside + i % 8) & ~in)];
            }
            std::size_t digit = 0;
            while (counts[digit] <= rank) rank -= counts[digit++];
            k_order = k_order << bits | digit;
            with_k = counts[digit];
        }
        return {k_order, rank, with_k};
    }

    // The index of the word the sort leaves at the middle. That word is
    // equal to K; words above K never reach the first slots, so only the
    // order among the words equal to K matters. Within pass i the slot holds
    // a running minimum; each time a strictly smaller word is met, the
    // current holder is moved to that word's place. Followed over the whole
    // sort, the words equal to K stay in a queue, in input order, that turns
    // by one place (its front word goes to the back) for every smaller word
    // met after the first of them; the slots from (number of smaller words)
    // onwards receive the queue's words from the front. The queue is not
    // built: K's place in it (its rank among the words equal to it) is
    // followed back from the end, through the turns and the words joining.
    // orders holds each candidate's order to K when K goes on.
    std::size_t replay(std::uint64_t k_order, std::size_t place, std::size_t queued,
                       const support::Block<std::int8_t>& orders) const {
        const bool k_goes_on = (k_order & 1) != 0;
        std::size_t turns = 0, candidate = orders.size();
        for (std::size_t i = keys_.size(); i-- > 0;) {  // GCOVR_EXCL_BR_LINE: the loop always returns inside
            const std::uint64_t order = order_of(i);
            turns += static_cast<std::size_t>((order - k_order) >> 63);  // one when below K (both are below 2^33)
            if (order != k_order) continue;
            if (k_goes_on) {
                const std::int8_t to_k = orders.data()[--candidate];
                turns += to_k < 0 ? 1 : 0;
                if (to_k != 0) continue;
            }
            // Word i is equal to K: the turns since it joined, undone
            // (turning the queue as many times as it holds words leaves it
            // as it was). A word that joined took the last place.
            if (turns >= queued) turns %= queued;
            place += turns;
            if (place >= queued) place -= queued;
            turns = 0;
            if (place == queued - 1) return i;
            --queued;
        }
        return 0;  // not reached: K is among the words
    }

    // Adds to candidates each word i that is wanted(i), in input order,
    // reading only the blocks that hold one: where they lie in a mapped
    // file, else copies one after another in text, with 16 zero bytes after
    // the last. Whether they were the words first read.
    template <class Wanted>
    bool copies_of(Wanted wanted, support::Block<std::string_view>& candidates, std::string& text) const {
        constexpr bool in_place = std::is_same_v<List, words::WordsInPlace>;
        constexpr std::size_t size = List::block_size;
        const std::size_t count = keys_.size(), shared = shared_.size();
        std::vector<std::size_t> ends;
        bool same = true;
        for (std::size_t block = 0; block * size < count; ++block) {
            bool holds_one = false;
            for (std::size_t i = block * size; i < count && i < (block + 1) * size; ++i) holds_one |= wanted(i);
            if (!holds_one) continue;
            const bool read = list_.each(
                [&](std::size_t i, std::string_view w) {
                    if (!wanted(i)) return (i + 1) % size != 0;
                    same &= same_word(i, w, shared);
                    if constexpr (in_place) {
                        candidates.push_back(w);
                    } else {
                        text += w;
                        ends.push_back(text.size());
                    }
                    return (i + 1) % size != 0;
                },
                block);
            if (!read || !same) return false;  // GCOVR_EXCL_BR_LINE: a changed input
        }
        if constexpr (!in_place) {
            text.append(16, '\0');
            for (std::size_t j = 0, start = 0; j < ends.size(); start = ends[j++]) {
                candidates.push_back(std::string_view(text).substr(start, ends[j] - start));
            }
        }
        return true;
    }

    // A copy of the word with this index, or nothing when it is not the word
    // first read.
    std::optional<std::string> word_at(std::size_t index) const {
        std::string word;
        bool same = true;
        const bool read = list_.each(
            [&](std::size_t i, std::string_view w) {
                if (i == index) {
                    same = same_word(i, w, shared_.size());
                    word = w;
                }
                return (i + 1) % List::block_size != 0;
            },
            index / List::block_size);
        if (!read || !same) return std::nullopt;  // GCOVR_EXCL_BR_LINE: a changed input
        return word;
    }

    List& list_;
    SharedPrefix shared_;
    support::Block<std::uint32_t> keys_;  // by word
    Bits goes_on_;                        // by word: whether it goes on past its key
    std::vector<std::uint32_t> bucket_sizes_ = std::vector<std::uint32_t>(std::size_t{1} << 16);
};

// Reads the words into list and prints the middle one.
template <class List>
int find_middle(support::Program& program, int word_count, List& list) {
    Words<List> words(list);
    std::string_view word;
    for (int i = 0; i < word_count; ++i) {
        // A word ends at its first NUL byte, as a C string does.
        const char* const from = program.in.position();
        program.read_c_string(word, "word", i + 1LL, word_count);
        words.add(word, from);
    }
    if constexpr (std::is_same_v<List, words::WordsInPlace>) list.end_at(program.in.position());
    const int middle = (word_count & 1) ? word_count / 2 : word_count / 2 - 1;
    const std::optional<std::string> answer = words.middle_word(static_cast<std::size_t>(middle));
    if (!answer) program.fail_changed_input();  // GCOVR_EXCL_BR_LINE: a changed input
    program.check_input_unchanged();
    program.out.put(*answer);
    return program.finish();
}

}  // namespace

int main(int argc, char** argv) {
    support::Program program("centrelex", argc, argv, help);
    // A file's words are used where they lie in it; a pipe's are kept.
    const bool in_place = program.keep_input();
    const int word_count = words::read_word_count(program, 1);
    if (in_place) {
        words::WordsInPlace list(program.in.unread().data() + program.in.unread().size());
        return find_middle(program, word_count, list);
    }
    words::FrontCodedWords list(true);
    return find_middle(program, word_count, list);
}
