// What the word programs do to the bytes of words: compare them eight bytes
// at a time (as they are, or with 'A' to 'Z' folded), count whitespace-
// separated tokens, select and order words by their bytes, keep a list of
// words front-coded, and read again the words of a mapped file, checking
// that they are the words first read.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "block.hpp"
#include "program.hpp"
#include "reader.hpp"

namespace words {

// The count that a list of words starts with, at least `least`.
inline int read_word_count(support::Program& program, int least) {
    const int count = program.read_int("word count");
    if (count < least) {
        program.fail("word count: expected a count of " + std::to_string(least) + " or more, found " +
                     std::to_string(count));
    }
    return count;
}

// Eight bytes at a time ------------------------------------------------------
//
// Every function here that loads eight bytes from a word needs them
// readable: the reader leaves 16 readable bytes after every word it gives.

// The eight bytes of w from byte i on, as they lie in memory.
inline std::uint64_t load(std::string_view w, std::size_t i) {
    std::uint64_t bytes;
    std::memcpy(&bytes, w.data() + i, 8);
    return bytes;
}

// 'A' to 'Z' folded to lower case in each byte of x at once: a byte below
// 0x80 whose low seven bits lie in 0x41..0x5a gains 0x20 (other bytes are
// unchanged), as tolower does in the C locale.
inline std::uint64_t fold_bytes(std::uint64_t x) {
    constexpr std::uint64_t ones = 0x0101010101010101u;
    constexpr std::uint64_t high = 0x8080808080808080u;
    const std::uint64_t low = x & ~high;  // no byte's sum below carries
    const std::uint64_t from_a = low + ones * (0x80 - 'A');
    const std::uint64_t past_z = low + ones * (0x80 - 'Z' - 1);
    return x | ((from_a & ~past_z & ~x & high) >> 2);  // 0x80 >> 2 is 0x20
}

// The bytes of x in reverse order, by halves, quarters and eighths: a
// pattern compilers turn into their one byte-swap instruction.
inline std::uint64_t byte_swap(std::uint64_t x) {
    x = x >> 32 | x << 32;
    x = (x & 0xffff0000ffff0000u) >> 16 | (x & 0x0000ffff0000ffffu) << 16;
    return (x & 0xff00ff00ff00ff00u) >> 8 | (x & 0x00ff00ff00ff00ffu) << 8;
}

// Bytes from to from + 7 of w (from at most its length) as a big-endian
// integer, zeros past its end: comparing two of them as unsigned integers
// orders words by those bytes as strcmp does (words hold no NUL, so a word
// that ends first is smaller).
inline std::uint64_t bytes_within(std::string_view w, std::size_t from) {
    std::uint64_t bytes = load(w, from);
    if constexpr (std::endian::native == std::endian::little) bytes = byte_swap(bytes);
    // The bytes past the end cleared, with a mask made without a branch (on
    // words of random lengths one would be mispredicted half the time): the
    // top `kept` bytes, shifted in two halves as a shift by 64 is undefined.
    const std::size_t kept = std::min<std::size_t>(w.size() - from, 8);
    return bytes & ~(~std::uint64_t{0} >> (4 * kept) >> (4 * kept));
}

// The same for any `from`: one past the end counts as the end, so that
// whatever a caller was told about a word, nothing past its slack is read.
inline std::uint64_t bytes_at(std::string_view w, std::size_t from) {
    return bytes_within(w, std::min(from, w.size()));
}

// The same bytes folded: comparing these orders words as strcasecmp does in
// the C locale (byte by byte after folding, as unsigned values).
inline std::uint64_t key_at(std::string_view w, std::size_t from) { return fold_bytes(bytes_at(w, from)); }
// The same from at most its length.
inline std::uint64_t key_within(std::string_view w, std::size_t from) { return fold_bytes(bytes_within(w, from)); }

// The index of the first byte that differs between x and y, loaded from
// memory (x != y): the lowest in memory.
inline std::size_t first_difference(std::uint64_t x, std::uint64_t y) {
    const int bit = std::endian::native == std::endian::little ? std::countr_zero(x ^ y) : std::countl_zero(x ^ y);
    return static_cast<std::size_t>(bit / 8);
}

// The number of leading bytes that a and b share, compared as they are or,
// with `folded`, once folded.
template <bool folded = false>
std::size_t common_prefix(std::string_view a, std::string_view b) {
    const std::size_t length = std::min(a.size(), b.size());
    for (std::size_t i = 0;; i += 8) {
        std::uint64_t x = load(a, i), y = load(b, i);
        if constexpr (folded) {
            x = fold_bytes(x);
            y = fold_bytes(y);
        }
        if (x != y) return std::min(i + first_difference(x, y), length);
        if (length - i <= 8) return length;
    }
}

// Copies count bytes in 16-byte pieces, and whatever follows them up to the
// end of the last piece: count + 15 bytes from `from` must be readable and as
// many at `to` writable. A short word is copied without a branch on its length.
inline void copy_pieces(char* to, const char* from, std::size_t count) {
    for (std::size_t i = 0; i < count; i += 16) std::memcpy(to + i, from + i, 16);
}

// Tokens ---------------------------------------------------------------------

// Where the n-th (n >= 1) whitespace-separated token of text starts, or
// nullptr when it has fewer; whitespace is the reader's (support::is_space).
// The starts of tokens are counted eight bytes at a time, each byte flagged
// (0x80) as whitespace or not by arithmetic. Eight bytes after text must be
// readable.
inline const char* token_start(std::string_view text, std::uint64_t n) {
    constexpr std::uint64_t ones = 0x0101010101010101u, high = 0x8080808080808080u;
    constexpr bool little = std::endian::native == std::endian::little;
    // The flags of the whitespace bytes among the eight at p.
    auto spaces_at = [](const char* p) {
        std::uint64_t x;
        std::memcpy(&x, p, 8);
        const std::uint64_t low = x & ~high;
        const std::uint64_t not_blank = x ^ (ones * ' ');
        const std::uint64_t blank = ~(((not_blank & ~high) + ~high) | not_blank) & high;  // ' '
        const std::uint64_t control = (low + ones * (0x80 - '\t')) & ~(low + ones * (0x80 - '\r' - 1)) & ~x & high;
        return blank | control;
    };
    // The flags of the bytes that start a token: not whitespace, after
    // whitespace (each byte's flag moved to the byte after it in memory).
    auto starts_of = [](std::uint64_t space, bool after_space) {
        const std::uint64_t before = little ? space << 8 | (after_space ? 0x80u : 0u)
                                            : space >> 8 | (after_space ? std::uint64_t{0x80} << 56 : 0u);
        return ~space & high & before;
    };
    auto last_is_space = [](std::uint64_t space) { return ((little ? space >> 56 : space) & 0x80) != 0; };
    // The number of flags in one value or two: moved to the bytes' low bits
    // and summed into the top byte by one multiplication (std::popcount would
    // be a call of a library function on a processor without its instruction).
    auto number = [](std::uint64_t flags, std::uint64_t more) { return ((flags >> 7) + (more >> 7)) * ones >> 56; };

    const char* p = text.data();
    const char* const end = p + text.size();
    bool after_space = true;  // whether the byte before p is whitespace (or there is none)
    // Sixteen bytes at a time, while the n-th start lies past them.
    for (; end - p >= 16; p += 16) {
        const std::uint64_t first = spaces_at(p), second = spaces_at(p + 8);
        const std::uint64_t found = number(starts_of(first, after_space), starts_of(second, last_is_space(first)));
        if (found >= n) break;
        n -= found;
        after_space = last_is_space(second);
    }
    for (; end - p >= 8; p += 8) {
        const std::uint64_t space = spaces_at(p);
        std::uint64_t starts = starts_of(space, after_space);
        const std::uint64_t found = number(starts, 0);
        if (found >= n) {
            // The n-th of them in memory order: the lowest bits first on a
            // little-endian machine, the highest on a big-endian one.
            for (; n > 1; --n) starts &= little ? starts - 1 : ~(std::uint64_t{1} << (63 - std::countl_zero(starts)));
            return p + (little ? std::countr_zero(starts) : std::countl_zero(starts)) / 8;
        }
        n -= found;
        after_space = last_is_space(space);
    }
    for (; p < end; ++p) {
        const bool space = support::is_space(static_cast<unsigned char>(*p));
        if (!space && after_space && --n == 0) return p;
        after_space = space;
    }
    return nullptr;
}

// Selection ------------------------------------------------------------------

// The value of rank `rank` (0-based, below count) among values[0..count).
// It is first guessed from a sample of at most 255 values spread over them:
// where many values are equal, as the next eight bytes of words with a long
// common stem are, the guess is right, and one count confirms it. Otherwise
// it is selected among the values on its side of the guess only, in room
// taken from `side`. count_at(v) counts, in one pass, the values below v
// and equal to it (and whatever else its caller wants of that pass), and
// returns those two numbers; it is called once for the answer, last.
template <class CountAt>
std::uint64_t value_of_rank(const std::uint64_t* values, std::size_t count, std::size_t rank, CountAt count_at,
                            support::Block<std::uint64_t>& side) {
    std::uint64_t sample[255] = {};
    const std::size_t sampled = std::min<std::size_t>(count, std::size(sample));
    for (std::size_t t = 0; t < sampled; ++t) sample[t] = values[static_cast<std::uint64_t>(t) * count / sampled];
    const auto sample_rank = static_cast<std::size_t>(static_cast<std::uint64_t>(rank) * sampled / count);
    std::nth_element(sample, sample + sample_rank, sample + sampled);
    const std::uint64_t guess = sample[sample_rank];
    const auto [below, equal] = count_at(guess);
    if (rank >= below && rank < below + equal) return guess;
    const bool lower = rank < below;
    std::uint64_t* const first = side.room(lower ? below : count - below - equal);
    std::uint64_t* const last = std::copy_if(
        values, values + count, first, [&](std::uint64_t value) { return lower ? value < guess : value > guess; });
    std::uint64_t* const nth = first + (lower ? rank : rank - below - equal);
    std::nth_element(first, nth, last);
    const std::uint64_t value = *nth;
    count_at(value);
    return value;
}

// Ordering words ---------------------------------------------------------------

// Orders words (all longer than from bytes, all the same before it) by their
// bytes from `from` on, as strcasecmp does, to find the one of rank `rank`,
// K: sets each word's order to K in orders (-1, 0 or 1) and gives K's rank
// among the words equal to it, and their number. Eight bytes at a time: the
// words still equal to K so far are selected by those eight bytes, then by
// whether they go on past them; the others are settled.
inline std::pair<std::size_t, std::size_t> order_candidates(const support::Block<std::string_view>& candidates,
                                                            std::size_t from, std::size_t rank,
                                                            support::Block<std::int8_t>& orders) {
    const std::string_view* const w = candidates.data();
    std::int8_t* const order = orders.room(candidates.size());
    orders.grow_by(candidates.size());
    support::Block<std::uint32_t> alive;  // the words still equal to K, by number
    std::uint32_t* const alive_n = alive.room(candidates.size());
    support::Block<std::uint64_t> chunks;  // their eight bytes from `from`
    std::uint64_t* const chunk_of = chunks.room(candidates.size());
    support::Block<std::uint64_t> side;  // room for selecting K's chunk
    std::size_t left = candidates.size();
    for (std::size_t j = 0; j < left; ++j) alive_n[j] = static_cast<std::uint32_t>(j);
    for (std::size_t j = 0; j < left; ++j) chunk_of[j] = key_at(w[j], from);
    for (;; from += 8) {
        // K's chunk, and the words below it, with it, and with it that end
        // in it (which come first, as a prefix does).
        std::size_t below = 0, equal = 0, ending = 0;
        const std::uint64_t k_chunk = words::value_of_rank(
            chunk_of, left, rank,
            [&](std::uint64_t chunk) {
                below = equal = ending = 0;
                for (std::size_t j = 0; j < left; ++j) {
                    below += chunk_of[j] < chunk ? 1 : 0;
                    equal += chunk_of[j] == chunk ? 1 : 0;
                    ending += static_cast<std::size_t>(chunk_of[j] == chunk && w[alive_n[j]].size() <= from + 8);
                }
                return std::pair{below, equal};
            },
            side);
        rank -= below;
        const bool k_ends = rank < ending;
        if (!k_ends) rank -= ending;
        // Each word's order to K so far, and those still equal to K kept
        // with their next chunk (taken for every word, at most at its end,
        // and kept only for those). Without a branch, as the words can come
        // in any order.
        std::size_t kept = 0;
        for (std::size_t j = 0; j < left; ++j) {
            const std::uint32_t n = alive_n[j];
            const std::uint64_t chunk = chunk_of[j];
            const int ends = w[n].size() <= from + 8 ? 1 : 0;
            const int by_chunk = (chunk > k_chunk) - (chunk < k_chunk);
            const int by_end = int{k_ends} - ends;  // a word that ends first is the smaller
            order[n] = static_cast<std::int8_t>(by_chunk != 0 ? by_chunk : by_end);
            alive_n[kept] = n;
            chunk_of[kept] = key_at(w[n], from + 8);
            kept += static_cast<std::size_t>(by_chunk == 0 && by_end == 0);
        }
        if (k_ends) return {rank, ending};
        left = kept;
    }
}

// Lists of words ---------------------------------------------------------------

// The leading bytes that every word added so far shares, folded: at most the
// first word's, which are kept folded, eight at a time. Each time they
// become fewer, the index of the word that made them so is noted, so that
// what was taken of a word before can be told again.
class SharedPrefix {
public:
    // Takes word, the index-th. (Most lists share no bytes from their
    // second word on, which takes one test here.)
    void add(std::string_view word, std::size_t index) {
        if (size_ > 0 && !shares_all(word)) shrink(word, index);
    }
    // Takes the first word.
    void start(std::string_view first) {
        for (std::size_t i = 0; i < first.size(); i += 8) first_.push_back(fold_bytes(load(first, i)));
        size_ = first.size();
        changes_.push_back({0, size_});
    }
    std::size_t size() const { return size_; }
    // The index from which every word was taken with the bytes shared now.
    std::size_t settled_from() const { return changes_.back().first; }
    // (first word, bytes shared): when the shared bytes became fewer.
    const std::vector<std::pair<std::size_t, std::size_t>>& changes() const { return changes_; }

private:
    // Whether word begins with the shared bytes: compared eight at a time,
    // folded, with the first word's.
    bool shares_all(std::string_view word) const {
        if (word.size() < size_) return false;
        std::size_t i = 0;
        for (; size_ - i >= 8; i += 8) {
            if (fold_bytes(load(word, i)) != first_[i / 8]) return false;
        }
        if (i == size_) return true;
        const std::uint64_t x = fold_bytes(load(word, i)), y = first_[i / 8];
        return x == y || first_difference(x, y) >= size_ - i;
    }
    // The shared bytes cut to those word shares, fewer than before.
    void shrink(std::string_view word, std::size_t index) {
        const std::size_t length = std::min(word.size(), size_);
        std::size_t i = 0;
        for (; i < length; i += 8) {
            const std::uint64_t x = fold_bytes(load(word, i)), y = first_[i / 8];
            if (x != y) break;
        }
        if (i < length) {
            i += first_difference(fold_bytes(load(word, i)), first_[i / 8]);
        }
        size_ = std::min(i, length);
        changes_.push_back({index, size_});
    }

