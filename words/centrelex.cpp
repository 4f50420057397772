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
#include <memory>
#include <new>
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

// Bytes in a growing block kept by realloc, which moves a large block by
// remapping its pages rather than copying them, so that growing touches no
// more memory than the bytes take.
class Bytes {
public:
    Bytes() = default;
    Bytes(const Bytes&) = delete;
    Bytes& operator=(const Bytes&) = delete;
    ~Bytes() { std::free(data_); }

    void append(const char* bytes, std::size_t count) {
        if (count == 0) return;  // an empty word; memcpy takes no null pointer
        if (capacity_ - size_ < count) grow(count);
        std::memcpy(data_ + size_, bytes, count);
        size_ += count;
    }
    // Appends a word of count bytes that has 16 readable bytes after it: a
    // short one is copied in one 16-byte piece, without a branch on its
    // length (what lands after it is overwritten or never read).
    void append_word(const char* bytes, std::size_t count) {
        if (capacity_ - size_ < count + 16) grow(count + 16);
        std::memcpy(data_ + size_, bytes, 16);
        if (count > 16) std::memcpy(data_ + size_, bytes, count);
        size_ += count;
    }
    void push_back(char byte) { append(&byte, 1); }
    const char* data() const { return data_; }

private:
    // Room for at least count more bytes.
    void grow(std::size_t count) {
        const std::size_t capacity = std::max({capacity_ * 2, size_ + count, std::size_t{4096}});
        void* grown = std::realloc(data_, capacity);
        if (grown == nullptr) throw std::bad_alloc();
        data_ = static_cast<char*>(grown);
        capacity_ = capacity;
    }

    char* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

// The words, packed one after another, each after its length (one byte
// below 255, otherwise 255 and eight bytes), with eight zero bytes after the
// last so that eight bytes can be loaded from anywhere inside a word. A word
// is known by the offset of its length; the list is walked in input order.
// Words are added with 16 readable bytes after them (as the reader leaves them).
class WordList {
public:
    void add(std::string_view word) {
        if (word.size() < 255) {
            text_.push_back(static_cast<char>(word.size()));
        } else {
            text_.push_back(static_cast<char>(255));
            const std::uint64_t size = word.size();
            char bytes[8];
            std::memcpy(bytes, &size, 8);
            text_.append(bytes, 8);
        }
        text_.append_word(word.data(), word.size());
        ++size_;
    }
    void finish() {
        static constexpr char padding[8] = {};
        text_.append(padding, 8);
    }
    std::size_t size() const { return size_; }

