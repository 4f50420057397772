// centrelex: the middle word of a case-blind exchange sort (what it reads and
// prints: its help text below).
//
// The exchange sort takes quadratic time and is not stable among words equal
// apart from case; the same word is found in linear time (see middle_word),
// which replays what the sort does to the words equal to the middle key.
#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
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
    const std::uint64_t low = x & ~high;              // no byte's sum below carries
    const std::uint64_t from_a = low + ones * (0x80 - 'A');
    const std::uint64_t past_z = low + ones * (0x80 - 'Z' - 1);
    return x | ((from_a & ~past_z & ~x & high) >> 2);  // 0x80 >> 2 is 0x20
}

unsigned fold_byte(unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }

std::uint64_t byte_swap(std::uint64_t x) {
#if defined(__GNUC__)
    return __builtin_bswap64(x);
#else
    std::uint64_t swapped = 0;
    for (int b = 0; b < 8; ++b, x >>= 8) swapped = swapped << 8 | (x & 0xff);
    return swapped;
#endif
}

// Bytes from to from + 7 of a word (from at most its length, and eight
// bytes after its end readable), folded, as a big-endian integer padded with
// zeros. Comparing words eight bytes at a time as unsigned integers orders
// them as strcasecmp does in the default locale (byte by byte after folding,
// as unsigned values, a prefix before a longer word), since words hold no
// NUL; the eight bytes that hold a zero byte are a word's last.
std::uint64_t key_at(std::string_view w, std::size_t from) {
    const std::size_t left = w.size() - from;
    std::uint64_t bytes;
    std::memcpy(&bytes, w.data() + from, 8);
    if constexpr (std::endian::native == std::endian::little) {
        if (left < 8) bytes &= (std::uint64_t{1} << (8 * left)) - 1;
        bytes = byte_swap(bytes);
    } else {
        if (left < 8) bytes &= ~(~std::uint64_t{0} >> (8 * left));
    }
    return fold_bytes(bytes);
}

// Values in a growing block kept by realloc, which moves a large block by
// remapping its pages rather than copying them, so that growing touches no
// more memory than the values take.
template <class T>
class Block {
public:
    Block() = default;
    Block(const Block&) = delete;
    Block& operator=(const Block&) = delete;
    ~Block() { std::free(data_); }

    // Room for count more values after the size.
    T* room(std::size_t count) {
        if (capacity_ - size_ < count) {
            const std::size_t capacity = std::max({capacity_ * 2, size_ + count, 65536 / sizeof(T)});
            void* grown = std::realloc(data_, capacity * sizeof(T));
            if (grown == nullptr) throw std::bad_alloc();
            data_ = static_cast<T*>(grown);
            capacity_ = capacity;
        }
        return data_ + size_;
    }
    void grow_by(std::size_t count) { size_ += count; }
    T* data() { return data_; }
    const T* data() const { return data_; }
    std::size_t size() const { return size_; }

private:
    T* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

// The words, packed one after another, each after its length (one byte
// below 255, otherwise 255 and eight bytes), with 16 bytes after the last
// that are always there, so that eight bytes can be loaded from anywhere
// inside a word. A word is known by the offset of its length. The list is
// walked in input order, in blocks of 32 words whose first offsets are kept,
// so that a walk can visit only the blocks it needs.
class WordList {
public:
    // word must have 16 readable bytes after it (the reader leaves them): a
    // short one is copied in one 16-byte piece, without a branch on its
    // length, and what lands after it is overwritten or never read.
    static constexpr std::size_t block_size = 32;

    void add(std::string_view word) {
        if (size_ % block_size == 0) block_starts_.push_back(text_.size());
        char* const start = text_.room(9 + word.size() + 16);
        char* p = start;
        if (word.size() < 255) {
            *p++ = static_cast<char>(word.size());
        } else {
            *p++ = static_cast<char>(255);
            const std::uint64_t size = word.size();
            std::memcpy(p, &size, 8);
            p += 8;
        }
        for (std::size_t i = 0; i < word.size(); i += 16) std::memcpy(p + i, word.data() + i, 16);
        std::memset(p + word.size(), 0, 16);  // what is loaded past the last word
        text_.grow_by(static_cast<std::size_t>(p - start) + word.size());
        ++size_;
    }
    std::size_t size() const { return size_; }