    std::size_t size_ = 0;
    std::vector<std::uint64_t> first_;
    std::vector<std::pair<std::size_t, std::size_t>> changes_;
};

// One bit for each word, 64 to a value. The last 64 are gathered in a value
// of their own until they are all there, and close() writes out the rest.
class Bits {
public:
    void push_back(bool bit) {
        next_ |= std::uint64_t{bit} << size_ % 64;
        if (++size_ % 64 == 0) {
            values_.push_back(next_);
            next_ = 0;
        }
    }
    // After the last push_back, before any other call.
    void close() {
        if (size_ % 64 != 0) values_.push_back(next_);
    }
    void set(std::size_t i, bool bit) {
        std::uint64_t& value = values_.data()[i / 64];
        value = (value & ~(std::uint64_t{1} << i % 64)) | std::uint64_t{bit} << i % 64;
    }
    unsigned operator[](std::size_t i) const { return values_.data()[i / 64] >> i % 64 & 1; }

private:
    support::Block<std::uint64_t> values_;
    std::uint64_t next_ = 0;
    std::size_t size_ = 0;
};

// The words in input order, front-coded: each as the number of leading bytes
// it shares with the word before it, the number of bytes after those, and
// those bytes. Both numbers fit one byte together when they are below 15 and
// 16; otherwise byte 0xff precedes them, each in base 128 (seven bits to a
// byte, the last byte below 0x80). A list of words that share long prefixes
// takes a fraction of their bytes, and a list that shares none one byte more
// a word, as a NUL after each would.
//
// An indexed list starts afresh every block_size words (the first word of a
// block shares nothing) and keeps where each block starts, so that a walk
// can decode only the blocks it needs.
class FrontCodedWords {
public:
    static constexpr std::size_t block_size = 32;

