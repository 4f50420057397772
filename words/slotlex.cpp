// slotlex: where a query word would be inserted among sorted words (what it
// reads and prints: its help text below).
//
// The position does not depend on the order of the words, so nothing is
// sorted: the words not greater than the query in strcmp order are counted.
// The query comes last, so the words are kept until then, each stored as the
// bytes it does not share with the word before it; comparing them in input
// order then needs no more than those bytes (see count_preceding).
#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
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

// The index of the first byte that differs between x and y, loaded from
// memory (x != y): the lowest in memory.
std::size_t first_difference(std::uint64_t x, std::uint64_t y) {
    const int bit = std::endian::native == std::endian::little ? std::countr_zero(x ^ y) : std::countl_zero(x ^ y);
    return static_cast<std::size_t>(bit / 8);
}

// The number of leading bytes that a and b share. Eight bytes after the end
// of each must be readable.
std::size_t common_prefix(std::string_view a, std::string_view b) {
    const std::size_t length = std::min(a.size(), b.size());
    for (std::size_t i = 0;; i += 8) {
        std::uint64_t x, y;
        std::memcpy(&x, a.data() + i, 8);
        std::memcpy(&y, b.data() + i, 8);
        if (x != y) return std::min(i + first_difference(x, y), length);
        if (length - i <= 8) return length;
    }
}

// Copies count bytes, and when count is at most 16 whatever follows them up
// to 16 (in one piece, without a branch on the length of a short word): 16
// bytes from `from` must be readable and 16 at `to` writable.
void copy_bytes(char* to, const char* from, std::size_t count) {
    if (count <= 16) {
        std::memcpy(to, from, 16);
    } else {
        std::memcpy(to, from, count);
    }
}

// The words in input order, front-coded: each as the number of leading bytes
// it shares with the word before it, the number of bytes after those, and
// those bytes. Both numbers fit one byte together when they are below 15 and
// 16; otherwise byte 0xff precedes them, each in base 128 (seven bits to a
// byte, the last byte below 0x80). A list of words that share long prefixes
// takes a fraction of their bytes, and a list that shares none one byte more
// a word, as a NUL after each would.
class FrontCodedWords {
public:
    void add(std::string_view word) {
        const std::size_t shared = common_prefix(word, std::string_view(last_.data(), last_size_));
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
        copy_bytes(p, rest.data(), rest.size());
        p += rest.size();
        std::memset(p, 0, 8);  // what is compared past the last word
        bytes_.grow_by(static_cast<std::size_t>(p - start));
        // The word kept for the next one: the bytes after those shared.
        if (last_.size() < word.size() + 16) last_.resize(std::max(word.size() + 16, 2 * last_.size()));
        copy_bytes(last_.data() + shared, rest.data(), rest.size());
        last_size_ = word.size();
    }