    // Calls visit(i, at, word) for every word from block first on, with its
    // index and offset, in input order, while visit returns true.
    template <class Visit>
    void each(Visit visit, std::size_t first = 0) const {
        std::size_t at = first < block_starts_.size() ? block_starts_[first] : 0;
        for (std::size_t i = first * block_size; i < size_; ++i) {
            const std::string_view w = word(at);
            if (!visit(i, at, w)) return;
            at = static_cast<std::size_t>(w.data() + w.size() - text_.data());
        }
    }

    std::string_view word(std::size_t at) const {
        const char* p = text_.data() + at;
        std::uint64_t size = static_cast<unsigned char>(*p++);
        if (size == 255) {
            std::memcpy(&size, p, 8);
            p += 8;
        }
        return std::string_view(p, static_cast<std::size_t>(size));
    }

private:
    Block<char> text_;
    std::size_t size_ = 0;
    std::vector<std::size_t> block_starts_;
};

// The words as they are read, with what finding the middle key needs: the
// number of leading bytes that all of them share (folded), each word's key,
// its four folded bytes right after those (see key_of), and how many keys
// begin with each pair of bytes (a bucket).
// Ordering two words whose keys differ needs nothing else. The shared bytes
// can only become fewer; the words read before they last did have their key
// taken further on, and have it put right at the end.
class Words {
public:
    void add(std::string_view word) {
        words_.add(word);
        if (words_.size() == 1) {
            first_.assign(word.size() + 16, '\0');
            for (std::size_t i = 0; i < word.size(); ++i) {
                first_[i] = static_cast<char>(fold_byte(static_cast<unsigned char>(word[i])));
            }
            shared_ = word.size();
        } else if (shared_ > 0) {
            const std::size_t now = common_prefix(word, shared_);
            if (now < shared_) {
                shared_ = now;
                settled_from_ = words_.size() - 1;
            }
        }
        const std::uint32_t key = key_of(word);
        *keys_.room(1) = key;
        keys_.grow_by(1);
        ++bucket_sizes_[key >> 16];
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
    std::string_view middle_word(std::size_t middle) {
        std::uint32_t* const keys = keys_.data();
        const std::size_t count = words_.size();
        if (settled_from_ > 0) {
            words_.each([&](std::size_t i, std::size_t, std::string_view w) {
                --bucket_sizes_[keys[i] >> 16];
                keys[i] = key_of(w);
                ++bucket_sizes_[keys[i] >> 16];
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
        std::vector<std::size_t> in_bucket;
        std::vector<std::size_t> smaller_before;
        in_bucket.reserve(bucket_sizes_[bucket]);
        smaller_before.reserve(bucket_sizes_[bucket]);
        std::size_t smaller = 0;
        for (std::size_t i = 0; i < count; ++i) {
            const std::uint32_t b = keys[i] >> 16;
            if (b == bucket) {
                in_bucket.push_back(i);
                smaller_before.push_back(smaller);
                smaller = 0;
            }
            smaller += b < bucket ? 1 : 0;
        }

        // K among them, by the keys, then eight bytes at a time: keep the
        // words whose bytes are those of that rank among them, until they end
        // the words. A word dropped on the way is ordered to K by those
        // bytes. Words that go on past their key are looked up.
        std::vector<int> order(in_bucket.size());     // each word's in the bucket to K
        std::vector<std::size_t> left(in_bucket.size());  // the words kept (index in in_bucket)
        std::vector<std::uint64_t> round_keys(in_bucket.size());
        for (std::size_t j = 0; j < left.size(); ++j) {
            left[j] = j;
            round_keys[j] = keys[in_bucket[j]];
        }
        std::vector<std::size_t> offsets;  // of the words kept, once looked up
        std::vector<std::uint64_t> sorted;
        for (std::size_t from = shared_;; from += from == shared_ ? 4 : 8) {
            if (from > shared_) {
                if (offsets.empty()) {
                    std::vector<std::size_t> indices;
                    for (std::size_t j : left) indices.push_back(in_bucket[j]);
                    offsets = offsets_of(indices);
                }
                for (std::size_t l = 0; l < left.size(); ++l) round_keys[l] = key_at(words_.word(offsets[l]), from);
            }
            std::uint64_t key = round_keys[0];
            if (std::any_of(round_keys.begin(), round_keys.begin() + static_cast<std::ptrdiff_t>(left.size()),
                            [key](std::uint64_t k) { return k != key; })) {
                sorted.assign(round_keys.begin(), round_keys.begin() + static_cast<std::ptrdiff_t>(left.size()));
                std::nth_element(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(rank), sorted.end());
                key = sorted[rank];
            }
            std::size_t kept = 0;
            for (std::size_t l = 0; l < left.size(); ++l) {
                if (round_keys[l] == key) {
                    left[kept] = left[l];
                    if (!offsets.empty()) offsets[kept] = offsets[l];
                    ++kept;
                } else {
                    order[left[l]] = round_keys[l] < key ? -1 : 1;
                    if (round_keys[l] < key) --rank;
                }
            }
            left.resize(kept);
            if (!offsets.empty()) offsets.resize(kept);
            if ((key & 0xff) == 0) break;
        }
        const std::size_t with_k = left.size();

        // The queue, in a ring that holds every word with key K (by index):
        // turning it moves the front word to the back.
        std::vector<std::size_t> queue(with_k);
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
        for (std::size_t j = 0; j < in_bucket.size(); ++j) {
            turn(smaller_before[j]);
            if (order[j] < 0) {
                turn(1);
            } else if (order[j] == 0) {
                const std::size_t back = front + queued++;
                queue[back < with_k ? back : back - with_k] = in_bucket[j];
            }
        }
        turn(smaller);
        return words_.word(offsets_of({queue[(front + middle - below) % with_k]})[0]);
    }

private:
    // The number of leading bytes that word, folded, shares with the first
    // word, up to limit.
    std::size_t common_prefix(std::string_view word, std::size_t limit) const {
        const std::size_t length = std::min(word.size(), limit);
        for (std::size_t i = 0;; i += 8) {
            std::uint64_t x, y;
            std::memcpy(&x, word.data() + i, 8);
            std::memcpy(&y, first_.data() + i, 8);
            x = fold_bytes(x);
            if (x != y) {
                // The first differing byte is the lowest in memory.
                const int bit = std::endian::native == std::endian::little ? std::countr_zero(x ^ y)
                                                                           : std::countl_zero(x ^ y);
                return std::min(i + static_cast<std::size_t>(bit / 8), length);
            }
            if (length - i <= 8) return length;
        }
    }
    // A word's key: its four folded bytes after the shared ones, as a
    // big-endian integer (0 past its end).
    std::uint32_t key_of(std::string_view word) const {
        return static_cast<std::uint32_t>(key_at(word, shared_) >> 32);
    }
    // The offsets of the words with these indices (ascending), walking only
    // the blocks that hold them.
    std::vector<std::size_t> offsets_of(const std::vector<std::size_t>& indices) const {
        std::vector<std::size_t> offsets;
        std::size_t next = 0;
        while (next < indices.size()) {
            const std::size_t block = indices[next] / WordList::block_size;
            words_.each([&](std::size_t i, std::size_t at, std::string_view) {
                if (i == indices[next]) {
                    offsets.push_back(at);
                    ++next;
                }
                return next < indices.size() && indices[next] / WordList::block_size == block;
            }, block);
        }
        return offsets;
    }

    WordList words_;
    std::string first_;         // the first word, folded, with 16 zero bytes after it
    std::size_t shared_ = 0;    // leading bytes that every word shares with it, folded
    std::size_t settled_from_ = 0;  // the words from here on have their key right
    Block<std::uint32_t> keys_;     // by word
    std::vector<std::uint32_t> bucket_sizes_ = std::vector<std::uint32_t>(std::size_t{1} << 16);
};

}  // namespace

int main(int argc, char** argv) {
    support::Program program("centrelex", argc, argv, help);
    const int word_count = program.read_int("word count");
    if (word_count < 1) {
        program.fail("word count: expected a count of 1 or more, found " +
                     std::to_string(word_count));
    }
    Words words;
    std::string_view word;
    for (int i = 0; i < word_count; ++i) {
        // A word ends at its first NUL byte, as a C string does.
        program.read_c_string(word, "word", i + 1LL, word_count);
        words.add(word);
    }
    const int middle = (word_count & 1) ? word_count / 2 : word_count / 2 - 1;
    program.out.put(words.middle_word(static_cast<std::size_t>(middle)));
    return program.finish();
}
