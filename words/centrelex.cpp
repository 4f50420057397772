// centrelex: the middle word of a case-blind exchange sort (what it reads and
// prints: its help text below).
//
// The exchange sort takes quadratic time and is not stable among words equal
// apart from case; the same word is found in linear time (see middle_word),
// which replays what the sort does to the words equal to the middle key.
#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
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

// 'A' to 'Z' folded to lower case in each byte of x at once: a byte below
// 0x80 whose low seven bits lie in 0x41..0x5a gains 0x20.
std::uint64_t fold_bytes(std::uint64_t x) {
    constexpr std::uint64_t ones = 0x0101010101010101u;
    constexpr std::uint64_t high = 0x8080808080808080u;
    const std::uint64_t low = x & ~high;  // no byte's sum below carries
    const std::uint64_t from_a = low + ones * (0x80 - 'A');
    const std::uint64_t past_z = low + ones * (0x80 - 'Z' - 1);
    return x | ((from_a & ~past_z & ~x & high) >> 2);  // 0x80 >> 2 is 0x20
}

// The bytes of x in reverse order, by halves, quarters and eighths: a
// pattern compilers turn into their one byte-swap instruction.
std::uint64_t byte_swap(std::uint64_t x) {
    x = x >> 32 | x << 32;
    x = (x & 0xffff0000ffff0000u) >> 16 | (x & 0x0000ffff0000ffffu) << 16;
    return (x & 0xff00ff00ff00ff00u) >> 8 | (x & 0x00ff00ff00ff00ffu) << 8;
}

// Bytes from to from + 7 of a word (from at most its length, and eight
// bytes after its end readable), folded, as a big-endian integer padded with
// zeros. Comparing words eight bytes at a time as unsigned integers orders
// them as strcasecmp does in the default locale (byte by byte after folding,
// as unsigned values, a prefix before a longer word), since words hold no
// NUL; the eight bytes that hold a zero byte are a word's last.
std::uint64_t key_at(std::string_view w, std::size_t from) {
    std::uint64_t bytes;
    std::memcpy(&bytes, w.data() + from, 8);
    if constexpr (std::endian::native == std::endian::little) bytes = byte_swap(bytes);
    // The bytes past the end cleared, with a mask made without a branch (on
    // words of random lengths one would be mispredicted half the time): the
    // top `kept` bytes, shifted in two halves as a shift by 64 is undefined.
    const std::size_t kept = std::min<std::size_t>(w.size() - from, 8);
    const std::uint64_t mask = ~(~std::uint64_t{0} >> (4 * kept) >> (4 * kept));
    return fold_bytes(bytes & mask);
}

// The index of the first byte that differs between x and y, loaded from
// memory (x != y): the lowest in memory.
std::size_t first_difference(std::uint64_t x, std::uint64_t y) {
    const int bit = std::endian::native == std::endian::little ? std::countr_zero(x ^ y) : std::countl_zero(x ^ y);
    return static_cast<std::size_t>(bit / 8);
}

// The number of leading bytes that a and b share, compared as they are or,
// with `folded`, once folded. Eight bytes after the end of each must be
// readable.
template <bool folded = false>
std::size_t common_prefix(std::string_view a, std::string_view b) {
    const std::size_t length = std::min(a.size(), b.size());
    for (std::size_t i = 0;; i += 8) {
        std::uint64_t x, y;
        std::memcpy(&x, a.data() + i, 8);
        std::memcpy(&y, b.data() + i, 8);
        if constexpr (folded) {
            x = fold_bytes(x);
            y = fold_bytes(y);
        }
        if (x != y) return std::min(i + first_difference(x, y), length);
        if (length - i <= 8) return length;
    }
}

// a and b compared as strcasecmp compares them in the default locale, from
// byte from on (at most the length of each): below, equal to or above 0.
// Eight bytes after the end of each must be readable.
int compare(std::string_view a, std::string_view b, std::size_t from) {
    for (std::size_t i = from;; i += 8) {
        const std::uint64_t x = key_at(a, i), y = key_at(b, i);
        if (x != y) return x < y ? -1 : 1;
        // The same eight bytes: where a ends before the last of them, so
        // does b (words hold no NUL, which a key has past a word's end).
        if (a.size() < i + 8) return 0;
    }
}