    // Calls visit(shared, rest) for every word, in input order.
    template <class Visit>
    void each(Visit visit) const {
        const char* p = bytes_.data();
        const char* const end = p + bytes_.size();
        while (p < end) {
            const unsigned char head = static_cast<unsigned char>(*p++);
            std::size_t shared = head >> 4, rest = head & 15;
            if (head == 0xff) {
                shared = get_size(p);
                rest = get_size(p);
            }
            visit(shared, std::string_view(p, rest));
            p += rest;
        }
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

    support::Block<char> bytes_;
    std::string last_;  // the word added last, in its first last_size_ bytes
    std::size_t last_size_ = 0;
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
long long count_preceding(const FrontCodedWords& words, std::string_view key) {
    // Byte i of w plus one, or 0 past its end (i at most its length): an end
    // sorts before any byte.
    auto byte = [](std::string_view w, std::size_t i) {
        const auto inside = static_cast<unsigned>(i < w.size());
        return (static_cast<unsigned>(static_cast<unsigned char>(w[i])) + 1) * inside;
    };
    long long preceding = 0;
    std::size_t l = 0;
    std::size_t not_above = 1;  // the previous word's order to key: 1 when not above it
    words.each([&](std::size_t shared, std::string_view rest) {
        const std::size_t from = std::min(shared, key.size());
        const std::size_t m = common_prefix(rest, key.substr(from));
        const std::size_t ordered = byte(rest, m) <= byte(key, from + m) ? 1 : 0;
        const std::size_t by_rest = shared <= l ? 1 : 0;  // 1 when W is ordered by its rest
        l = by_rest * (from + m) + (1 - by_rest) * l;
        not_above = by_rest * ordered + (1 - by_rest) * not_above;
        preceding += static_cast<long long>(not_above);
    });
    return preceding;
}

// Bytes from to from + 7 of w (zeros past its end; from at most its length)
// as a big-endian integer: comparing two of them orders the words by those
// bytes, as strcmp does, since words hold no NUL. Eight bytes after w must be
// readable.
std::uint64_t bytes_at(std::string_view w, std::size_t from) {
    std::uint64_t bytes;
    std::memcpy(&bytes, w.data() + from, 8);
    if constexpr (std::endian::native == std::endian::little) {
        // The bytes reversed, in a pattern compilers make one instruction of.
        bytes = bytes >> 32 | bytes << 32;
        bytes = (bytes & 0xffff0000ffff0000u) >> 16 | (bytes & 0x0000ffff0000ffffu) << 16;
        bytes = (bytes & 0xff00ff00ff00ff00u) >> 8 | (bytes & 0x00ff00ff00ff00ffu) << 8;
    }
    const std::size_t kept = std::min<std::size_t>(w.size() - from, 8);
    return bytes & ~(~std::uint64_t{0} >> (4 * kept) >> (4 * kept));
}

// A word to compare others with in strcmp order, its bytes taken eight at a
// time once: as bytes_at gives them, and one more value of zeros.
class Key {
public:
    explicit Key(std::string_view key) {
        for (std::size_t i = 0; i <= key.size(); i += 8) chunks_.push_back(bytes_at(key, std::min(i, key.size())));
    }
    // Whether the key is at least w (w is smaller than or equal to it).
    // Where eight bytes are the same and w ends among them, the key ends
    // there too.
    bool at_least(std::string_view w) const {
        for (std::size_t i = 0;; i += 8) {
            const std::uint64_t a = bytes_at(w, i), b = chunks_[i / 8];
            if (a != b) return a < b;
            if (w.size() <= i + 8) return true;
        }
    }

private:
    std::vector<std::uint64_t> chunks_;
};

// Where the n-th (n >= 1) whitespace-separated token of text starts, or
// nullptr when it has fewer: the starts of tokens are counted eight bytes at
// a time, each byte flagged (0x80) as whitespace or not by arithmetic.
const char* token_start(std::string_view text, std::uint64_t n) {
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

// The query of a list that lies in memory, found ahead of the words: the
// bytes of the token after the count words in text (which follows the
// count), as a C string sees them, with 16 zero bytes after them; only the
// zeros when the text has no such token (reading the words will report it).
std::string query_after(std::string_view text, int count) {
    const char* const start = token_start(text, static_cast<std::uint64_t>(count) + 1);
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
    const int word_count = program.read_int("word count");
    if (word_count < 0) {
        program.fail("word count: expected a count of 0 or more, found " + std::to_string(word_count));
    }
    const std::string found = in_place ? query_after(program.in.unread(), word_count) : std::string(16, '\0');
    const Key key(std::string_view(found.data(), found.size() - 16));
    long long preceding = 0;
    // A word ends at its first NUL byte, as a C string does.
    FrontCodedWords words;
    std::string_view word;
    for (int i = 0; i < word_count; ++i) {
        program.read_c_string(word, "word", i + 1LL, word_count);
        if (in_place) {
            preceding += key.at_least(word) ? 1 : 0;
        } else {
            words.add(word);
        }
    }
    std::string_view query;
    program.read_c_string(query, "query");
    if (!in_place) preceding = count_preceding(words, query);
    program.out.put_int(preceding + 1);
    return program.finish();
}