    // Calls visit(at) with the offset of every word, in input order.
    template <class Visit>
    void each(Visit visit) const {
        for (std::size_t at = 0, i = 0; i < size_; ++i) {
            visit(at);
            const std::string_view w = word(at);
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

    // Bytes 8 * index to 8 * index + 7 of a word (at most its length plus
    // one, in chunks), folded, as a big-endian integer padded with zeros.
    // Comparing words chunk by chunk as unsigned integers orders them as
    // strcasecmp does in the default locale (byte by byte after folding, as
    // unsigned values, a prefix before a longer word), since words hold no
    // NUL; the chunk that holds a zero byte is a word's last.
    static std::uint64_t chunk(std::string_view w, std::size_t index) {
        const std::size_t left = w.size() - 8 * index;
        std::uint64_t bytes;
        std::memcpy(&bytes, w.data() + 8 * index, 8);
        if constexpr (std::endian::native == std::endian::little) {
            if (left < 8) bytes &= (std::uint64_t{1} << (8 * left)) - 1;
            bytes = byte_swap(bytes);
        } else {
            if (left < 8) bytes &= ~(~std::uint64_t{0} >> (8 * left));
        }
        return fold_bytes(bytes);
    }
    static std::size_t chunk_count(std::string_view w) { return w.size() / 8 + 1; }

private:
    static std::uint64_t byte_swap(std::uint64_t x) {
#if defined(__GNUC__)
        return __builtin_bswap64(x);
#else
        std::uint64_t swapped = 0;
        for (int b = 0; b < 8; ++b, x >>= 8) swapped = swapped << 8 | (x & 0xff);
        return swapped;
#endif
    }

    Bytes text_;
    std::size_t size_ = 0;
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
    // Selection of the key K of rank middle, one chunk at a time: keep the
    // words whose chunk is the one of that rank among them, until that chunk
    // ends the words. While every word is left (their earlier chunks are
    // shared), the round's chunks are kept in `chunks`, by input position;
    // afterwards the few words left compute theirs as needed. A round first
    // takes the least and the greatest chunk: when they are equal (a prefix
    // shared by all), the round selects nothing. Otherwise it counts the
    // chunks by the 16 bits below those that all of them share, and selects
    // only within the bucket that holds the rank.
    const auto chunks = std::make_unique_for_overwrite<std::uint64_t[]>(words.size());
    std::size_t chunks_depth = 0;  // the index of the chunks kept
    std::vector<std::size_t> left;  // the words left (offsets); all of them while empty
    std::vector<std::uint32_t> bucket_sizes(std::size_t{1} << 16);
    std::vector<std::uint64_t> bucket_keys;
    std::size_t rank = middle;
    std::size_t shared = 0;  // chunks that every word shares with K
    for (std::size_t depth = 0;; ++depth) {
        const bool all = left.empty();
        // Calls visit(at, chunk) for every word left.
        auto each_left = [&](auto visit) {
            if (all) {
                std::size_t i = 0;
                words.each([&](std::size_t at) { visit(at, chunks[i++]); });
            } else {
                for (std::size_t at : left) visit(at, WordList::chunk(words.word(at), depth));
            }
        };
        std::uint64_t low = ~std::uint64_t{0}, high = 0;
        auto take = [&](std::uint64_t key) {
            low = std::min(low, key);
            high = std::max(high, key);
            return key;
        };
        if (all) {
            std::size_t i = 0;
            words.each([&](std::size_t at) { chunks[i++] = take(WordList::chunk(words.word(at), depth)); });
            chunks_depth = depth;
        } else {
            each_left([&](std::size_t, std::uint64_t key) { take(key); });
        }
        std::uint64_t target = low;
        if (low == high) {
            if (all) shared = depth + 1;
        } else {
            // Every chunk lies in [low, high], which the bits above
            // bit_width(low ^ high) do not tell apart.
            const int shift = std::max(0, static_cast<int>(std::bit_width(low ^ high)) - 16);
            // Below 2^16, as key - low < 2^bit_width(low ^ high).
            auto bucket_of = [&](std::uint64_t key) { return static_cast<std::size_t>((key - low) >> shift); };
            std::fill(bucket_sizes.begin(), bucket_sizes.end(), 0);
            each_left([&](std::size_t, std::uint64_t key) { ++bucket_sizes[bucket_of(key)]; });
            std::size_t bucket = 0;
            while (bucket_sizes[bucket] <= rank) rank -= bucket_sizes[bucket++];
            bucket_keys.clear();
            each_left([&](std::size_t, std::uint64_t key) {
                if (bucket_of(key) == bucket) bucket_keys.push_back(key);
            });
            auto kth = bucket_keys.begin() + static_cast<std::ptrdiff_t>(rank);
            std::nth_element(bucket_keys.begin(), kth, bucket_keys.end());
            target = *kth;
            std::vector<std::size_t> kept;
            each_left([&](std::size_t at, std::uint64_t key) {
                if (bucket_of(key) != bucket) return;
                if (key < target) --rank;
                if (key == target) kept.push_back(at);
            });
            left = std::move(kept);
        }
        if ((target & 0xff) == 0) break;
    }
    const std::string_view k = words.word(left.empty() ? 0 : left.front());
    std::vector<std::uint64_t> k_chunks(WordList::chunk_count(k));
    for (std::size_t c = 0; c < k_chunks.size(); ++c) k_chunks[c] = WordList::chunk(k, c);
    // strcasecmp's order of word i (at offset at) to K, from the first chunk
    // not shared by all.
    auto order_to_k = [&](std::size_t i, std::size_t at) {
        const std::string_view w = words.word(at);
        const std::size_t count = std::min(WordList::chunk_count(w), k_chunks.size());
        for (std::size_t c = shared; c < count; ++c) {
            const std::uint64_t x = c == chunks_depth ? chunks[i] : WordList::chunk(w, c);
            if (x != k_chunks[c]) return x < k_chunks[c] ? -1 : 1;
        }
        return 0;  // the same chunks up to a zero byte: the same folded word
    };

    // The queue of words with key K, in a ring that holds them all (the
    // words left, or every word): turning it moves the front word to the
    // back.
    const std::size_t with_k = left.empty() ? words.size() : left.size();
    std::vector<std::size_t> queue(with_k);
    std::size_t front = 0, queued = 0, below = 0, i = 0;
    words.each([&](std::size_t at) {
        const int order = order_to_k(i++, at);
        if (order == 0) {
            queue[(front + queued++) % with_k] = at;
        } else if (order < 0) {
            ++below;
            if (queued > 0) {
                queue[(front + queued) % with_k] = queue[front];
                front = (front + 1) % with_k;
            }
        }
    });
    return words.word(queue[(front + middle - below) % with_k]);
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
    std::string_view word;
    for (int i = 0; i < word_count; ++i) {
        // A word ends at its first NUL byte, as a C string does.
        program.read_c_string(word, "word", i + 1LL, word_count);
        words.add(word);
    }
    words.finish();
    const int middle = (word_count & 1) ? word_count / 2 : word_count / 2 - 1;
    program.out.put(middle_word(words, static_cast<std::size_t>(middle)));
    return program.finish();
}
