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
#include <tuple>
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

// The eight bytes of w from byte i on, as they lie in memory (eight bytes
// after its end must be readable).
std::uint64_t load(std::string_view w, std::size_t i) {
    std::uint64_t bytes;
    std::memcpy(&bytes, w.data() + i, 8);
    return bytes;
}

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
    std::uint64_t bytes = load(w, from);
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

    void add(std::string_view, std::size_t, const char* from) {
        if (size_ % block_size == 0) block_starts_.push_back(from);
        ++size_;
    }
    std::size_t size() const { return size_; }
    void end_at(const char* end) { end_ = end; }

    // As WordList::each, the words read again by the reader's own rules.
    template <class Visit>
    void each(Visit visit, std::size_t first = 0) const {
        const char* p = block_starts_[first];
        std::string_view word;
        for (std::size_t i = first * block_size; i < size_; ++i) {
            p = support::Reader::next_c_string(p, end_, word);
            if (!visit(i, word)) return;
        }
    }

private:
    std::size_t size_ = 0;
    std::vector<const char*> block_starts_;
    const char* end_ = nullptr;
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
        std::size_t shared = 0;
        if (words_.size() == 0) {
            shared_ = word.size();
            if constexpr (List::views_last) {
                for (std::size_t i = 0; i < word.size(); i += 8) first_folded_.push_back(fold_bytes(load(word, i)));
                first_ = word;
            }
        } else if (shared_ > 0) {
            if constexpr (List::views_last) {
                // The bytes all the words share, up to case, are the fewest
                // that any word shares with the first, kept folded.
                if (!shares_first(word)) {
                    shared_ = common_prefix<true>(word, first_);
                    settled_from_ = words_.size();
                }
            } else {
                // The same, counted with the word before; while there are
                // any, that word is kept, and the bytes a word shares with
                // it are left out of the list. Words that share none take
                // no time over it.
                const std::string_view last = last_view_;
                shared = common_prefix(word, last);
                if (shared < shared_) {
                    const std::size_t folded = shared + common_prefix<true>(word.substr(shared), last.substr(shared));
                    if (folded < shared_) {
                        shared_ = folded;
                        settled_from_ = words_.size();
                    }
                }
            }
        }
        words_.add(word, shared, from);
        if constexpr (!List::views_last) {
            if (shared_ > 0) {
                if (last_.size() < word.size() + 16) last_.resize(std::max(word.size() + 16, 2 * last_.size()));
                copy_pieces(last_.data() + shared, word.data() + shared, word.size() - shared);
                last_view_ = std::string_view(last_.data(), word.size());
            }
        }
        const std::uint32_t key = key_of(word);
        keys_.push_back(key);
        ++bucket_sizes_[key >> 16];
        goes_on_.push_back(word.size() > shared_ + 4);
    }

    // The word that the exchange sort (for i, for j > i: swap slots i and j
    // when slot i's word is greater) leaves at index middle.
    //
    // That word is equal to K, the word of rank middle. Words above K never
    // reach the first slots, so only the order among the words equal to K
    // matters. Within pass i the slot holds a running minimum; each time a
    // strictly smaller word is met, the current holder is moved to that
    // word's place. Followed over the whole sort, the words equal to K stay
    // in a queue, in input order, that turns by one place (its front word
    // goes to the back) for every smaller word met after the first of them;
    // the slots from (number of smaller words) onwards receive the queue's
    // words from the front. The queue is not built: the place asked for is
    // followed back from the end, through the turns and the words joining.
    void end_at(const char* end) { words_.end_at(end); }

    std::string middle_word(std::size_t middle) {
        std::uint32_t* const keys = keys_.data();
        const std::size_t count = words_.size();
        goes_on_.close();
        if (settled_from_ > 0) {
            words_.each([&](std::size_t i, std::string_view w) {
                --bucket_sizes_[keys[i] >> 16];
                keys[i] = key_of(w);
                ++bucket_sizes_[keys[i] >> 16];
                goes_on_.set(i, w.size() > shared_ + 4);
                return i + 1 < settled_from_;
            });
        }
        // K's bucket, and K's rank among the words in it.
        std::size_t rank = middle;
        std::uint32_t bucket = 0;
        while (bucket_sizes_[bucket] <= rank) rank -= bucket_sizes_[bucket++];
        // Each word as one number that orders it against the others as far
        // as the keys go: its key, then whether it goes on past it, which is
        // how strcasecmp orders them.
        auto order_of = [&](std::size_t i) { return std::uint64_t{keys[i]} << 1 | goes_on_[i]; };
        // K's order, 33 bits: the first 16 are its bucket's. The words whose
        // order begins as K's does are counted by the next 8 bits (the third
        // byte), then by the last 9 (the fourth byte and the bit), which
        // takes K's rank further each time. (Without a branch, as the words
        // can come in any order: the others are counted in eight places of
        // their own past the end, taken in turn so that each count waits on
        // the one eight words before, not the last. The place is chosen by
        // a mask: compilers turn a condition into a branch as they like.)
        std::uint64_t k_order = bucket;
        std::size_t with_k = 0;  // the words equal to K: whose order is K's (then, if K goes on, their rest too)
        for (const int bits : {8, 9}) {
            const int after = bits == 8 ? 9 : 0;  // the bits of an order after those counted
            const std::size_t outside = std::size_t{1} << bits;
            std::vector<std::uint32_t> counts(outside + 8);
            for (std::size_t i = 0; i < count; ++i) {
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

        // When K goes on, the words that share its four bytes and go on too
        // (the candidates) are ordered by the rest of their bytes: each one's
        // order to K, and K's rank among those equal to it.
        support::Block<std::int8_t> orders;  // by candidate, in input order
        const bool k_goes_on = (k_order & 1) != 0;
        if (k_goes_on) {
            support::Block<std::string_view> words;
            std::string copied;
            words.room(with_k);
            copies_of([&](std::size_t i) { return order_of(i) == k_order; }, words, copied);
            std::tie(rank, with_k) = order_rest(words, shared_ + 4, rank, orders);
        }

        // Back from the end: K's place in the queue, counted from its front,
        // and the number of words in it. A turn moved the word at place p
        // to place p - 1 (the front word to the back); a word that joined
        // took the last place. The place is K's rank among the words equal
        // to it.
        std::size_t place = rank, queued = with_k, turns = 0, candidate = orders.size();
        for (std::size_t i = count; i-- > 0;) {
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
            // as it was).
            if (turns >= queued) turns %= queued;
            place += turns;
            if (place >= queued) place -= queued;
            turns = 0;
            if (place == queued - 1) {
                return word_at(i);
            }
            --queued;
        }
        return {};  // not reached: K is among the words
    }

private:
    // Whether word begins with the shared_ bytes that all the words before
    // it share, folded: compared with the first word's, eight at a time.
    bool shares_first(std::string_view word) const {
        if (word.size() < shared_) return false;
        std::size_t i = 0;
        for (; shared_ - i >= 8; i += 8) {
            if (fold_bytes(load(word, i)) != first_folded_[i / 8]) return false;
        }
        if (i == shared_) return true;
        const std::uint64_t x = fold_bytes(load(word, i)), y = first_folded_[i / 8];
        return x == y || first_difference(x, y) >= shared_ - i;
    }

    // Orders words (all longer than from bytes, all the same before it) by
    // their bytes from `from` on, as strcasecmp does, to find the one of rank
    // `rank`, K: sets each word's order to K in orders (-1, 0 or 1) and
    // gives K's rank among the words equal to it, and their number. Eight bytes at a time: the
    // words still equal to K so far are selected by those eight bytes, then
    // by whether they go on past them; the others are settled.
    static std::pair<std::size_t, std::size_t> order_rest(const support::Block<std::string_view>& words,
                                                          std::size_t from, std::size_t rank,
                                                          support::Block<std::int8_t>& orders) {
        const std::string_view* const w = words.data();
        std::int8_t* const order = orders.room(words.size());
        orders.grow_by(words.size());
        support::Block<Index> alive;  // the words still equal to K, by number
        Index* const alive_n = alive.room(words.size());
        support::Block<std::uint64_t> chunks;  // their eight bytes from `from`
        std::uint64_t* const chunk_of = chunks.room(words.size());
        support::Block<std::uint64_t> selected;  // those on one side of a guess, when it misses
        std::size_t left = words.size();
        for (std::size_t j = 0; j < left; ++j) alive_n[j] = static_cast<Index>(j);
        for (std::size_t j = 0; j < left; ++j) chunk_of[j] = key_at(w[j], from);
        for (;; from += 8) {
            // The words below a chunk, with it, and with it that end in it
            // (which come first, as a prefix does).
            std::size_t below = 0, equal = 0, ending = 0;
            auto count = [&](std::uint64_t chunk) {
                below = equal = ending = 0;
                for (std::size_t j = 0; j < left; ++j) {
                    below += chunk_of[j] < chunk ? 1 : 0;
                    equal += chunk_of[j] == chunk ? 1 : 0;
                    ending += static_cast<std::size_t>(chunk_of[j] == chunk && w[alive_n[j]].size() <= from + 8);
                }
            };
            // K's chunk is first guessed from a sample spread over the words
            // (the one of K's rank among them): where many words share a
            // chunk, as they do words with a long common stem, the guess is
            // it, and it takes one count. Else the chunk is selected.
            std::uint64_t sample[255] = {};
            const std::size_t sampled = std::min<std::size_t>(left, std::size(sample));
            for (std::size_t t = 0; t < sampled; ++t) {
                sample[t] = chunk_of[static_cast<std::uint64_t>(t) * left / sampled];
            }
            const std::size_t sample_rank = static_cast<std::size_t>(static_cast<std::uint64_t>(rank) * sampled / left);
            std::nth_element(sample, sample + sample_rank, sample + sampled);
            std::uint64_t k_chunk = sample[sample_rank];
            count(k_chunk);
            if (rank < below || rank >= below + equal) {
                // Selected among the chunks on K's side of the guess only.
                const bool lower = rank < below;
                const std::uint64_t guess = k_chunk;
                std::uint64_t* const side = selected.room(lower ? below : left - below - equal);
                std::uint64_t* const end = std::copy_if(chunk_of, chunk_of + left, side, [&](std::uint64_t chunk) {
                    return lower ? chunk < guess : chunk > guess;
                });
                const std::size_t side_rank = lower ? rank : rank - below - equal;
                std::nth_element(side, side + side_rank, end);
                k_chunk = side[side_rank];
                count(k_chunk);
            }
            rank -= below;
            const bool k_ends = rank < ending;
            if (!k_ends) rank -= ending;
            // Each word's order to K so far, and those still equal to K kept
            // with their next chunk (taken for every word, at most at its
            // end, and kept only for those). Without a branch, as the words
            // can come in any order.
            std::size_t kept = 0;
            for (std::size_t j = 0; j < left; ++j) {
                const Index n = alive_n[j];
                const std::uint64_t chunk = chunk_of[j];
                const int ends = w[n].size() <= from + 8 ? 1 : 0;
                const int by_chunk = (chunk > k_chunk) - (chunk < k_chunk);
                const int by_end = int{k_ends} - ends;  // a word that ends first is the smaller
                order[n] = static_cast<std::int8_t>(by_chunk != 0 ? by_chunk : by_end);
                alive_n[kept] = n;
                chunk_of[kept] = key_at(w[n], std::min(from + 8, w[n].size()));
                kept += static_cast<std::size_t>(by_chunk == 0 && by_end == 0);
            }
            if (k_ends) return {rank, ending};
            left = kept;
        }
    }

    // A word's key: its four folded bytes after the shared ones, as a
    // big-endian integer (0 past its end).
    std::uint32_t key_of(std::string_view word) const {
        return static_cast<std::uint32_t>(key_at(word, shared_) >> 32);
    }

    // Calls take(word) for each word i that is wanted(i), in input order,
    // reading only the blocks that hold one.
    template <class Wanted, class Take>
    void each_of(Wanted wanted, Take take) const {
        constexpr std::size_t size = List::block_size;
        const std::size_t count = words_.size();
        auto holds_one = [&](std::size_t block) {
            for (std::size_t i = block * size; i < count && i < (block + 1) * size; ++i) {
                if (wanted(i)) return true;
            }
            return false;
        };
        for (std::size_t block = 0; block * size < count; ++block) {
            if (!holds_one(block)) continue;
            std::size_t last = 0;
            words_.each(
                [&](std::size_t i, std::string_view w) {
                    if (wanted(i)) take(w);
                    last = i;
                    // At the end of a block, on to the next if it holds one.
                    return (i + 1) % size != 0 || (i + 1 < count && holds_one((i + 1) / size));
                },
                block);
            block = last / size;
        }
    }

    // Adds to words each word i that is wanted(i), in input order: where
    // they lie when the list's views last, else copies one after another in
    // text, with 16 zero bytes after the last.
    template <class Wanted>
    void copies_of(Wanted wanted, support::Block<std::string_view>& words, std::string& text) const {
        if constexpr (List::views_last) {
            each_of(wanted, [&](std::string_view w) { words.push_back(w); });
        } else {
            std::vector<std::size_t> ends;
            each_of(wanted, [&](std::string_view w) {
                text += w;
                ends.push_back(text.size());
            });
            text.append(16, '\0');
            for (std::size_t j = 0, start = 0; j < ends.size(); start = ends[j++]) {
                words.push_back(std::string_view(text).substr(start, ends[j] - start));
            }
        }
    }

    // A copy of the word with this index.
    std::string word_at(std::size_t index) const {
        std::string word;
        words_.each(
            [&](std::size_t i, std::string_view w) {
                if (i < index) return true;
                word = w;
                return false;
            },
            index / List::block_size);
        return word;
    }

    List words_;
    std::string_view first_;                   // the first word, where views last
    std::vector<std::uint64_t> first_folded_;  // and its bytes, eight at a time, folded
    std::string last_;                         // a copy of the word added last, where views do not last
    std::string_view last_view_;               // the word added last
    std::size_t shared_ = 0;                   // leading bytes that every word shares, folded
    std::size_t settled_from_ = 0;             // the words from here on have their key right
    support::Block<std::uint32_t> keys_;       // by word
    Bits goes_on_;                             // by word: whether it goes on past its key
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