// Copies count bytes in 16-byte pieces, and whatever follows them up to the
// end of the last piece: count + 15 bytes from `from` must be readable and as
// many at `to` writable. A short word is copied without a branch on its length.
void copy_pieces(char* to, const char* from, std::size_t count) {
    for (std::size_t i = 0; i < count; i += 16) std::memcpy(to + i, from + i, 16);
}

// The words in input order, front-coded in blocks of 32: each as the number
// of leading bytes it shares with the word before it in its block (none for
// a block's first), the number of bytes after those, and those bytes. Both
// numbers fit one byte together when they are below 15 and 16; otherwise
// byte 0xff precedes them, each in base 128 (seven bits to a byte, the last
// byte below 0x80). Words that share long prefixes take a fraction of their
// bytes, and others one byte more each. Where each block starts is kept, so
// that a walk can decode only the blocks it needs.
class WordList {
public:
    static constexpr std::size_t block_size = 32;
    static constexpr bool views_last = false;  // each() shows a word in a buffer of its own

    WordList() = default;
    WordList(const WordList&) = delete;
    WordList& operator=(const WordList&) = delete;

    // Adds word, which shares its first `shared` bytes with the word added
    // before (or fewer), and has 16 readable bytes after it, as the reader
    // leaves them. Those bytes are left out unless it starts a block.
    void add(std::string_view word, std::size_t shared, const char* /* where its reading began */) {
        if (size_ % block_size == 0) {
            block_starts_.push_back(text_.size());
            shared = 0;
        }
        const std::string_view rest = word.substr(shared);
        // At most 1 + 10 + 10 bytes of sizes, the rest, 16 bytes after it.
        char* const start = text_.room(21 + rest.size() + 16);
        char* p = start;
        if (shared < 15 && rest.size() < 16) {
            *p++ = static_cast<char>(shared << 4 | rest.size());
        } else {
            *p++ = static_cast<char>(0xff);
            p = put_size(p, shared);
            p = put_size(p, rest.size());
        }
        copy_pieces(p, rest.data(), rest.size());
        std::memset(p + rest.size(), 0, 16);  // what is copied past the last word
        text_.grow_by(static_cast<std::size_t>(p - start) + rest.size());
        ++size_;
    }
    std::size_t size() const { return size_; }
    void end_at(const char* /* the end of the last word */) {}