    explicit FrontCodedWords(bool indexed) : indexed_(indexed) {}
    FrontCodedWords(const FrontCodedWords&) = delete;
    FrontCodedWords& operator=(const FrontCodedWords&) = delete;

    // Adds word, which has 16 readable bytes after it, as the reader leaves.
    void add(std::string_view word) {
        std::size_t shared = common_prefix(word, std::string_view(last_.data(), last_size_));
        if (indexed_ && size_ % block_size == 0) {
            block_starts_.push_back(bytes_.size());
            shared = 0;
        }
        const std::string_view rest = word.substr(shared);
        // Room for at most 1 + 10 + 10 bytes of sizes, the rest, and 16 bytes
        // after it, where the rest is copied in 16-byte pieces and from
        // where bytes are compared eight at a time.
        char* const start = bytes_.room(21 + rest.size() + 16);
        char* p = start;
        if (shared < 15 && rest.size() < 16) {
            *p++ = static_cast<char>(shared << 4 | rest.size());
        } else {
            *p++ = static_cast<char>(0xff);
            p = put_size(p, shared);
            p = put_size(p, rest.size());
        }
        copy_pieces(p, rest.data(), rest.size());
        std::memset(p + rest.size(), 0, 16);  // what is read past the last word
        bytes_.grow_by(static_cast<std::size_t>(p - start) + rest.size());
        ++size_;
        // The word kept for the next one: the bytes after those shared.
        if (last_.size() < word.size() + 16) last_.resize(std::max(word.size() + 16, 2 * last_.size()));
        copy_pieces(last_.data() + shared, rest.data(), rest.size());
        last_size_ = word.size();
    }
    std::size_t size() const { return size_; }

