// Show that what the word programs do to bytes (words/words.hpp) agrees
// with the byte-at-a-time rules it stands for on this CPU, whatever its byte
// order, reads no byte it was not promised, and notices a mapped input that
// changed between two readings.
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "reader.hpp"
#include "words.hpp"

namespace {

// The byte-at-a-time rules: C-locale tolower, and big-endian chunks of a
// word's bytes from `from`, zeros past its end.
std::uint64_t chunk_by_bytes(std::string_view w, std::size_t from, bool folded) {
    std::uint64_t value = 0;
    for (std::size_t i = from; i < from + 8; ++i) {
        const unsigned c = i < w.size() ? static_cast<unsigned char>(w[i]) : 0u;
        value = value << 8 | (folded && c < 0x80 ? static_cast<unsigned>(std::tolower(static_cast<int>(c))) : c);
    }
    return value;
}

TEST(WordBytes, FoldingIsTolowerInEveryLane) {
    for (unsigned c = 0; c < 256; ++c) {
        for (unsigned lane = 0; lane < 8; ++lane) {
            // The byte in one lane, its neighbours 'Z' + 1 and '@', which
            // lie just outside the letters and would catch a carry.
            unsigned char bytes[8];
            std::memset(bytes, lane % 2 ? '[' : '@', 8);
            bytes[lane] = static_cast<unsigned char>(c);
            std::uint64_t x;
            std::memcpy(&x, bytes, 8);
            const std::uint64_t folded = words::fold_bytes(x);
            unsigned char out[8];
            std::memcpy(out, &folded, 8);
            for (unsigned k = 0; k < 8; ++k) {
                const int expected = bytes[k] < 0x80 ? std::tolower(bytes[k]) : bytes[k];
                ASSERT_EQ(out[k], expected) << "byte " << c << " in lane " << lane << ", at " << k;
            }
        }
    }
}

// Words of every length from 0 to 17 whose eight bytes after them are the
// last readable ones (a page that cannot be read follows), so that a load
// past what the functions promise to need faults.
class GuardedWords {
public:
    GuardedWords() {
        page_ = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
        void* const space = ::mmap(nullptr, 2 * page_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (space == MAP_FAILED) return;
        base_ = static_cast<char*>(space);
        if (::mprotect(base_ + page_, page_, PROT_NONE) != 0) base_ = nullptr;
    }
    ~GuardedWords() {
        if (base_ != nullptr) ::munmap(base_, 2 * page_);
    }
    bool ready() const { return base_ != nullptr; }
    // text, placed to end eight bytes before the guard page, with zeros after.
    std::string_view place(std::string_view text) {
        char* const start = base_ + page_ - 8 - text.size();
        std::memset(start - 8, 'Z', 8);
        std::memcpy(start, text.data(), text.size());
        std::memset(start + text.size(), 0, 8);
        return {start, text.size()};
    }

private:
    std::size_t page_ = 0;
    char* base_ = nullptr;
};

TEST(WordBytes, ChunksAndCommonPrefixesAtEveryLengthBeforeAGuardPage) {
    GuardedWords guarded;
    ASSERT_TRUE(guarded.ready());
    GuardedWords other;
    ASSERT_TRUE(other.ready());
    const std::string letters = "aBcDeFgHiJkLmNoPqR\x80\xff";
    for (std::size_t length = 0; length <= 17; ++length) {
        const std::string text = letters.substr(letters.size() - 20 + 2, length);
        const std::string_view w = guarded.place(text);
        for (std::size_t from = 0; from <= length + 9; ++from) {
            // A `from` past the end counts as the end.
            const std::size_t at = std::min(from, length);
            ASSERT_EQ(words::bytes_at(w, from), chunk_by_bytes(text, at, false)) << length << " from " << from;
            ASSERT_EQ(words::key_at(w, from), chunk_by_bytes(text, at, true)) << length << " from " << from;
        }
        // Against every prefix of the word, changed at each byte in turn
        // (in case only, for the folded comparison).
        for (std::size_t other_length = 0; other_length <= 17; ++other_length) {
            for (std::size_t changed = 0; changed <= other_length; ++changed) {
                std::string b = letters.substr(letters.size() - 20 + 2, other_length);
                std::size_t expected = std::min(length, other_length), folded_expected = expected;
                if (changed < other_length) {
                    b[changed] = static_cast<char>(b[changed] ^ 0x20);  // the other case, or another byte
                    if (changed < expected) expected = changed;
                    const bool letter = std::isalpha(static_cast<unsigned char>(b[changed])) != 0;
                    if (!letter && changed < folded_expected) folded_expected = changed;
                }
                const std::string_view v = other.place(b);
                ASSERT_EQ(words::common_prefix(w, v), expected) << text << " and " << b;
                ASSERT_EQ(words::common_prefix<true>(w, v), folded_expected) << text << " and " << b;
            }
        }
    }
}

// The front-coded list gives back the words it was given, with lengths at
// the bounds of its one-byte and base-128 sizes, whether or not it is
// indexed, from any block.
TEST(WordBytes, FrontCodedWordsRoundTrip) {
    for (const std::size_t size : {0u, 1u, 14u, 15u, 16u, 127u, 128u, 129u, 16383u, 16384u, 1u << 21}) {
        for (const bool indexed : {false, true}) {
            SCOPED_TRACE(std::to_string(size) + (indexed ? " indexed" : ""));
            // Words of that size that share all, part or none of their
            // bytes with the one before, and short words between them.
            std::vector<std::string> added;
            std::string long_word(size, 'q');
            for (int i = 0; i < 70; ++i) {
                if (i % 3 == 2 && size > 0) long_word[(static_cast<std::size_t>(i) * 7919) % size] ^= 1;
                added.push_back(i % 5 == 4 ? std::string(static_cast<std::size_t>(i % 17), 'a') : long_word);
            }
            words::FrontCodedWords list(indexed);
            for (const std::string& w : added) {
                std::string padded = w + std::string(16, '\0');
                list.add(std::string_view(padded.data(), w.size()));
            }
            ASSERT_EQ(list.size(), added.size());
            for (const std::size_t first : indexed ? std::vector<std::size_t>{0, 1, 2} : std::vector<std::size_t>{0}) {
                std::size_t next = first * words::FrontCodedWords::block_size;
                EXPECT_TRUE(list.each(
                    [&](std::size_t i, std::string_view w) {
                        EXPECT_EQ(i, next);
                        EXPECT_TRUE(w == added[next]) << "word " << next;
                        ++next;
                        return true;
                    },
                    first));
                EXPECT_EQ(next, added.size());
            }
        }
    }
}

// Token starts counted eight and sixteen bytes at a time agree with the
// reader's whitespace, for every byte, at every alignment.
TEST(WordBytes, TokenStartsFollowTheReadersWhitespace) {
    for (unsigned c = 0; c < 256; ++c) {
        for (std::size_t at = 0; at < 24; ++at) {
            // "x" words apart by one space, with byte c at `at`.
            std::string text;
            for (std::size_t i = 0; i < 40; ++i) text += i % 2 ? ' ' : 'x';
            text[at] = static_cast<char>(c);
            text += std::string(8, '\0');
            const std::string_view view(text.data(), 40);
            std::vector<const char*> starts;
            bool after_space = true;
            for (const char& b : view) {
                const bool space = support::is_space(static_cast<unsigned char>(b));
                if (!space && after_space) starts.push_back(&b);
                after_space = space;
            }
            for (std::size_t n = 1; n <= starts.size() + 1; ++n) {
                const char* const expected = n <= starts.size() ? starts[n - 1] : nullptr;
                ASSERT_EQ(words::token_start(view, n), expected) << "byte " << c << " at " << at << ", token " << n;
            }
        }
    }
}

// The value of a rank, guessed from a sample then selected on one side,
// is the one sorting gives: few distinct values (the guess is right), many
// (it misses on either side), and every rank of short lists.
TEST(WordBytes, ValueOfRankIsTheSortedOne) {
    std::mt19937_64 rng(35);
    for (const std::size_t distinct : {1u, 2u, 3u, 50u, 1000000u}) {
        for (const std::size_t count : {1u, 2u, 7u, 254u, 255u, 256u, 3000u}) {
            std::vector<std::uint64_t> values(count);
            for (auto& v : values) v = rng() % distinct * 0x0101010101010101u;
            std::vector<std::uint64_t> sorted = values;
            std::sort(sorted.begin(), sorted.end());
            for (std::size_t rank = 0; rank<count; rank += count> 300 ? 97 : 1) {
                support::Block<std::uint64_t> side;
                std::uint64_t counted = 0;
                const std::uint64_t got = words::value_of_rank(
                    values.data(), count, rank,
                    [&](std::uint64_t v) {
                        counted = v;
                        const auto below = static_cast<std::size_t>(
                            std::count_if(values.begin(), values.end(), [v](std::uint64_t x) { return x < v; }));
                        return std::pair{below, static_cast<std::size_t>(std::count(values.begin(), values.end(), v))};
                    },
                    side);
                ASSERT_EQ(got, sorted[rank]) << count << " values, rank " << rank;
                ASSERT_EQ(counted, got) << "the answer is counted last";
            }
        }
    }
}

// A mapped input, as the reader leaves it: the text, then slack.
struct Input {
    std::string bytes;
    explicit Input(std::string_view text) : bytes(std::string(text) + std::string(16, '\0')) {}
    const char* end() const { return bytes.data() + bytes.size() - 16; }
};

// The words of input read as a word program reads them the first time.
void read_into(words::WordsInPlace& list, const Input& input) {
    support::Reader reader(input.bytes.data(), input.bytes.size() - 16);
    std::string_view w;
    const char* end = reader.position();
    for (;;) {
        const char* const from = reader.position();
        if (reader.read_c_string(w) != support::Status::ok) break;
        list.add(w, from);
        end = reader.position();
    }
    list.end_at(end);
}

// The words of a mapped input are read again in blocks; a block whose words
// changed in length, number or place since they were first read, or that
// ends elsewhere, is noticed, whatever the new bytes are, and nothing past
// the input is read (the sanitizers would see it).
TEST(WordBytes, WordsReadAgainAreCheckedAgainstTheFirstReading) {
    // "\na bb ccc dddd eeeee\nf gg ...": 70 words, three blocks.
    std::string text;
    for (std::size_t i = 0; i < 70; ++i) {
        text += i % 7 == 0 ? '\n' : ' ';
        text.append(1 + i % 5, static_cast<char>('a' + i % 26));
    }
    text += "\n";
    const std::string zeros(40, '\0');
    // Each change keeps the size of the input, as a rewrite in place does.
    struct Change {
        const char* name;
        std::size_t at;
        std::string_view bytes;
        bool noticed;
    };
    const std::vector<Change> changes = {
        {"none", 0, "", false},
        {"the same bytes rewritten", 1, "a bb ", false},
        {"a word moves within the whitespace around it", 0, "a\n", false},
        {"a word's letters changed in place", 3, "zz", false},  // the caller checks the bytes
        {"a word grows into the space after it", 3, "bbb", true},
        {"a word shrinks", 4, " ", true},
        {"a word vanishes", 3, "  ", true},
        {"whitespace shifted between two words", 3, "bbb cc", true},
        {"a NUL cuts a word short", 4, std::string_view("\0", 1), true},
        {"a word of the last block shrinks", text.size() - 3, "  ", true},
        {"zeros past a truncation within the last page", text.size() - zeros.size(), zeros, true},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.name);
        Input input(text);
        words::WordsInPlace list(input.end());
        read_into(list, input);
        ASSERT_EQ(list.size(), 70u);
        input.bytes.replace(change.at, change.bytes.size(), change.bytes);
        std::size_t seen = 0;
        const bool same = list.each([&](std::size_t i, std::string_view w) {
            EXPECT_EQ(i, seen);
            EXPECT_LE(w.data() + w.size(), input.end());
            ++seen;
            return true;
        });
        EXPECT_EQ(same, !change.noticed);
        if (!change.noticed) {
            EXPECT_EQ(seen, 70u);  // else the walk ends with that block
        }
        // From the last block only, as the programs read again the blocks
        // they need: the same, for the changes there.
        if (change.at > text.size() - 20) {
            EXPECT_EQ(list.each([](std::size_t, std::string_view) { return true; }, 2), !change.noticed);
        }
    }
}

}  // namespace