    // Calls visit(i, word) for every word from block first on, with its
    // index, in input order, while visit returns true. The word is viewed in
    // a buffer, with 16 readable bytes after it, until visit returns.
    template <class Visit>
    void each(Visit visit, std::size_t first = 0) const {
        std::string word;
        const char* p = text_.data() + block_starts_[first];
        for (std::size_t i = first * block_size; i < size_; ++i) {
            const unsigned char head = static_cast<unsigned char>(*p++);
            std::size_t shared = head >> 4, rest = head & 15;
            if (head == 0xff) {
                shared = get_size(p);
                rest = get_size(p);
            }
            if (word.size() < shared + rest + 16) word.resize(2 * (shared + rest + 16));
            copy_pieces(word.data() + shared, p, rest);
            p += rest;
            if (!visit(i, std::string_view(word.data(), shared + rest))) return;
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

    support::Block<char> text_;
    std::size_t size_ = 0;
    std::vector<std::size_t> block_starts_;
};

// The words where they lie in an input that the reader keeps (a mapped
// file): nothing is copied. Where the reading of every 32nd word began is
// kept, so that a walk can read again only the blocks it needs.
class WordsInPlace {
public:
    static constexpr std::size_t block_size = WordList::block_size;
    static constexpr bool views_last = true;  // each() shows a word where it lies

    void add(std::string_view word, std::size_t, const char* from) {
        if (size_ % block_size == 0) block_starts_.push_back(from);
        last_ = word;
        ++size_;
    }
    std::size_t size() const { return size_; }
    void end_at(const char* end) { end_ = end; }

    // As WordList::each, the words read again by the reader's own rules.
    template <class Visit>
    void each(Visit visit, std::size_t first = 0) const {
        const char* const from = block_starts_[first];
        support::Reader words(from, static_cast<std::size_t>(end_ - from));
        std::string_view word;
        for (std::size_t i = first * block_size; i + 1 < size_; ++i) {
            words.read_c_string(word);
            if (!visit(i, word)) return;
        }
        visit(size_ - 1, last_);
    }

private:
    // The last word as it was read: read again, it would end where this
    // reader's input does, and be viewed in a copy that this reader owns.
    std::string_view last_;
    std::size_t size_ = 0;
    std::vector<const char*> block_starts_;
    const char* end_ = nullptr;
};

// The words as they are read, with what finding the middle key needs: the
// number of leading bytes that all of them share (folded), each word's key,
// its four folded bytes right after those (see key_of), and how many keys
// begin with each pair of bytes (a bucket).
// Ordering two words whose keys differ needs nothing else. The shared bytes
// can only become fewer; the words read before they last did have their key
// taken further on, and have it put right at the end.
template <class List>
class Words {
public:
    using Index = std::uint32_t;  // a word's place in the list: there are fewer than 2^31

    // Adds word, whose reading began at from.
    void add(std::string_view word, const char* from) {
        // The bytes all the words share, up to case, are the fewest that any
        // word shares with the word before it. While there are any, that
        // word is kept, and the bytes a word shares with it are left out of
        // the list; words that share none take no time over it.
        const std::string_view last = last_view_;
        std::size_t shared = 0;
        if (words_.size() == 0) {
            shared_ = word.size();
        } else if (shared_ > 0) {
            shared = common_prefix(word, last);
            if (shared < shared_) {
                const std::size_t folded = shared + common_prefix<true>(word.substr(shared), last.substr(shared));
                if (folded < shared_) {
                    shared_ = folded;
                    settled_from_ = words_.size();
                }
            }
        }
        words_.add(word, shared, from);
        if (shared_ > 0) {
            if constexpr (List::views_last) {
                last_view_ = word;
            } else {
                if (last_.size() < word.size() + 16) last_.resize(std::max(word.size() + 16, 2 * last_.size()));
                copy_pieces(last_.data() + shared, word.data() + shared, word.size() - shared);
                last_view_ = std::string_view(last_.data(), word.size());
            }
        }
        const std::uint32_t key = key_of(word);
        keys_.push_back(key);
        ++bucket_sizes_[key >> 16];
        goes_on_.push_back(word.size() > shared_ + 4 ? 1 : 0);
    }

    // The word that the exchange sort (for i, for j > i: swap slots i and j
    // when slot i's key is greater) leaves at index middle.
    //
    // Its key K is the key of rank middle. Words with a key above K never
    // reach the first slots, so only the order among the words with key K
    // matters. Within pass i the slot holds a running minimum; each time a
    // strictly smaller word is met, the current holder is moved to that
    // word's place. Followed over the whole sort, the words with key K stay
    // in a queue, in input order, that turns by one place for every word
    // with a smaller key met after the first of them; the slots from (number
    // of smaller keys) onwards receive the queue's words from the front.
    void end_at(const char* end) { words_.end_at(end); }

    std::string middle_word(std::size_t middle) {
        std::uint32_t* const keys = keys_.data();
        const std::size_t count = words_.size();
        if (settled_from_ > 0) {
            words_.each([&](std::size_t i, std::string_view w) {
                --bucket_sizes_[keys[i] >> 16];
                keys[i] = key_of(w);
                ++bucket_sizes_[keys[i] >> 16];
                goes_on_.data()[i] = w.size() > shared_ + 4 ? 1 : 0;
                return i + 1 < settled_from_;
            });
        }
        // K's bucket, and K's rank among the words in it.
        std::size_t rank = middle;
        std::uint32_t bucket = 0;
        while (bucket_sizes_[bucket] <= rank) rank -= bucket_sizes_[bucket++];
        // The words in it, by index, each with the number of words in a lower
        // bucket since the one before (they will turn the queue), and the
        // number of those after the last.
        // (Without a branch, as the words of a large bucket can come in any
        // order: each word is written to the next place, which only a word
        // in the bucket keeps. The arrays are left uninitialised: each place
        // is written before it is read.)
        const std::size_t in_size = bucket_sizes_[bucket];
        const auto in_bucket = std::make_unique_for_overwrite<Index[]>(in_size + 1);
        const auto smaller_before = std::make_unique_for_overwrite<Index[]>(in_size + 1);
        std::size_t smaller = 0, found = 0;
        for (std::size_t i = 0; i < count; ++i) {
            const std::uint32_t b = keys[i] >> 16;
            in_bucket[found] = static_cast<Index>(i);
            smaller_before[found] = static_cast<Index>(smaller);
            found += b == bucket ? 1 : 0;
            smaller = b == bucket ? 0 : smaller + (b < bucket ? 1 : 0);
        }
        // K's four bytes, and whether it goes on past them: the words of the
        // bucket counted by the other two bytes, then by that bit, which is
        // how strcasecmp orders them.
        const std::uint8_t* const goes_on = goes_on_.data();
        std::vector<std::uint32_t> counts(std::size_t{1} << 17);
        for (std::size_t j = 0; j < in_size; ++j) {
            const std::size_t i = in_bucket[j];
            ++counts[(keys[i] & 0xffff) << 1 | goes_on[i]];
        }
        std::uint32_t low = 0;
        while (counts[low] <= rank) rank -= counts[low++];
        const std::uint32_t k_key = bucket << 16 | low >> 1;
        const std::uint8_t k_goes_on = low & 1;
        std::size_t with_k = counts[low];  // the words equal to K
        // When K goes on, the words with its four bytes that go on too are
        // ordered by the rest of their bytes, past those they all share:
        // K is the one of that rank among them.
        std::string copied;
        std::vector<std::string_view> rest;  // those words, in input order
        std::string_view k;
        const std::size_t from = shared_ + 4;
        if (k_goes_on) {
            std::vector<Index> indices;
            indices.reserve(with_k);
            for (std::size_t j = 0; j < in_size; ++j) {
                const std::size_t i = in_bucket[j];
                if (keys[i] == k_key && goes_on[i]) indices.push_back(static_cast<Index>(i));
            }
            rest = copies_of(indices, copied);
            std::vector<Index> by_rank(rest.size());
            for (std::size_t r = 0; r < by_rank.size(); ++r) by_rank[r] = static_cast<Index>(r);
            std::nth_element(by_rank.begin(), by_rank.begin() + static_cast<std::ptrdiff_t>(rank), by_rank.end(),
                             [&](Index x, Index y) { return compare(rest[x], rest[y], from) < 0; });
            k = rest[by_rank[rank]];
            with_k = static_cast<std::size_t>(
                std::count_if(rest.begin(), rest.end(), [&](std::string_view w) { return compare(w, k, from) == 0; }));
        }

        // The queue, in a ring that holds every word equal to K (by index):
        // turning it moves the front word to the back. Every word smaller
        // than K turns it once, in input order.
        const auto queue = std::make_unique_for_overwrite<Index[]>(with_k);
        std::size_t front = 0, queued = 0, below = 0;
        auto turn = [&](std::size_t times) {
            below += times;
            if (queued == 0) return;
            // Turning it queued times leaves it as it was.
            if (times >= queued) times %= queued;
            for (; times > 0; --times) {
                const std::size_t back = front + queued;
                queue[back < with_k ? back : back - with_k] = queue[front];
                if (++front == with_k) front = 0;
            }
        };
        std::size_t next_rest = 0;
        for (std::size_t j = 0; j < in_size; ++j) {
            turn(smaller_before[j]);
            const std::size_t i = in_bucket[j];
            int order;  // word i to K
            if (keys[i] != k_key) {
                order = keys[i] < k_key ? -1 : 1;
            } else if (goes_on[i] != k_goes_on) {
                order = goes_on[i] < k_goes_on ? -1 : 1;
            } else {
                order = k_goes_on ? compare(rest[next_rest++], k, from) : 0;
            }
            if (order < 0) {
                turn(1);
            } else if (order == 0) {
                const std::size_t back = front + queued++;
                queue[back < with_k ? back : back - with_k] = static_cast<Index>(i);
            }
        }
        turn(smaller);
        std::string answer;
        return std::string(copies_of({queue[(front + middle - below) % with_k]}, answer)[0]);
    }

private:
    // A word's key: its four folded bytes after the shared ones, as a
    // big-endian integer (0 past its end).
    std::uint32_t key_of(std::string_view word) const {
        return static_cast<std::uint32_t>(key_at(word, shared_) >> 32);
    }

    // Calls take(word) for each word with these indices (ascending), in
    // order, reading only the blocks that hold them.
    template <class Take>
    void each_of(const std::vector<Index>& indices, Take take) const {
        std::size_t taken = 0;
        while (taken < indices.size()) {
            const std::size_t block = indices[taken] / List::block_size;
            words_.each(
                [&](std::size_t i, std::string_view w) {
                    if (i == indices[taken]) {
                        take(w);
                        ++taken;
                    }
                    return taken < indices.size() && indices[taken] / List::block_size == block;
                },
                block);
        }
    }

    // The words with these indices (ascending): where they lie when the
    // list's views last, else copies one after another in text, with 16
    // zero bytes after the last.
    std::vector<std::string_view> copies_of(const std::vector<Index>& indices, std::string& text) const {
        std::vector<std::string_view> words;
        words.reserve(indices.size());
        if constexpr (List::views_last) {
            each_of(indices, [&](std::string_view w) { words.push_back(w); });
        } else {
            std::vector<std::size_t> ends;
            each_of(indices, [&](std::string_view w) {
                text += w;
                ends.push_back(text.size());
            });
            text.append(16, '\0');
            for (std::size_t j = 0, start = 0; j < ends.size(); start = ends[j++]) {
                words.push_back(std::string_view(text).substr(start, ends[j] - start));
            }
        }
        return words;
    }

    List words_;
    std::string last_;                      // a copy of the word added last, where views do not last
    std::string_view last_view_;            // the word added last
    std::size_t shared_ = 0;                // leading bytes that every word shares, folded
    std::size_t settled_from_ = 0;          // the words from here on have their key right
    support::Block<std::uint32_t> keys_;    // by word
    support::Block<std::uint8_t> goes_on_;  // by word: 1 when it goes on past its key, else 0
    std::vector<std::uint32_t> bucket_sizes_ = std::vector<std::uint32_t>(std::size_t{1} << 16);
};

// Reads the words into a List and prints the middle one.
template <class List>
int find_middle(support::Program& program) {
    const int word_count = program.read_int("word count");
    if (word_count < 1) {
        program.fail("word count: expected a count of 1 or more, found " + std::to_string(word_count));
    }
    Words<List> words;
    std::string_view word;
    for (int i = 0; i < word_count; ++i) {
        // A word ends at its first NUL byte, as a C string does.
        const char* const from = program.in.position();
        program.read_c_string(word, "word", i + 1LL, word_count);
        words.add(word, from);
    }
    words.end_at(program.in.position());
    const int middle = (word_count & 1) ? word_count / 2 : word_count / 2 - 1;
    program.out.put(words.middle_word(static_cast<std::size_t>(middle)));
    return program.finish();
}

}  // namespace

int main(int argc, char** argv) {
    support::Program program("centrelex", argc, argv, help);
    // A file's words are used where they lie in it; a pipe's are kept.
    if (program.keep_input()) return find_middle<WordsInPlace>(program);
    return find_middle<WordList>(program);
}