    // Calls visit(shared, rest) for every word from block first on (of an
    // indexed list; else first is 0), in input order, while visit returns
    // true: the word is the first `shared` bytes of the word before it, then
    // rest, which has 16 readable bytes after it.
    template <class Visit>
    void each_coded(Visit visit, std::size_t first = 0) const {
        const char* p = bytes_.data() + (first == 0 ? 0 : block_starts_[first]);
        const char* const end = bytes_.data() + bytes_.size();
        while (p < end) {
            const unsigned char head = static_cast<unsigned char>(*p++);
            std::size_t shared = head >> 4, rest = head & 15;
            if (head == 0xff) {
                shared = get_size(p);
                rest = get_size(p);
            }
            if (!visit(shared, std::string_view(p, rest))) return;
            p += rest;
        }
    }

    // Calls visit(i, word) for every word from block first on, with its
    // index, in input order, while visit returns true. The word is viewed in
    // a buffer, with 16 readable bytes after it, until visit returns. The
    // words are the ones added (true), as WordsInPlace::each says of its own.
    template <class Visit>
    bool each(Visit visit, std::size_t first = 0) const {
        std::string word;
        std::size_t i = first * block_size;
        each_coded(
            [&](std::size_t shared, std::string_view rest) {
                if (word.size() < shared + rest.size() + 16) word.resize(2 * (shared + rest.size() + 16));
                copy_pieces(word.data() + shared, rest.data(), rest.size());
                return visit(i++, std::string_view(word.data(), shared + rest.size()));
            },
            first);
        return true;
    }

private:
    static char* put_size(char* p, std::size_t n) {
        for (; n >= 0x80; n >>= 7) *p++ = static_cast<char>((n & 0x7f) | 0x80);
        *p++ = static_cast<char>(n);
        return p;
    }
    static std::size_t get_size(const char*& p) {
        std::size_t n = 0;
        for (int shift = 0;; shift += 7) {
            const unsigned char byte = static_cast<unsigned char>(*p++);
            n |= static_cast<std::size_t>(byte & 0x7f) << shift;
            if (byte < 0x80) return n;
        }
    }

