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
#include <deque>
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

// A growing array of trivially copyable values kept by realloc, which moves
// a large block by remapping its pages rather than copying them, so that
// growing touches no more memory than the values take.
template <class T>
class Growing {
public:
    Growing() = default;
    Growing(const Growing&) = delete;
    Growing& operator=(const Growing&) = delete;
    ~Growing() { std::free(data_); }

    void append(const T* values, std::size_t count) {
        if (count == 0) return;  // an empty word; memcpy takes no null pointer
        if (capacity_ - size_ < count) {
            std::size_t capacity = std::max({capacity_ * 2, size_ + count, std::size_t{4096}});
            void* grown = std::realloc(data_, capacity * sizeof(T));
            if (grown == nullptr) throw std::bad_alloc();
            data_ = static_cast<T*>(grown);
            capacity_ = capacity;
        }
        std::memcpy(data_ + size_, values, count * sizeof(T));
        size_ += count;
    }
    void push_back(T value) { append(&value, 1); }
    const T* data() const { return data_; }
    std::size_t size() const { return size_; }
    const T& operator[](std::size_t i) const { return data_[i]; }

private:
    T* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

// The words, packed one after another, with eight zero bytes after the last
// so that eight bytes can be loaded from anywhere inside a word.
struct WordList {
    Growing<char> text;
    Growing<std::size_t> starts;  // word i is text[starts[i], starts[i + 1]), from 0

    WordList() { starts.push_back(0); }
    void add(std::string_view word) {
        text.append(word.data(), word.size());
        starts.push_back(text.size());
    }
    std::size_t size() const { return starts.size() - 1; }
    std::string_view word(std::size_t i) const {
        return std::string_view(text.data() + starts[i], starts[i + 1] - starts[i]);
    }
    void finish() {
        static constexpr char padding[8] = {};
        text.append(padding, 8);
    }

    // Bytes 8 * index to 8 * index + 7 of word i (at most its length plus
    // one, in chunks), folded, as a big-endian integer padded with zeros.
    // Comparing words chunk by chunk as unsigned integers orders them as
    // strcasecmp does in the default locale (byte by byte after folding, as
    // unsigned values, a prefix before a longer word), since words hold no
    // NUL; the chunk that holds a zero byte is a word's last.
    std::uint64_t chunk(std::size_t i, std::size_t index) const {
        const std::size_t start = starts[i] + 8 * index;
        const std::size_t left = starts[i + 1] - start;
        std::uint64_t bytes;
        std::memcpy(&bytes, text.data() + start, 8);
        if constexpr (std::endian::native == std::endian::little) {
            if (left < 8) bytes &= (std::uint64_t{1} << (8 * left)) - 1;
            bytes = byte_swap(bytes);
        } else {
            if (left < 8) bytes &= ~(~std::uint64_t{0} >> (8 * left));
        }
        return fold_bytes(bytes);
    }
    std::size_t chunk_count(std::size_t i) const { return (starts[i + 1] - starts[i]) / 8 + 1; }

    static std::uint64_t byte_swap(std::uint64_t x) {
#if defined(__GNUC__)
        return __builtin_bswap64(x);
#else
        std::uint64_t swapped = 0;
        for (int b = 0; b < 8; ++b, x >>= 8) swapped = swapped << 8 | (x & 0xff);
        return swapped;
#endif
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
    // Selection of the key K of rank middle, one chunk at a time: keep the
    // words whose chunk is the one of that rank among them, until that chunk
    // ends the words. A round counts the chunks by their top 16 bits and
    // selects only within the bucket that holds the rank; a round where all
    // the words left share the chunk (a common prefix) selects nothing. Each
    // round costs one or two passes over the words left, whatever their
    // prefixes. The first chunks are kept, as most words differ there.
    std::vector<std::uint64_t> heads(words.size());
    std::vector<std::uint32_t> ids;  // the words left; all of them while empty
    std::vector<std::size_t> bucket_sizes(std::size_t{1} << 16);
    std::vector<std::pair<std::uint64_t, std::uint32_t>> bucket_keys;
    std::size_t rank = middle;
    std::size_t shared = 0;  // chunks that every word shares with K
    for (std::size_t depth = 0;; ++depth) {
        const bool all = ids.empty();
        auto key_of = [&](std::size_t i) {
            return depth == 0 ? heads[i] : words.chunk(i, depth);
        };
        std::fill(bucket_sizes.begin(), bucket_sizes.end(), 0);
        std::uint64_t low = ~std::uint64_t{0}, high = 0;
        auto count = [&](std::uint64_t key) {
            ++bucket_sizes[key >> 48];
            low = std::min(low, key);
            high = std::max(high, key);
        };
        // Calls visit(i) for every word left.
        auto each_left = [&](auto visit) {
            if (all) {
                for (std::size_t i = 0; i < words.size(); ++i) visit(i);
            } else {
                for (std::uint32_t id : ids) visit(id);
            }
        };
        if (depth == 0) {
            for (std::size_t i = 0; i < words.size(); ++i) heads[i] = words.chunk(i, 0);
        }
        each_left([&](std::size_t i) { count(key_of(i)); });
        std::uint64_t target = low;
        if (low == high) {
            if (all) shared = depth + 1;
        } else {
            std::size_t bucket = 0;
            while (bucket_sizes[bucket] <= rank) rank -= bucket_sizes[bucket++];
            bucket_keys.clear();
            each_left([&](std::size_t i) {
                const std::uint64_t key = key_of(i);
                if (key >> 48 == bucket) bucket_keys.emplace_back(key, static_cast<std::uint32_t>(i));
            });
            auto kth = bucket_keys.begin() + static_cast<std::ptrdiff_t>(rank);
            std::nth_element(bucket_keys.begin(), kth, bucket_keys.end());
            target = kth->first;
            ids.clear();
            for (const auto& [key, id] : bucket_keys) {
                if (key < target) --rank;
                if (key == target) ids.push_back(id);
            }
        }
        if ((target & 0xff) == 0) break;
    }
    const std::size_t k = ids.empty() ? 0 : ids.front();
    std::vector<std::uint64_t> k_chunks(words.chunk_count(k));
    for (std::size_t c = 0; c < k_chunks.size(); ++c) k_chunks[c] = words.chunk(k, c);
    // strcasecmp's order of word i to K, from the first chunk not shared by all.
    auto order_to_k = [&](std::size_t i) {
        const std::size_t chunks = std::min(words.chunk_count(i), k_chunks.size());
        for (std::size_t c = shared; c < chunks; ++c) {
            const std::uint64_t x = c == 0 ? heads[i] : words.chunk(i, c);
            if (x != k_chunks[c]) return x < k_chunks[c] ? -1 : 1;
        }
        return 0;  // the same chunks up to a zero byte: the same folded word
    };

    std::deque<std::size_t> queue;
    std::size_t below = 0;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const int order = order_to_k(i);
        if (order == 0) {
            queue.push_back(i);
        } else if (order < 0) {
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
    std::string_view word;
    for (int i = 0; i < word_count; ++i) {
        program.read_word(word, "word", i + 1LL, word_count);
        // A word ends at a NUL byte, as a C string does.
        words.add(word.substr(0, word.find('\0')));
    }
    words.finish();
    const int middle = (word_count & 1) ? word_count / 2 : word_count / 2 - 1;
    program.out.put(middle_word(words, static_cast<std::size_t>(middle)));
    return program.finish();
}