    bool indexed_;
    support::Block<char> bytes_;
    std::size_t size_ = 0;
    std::vector<std::size_t> block_starts_;
    std::string last_ = std::string(16, '\0');  // the word added last, in its first last_size_ bytes
    std::size_t last_size_ = 0;
};

// The words where they lie in an input that the reader keeps (a mapped
// file), read again by the reader's own rules for input already read; only
// where the reading of every block_size-th word began is kept, so that a
// walk can read again just the blocks it needs.
//
// Another program may write the file meanwhile, so what is read again is
// checked against what was read first: each block must hold words of the
// same lengths, in the same order, and end where it first ended. (The bytes
// of the words are the caller's to check: it knows what it took of them.)
// Whatever the file now holds, a walk reads nothing outside the input.
class WordsInPlace {
public:
    static constexpr std::size_t block_size = 32;

    // The input's bytes end at end; the reader's slack follows them.
    explicit WordsInPlace(const char* end) : end_(end) {}

    // Adds word, whose reading (whitespace skipped) began at from.
    void add(std::string_view word, const char* from) {
        if (size_ % block_size == 0) {
            if (size_ > 0) blocks_.back().lengths = lengths_;
            blocks_.push_back({from, 0});
            lengths_ = 0;
        }
        lengths_ = mix(lengths_, word.size());
        ++size_;
    }
    // After the last word: the reading of it ended at end.
    void end_at(const char* end) { last_end_ = end; }
    std::size_t size() const { return size_; }

    // Calls visit(i, word) for every word from block first on, with its
    // index, in input order, while visit returns true; the word views the
    // input, with 16 readable bytes after it. A block is read to its end
    // whatever visit returns. Whether the blocks read were as first read:
    // false as soon as one is not, after visit saw its words (the caller
    // then drops what it made of them).
    template <class Visit>
    bool each(Visit visit, std::size_t first = 0) const {
        bool going = true;
        for (std::size_t block = first; going && block < blocks_.size(); ++block) {
            const Block& b = blocks_[block];
            const char* p = b.start;
            std::uint64_t lengths = 0;
            std::string_view word;
            const std::size_t last = std::min(size_, (block + 1) * block_size);
            for (std::size_t i = block * block_size; i < last; ++i) {
                p = support::Reader::next_c_string(p, end_, word);
                lengths = mix(lengths, word.size());
                going = going && visit(i, word);
            }
            // A block ends where the next one's reading began.
            const bool last_block = block + 1 == blocks_.size();
            const char* const end = last_block ? last_end_ : blocks_[block + 1].start;
            if (p != end || lengths != (last_block ? lengths_ : b.lengths)) return false;
        }
        return true;
    }

private:
    // The lengths of a block's words, in order, in one value: each step
    // multiplies by 33 (a shift and an add), which is odd, so that a change
    // of one length always changes the value, and changes of several that
    // cancel out would have to differ by multiples of 2^59.
    static std::uint64_t mix(std::uint64_t lengths, std::size_t length) { return (lengths << 5) + lengths + length; }

    struct Block {
        const char* start;      // where the reading of its first word began
        std::uint64_t lengths;  // its words' lengths, mixed (the last block's: lengths_)
    };
    const char* end_;
    std::size_t size_ = 0;
    std::vector<Block> blocks_;
    std::uint64_t lengths_ = 0;       // the last block's lengths so far
    const char* last_end_ = nullptr;  // where the reading of the last word ended
};

}  // namespace words
