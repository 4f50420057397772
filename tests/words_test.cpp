// Show what the word programs print, byte for byte, and that the linear-time
// procedures agree with the exchange sorts they replace.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "harness.hpp"
#include "programs.hpp"
#include "reference/words.hpp"

namespace {

using minitools::expect_cases;
using minitools::run;

TEST(Centrelex, ExamplesAndEdgeCases) {
    // Lengths on either side of 255, and a word longer than a 64 KiB read.
    const std::string long_words = "5 " + std::string(255, 'a') + " " + std::string(70000, 'z') + " " +
                                   std::string(254, 'a') + " b " + std::string(256, 'a');
    const std::string middle_of_long_words(256, 'a');
    expect_cases("centrelex", {
                                  {"words of 254 to 70000 bytes", long_words, middle_of_long_words},
                                  {"unstable sort keeps B in the middle", "3\nb B a", "B"},
                                  {"case variants reordered by exchanges", "5 Bb bB BB a bb", "BB"},
                                  {"even count prints the lower middle", "4\nDog cat Ant bee", "bee"},
                                  {"punctuation 91 to 96 sorts before letters", "3 _x apple Zed", "apple"},
                                  {"one word", "1 Hello", "Hello"},
                                  {"byte 0x1a inside a word, carriage returns between", "3\r\nb\x1a\r\na c", "b\x1a"},
                                  {"two equal words: the first stays", "2 abc ABC", "abc"},
                                  {"two words: the smaller", "2 zeta Alpha", "Alpha"},
                                  {"bytes above 127 sort after letters", "3 \xc3\xa9t\xc3\xa9 zoo Ab", "zoo"},
                                  {"words longer than a slot",
                                   "3 cccccccccccccccccccccccccccccc aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa "
                                   "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb",
                                   "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb"},
                                  {"a word ends at a NUL byte", std::string_view("1 ab\0cd", 7), "ab"},
                                  {"a word that is only a NUL is empty", std::string_view("3 \0 b c", 7), "b"},
                                  {"equal in the first eight bytes",
                                   "5  abcdefgh ABCDEFGHy abcdefghyy abcdefghw abcdefghy", "ABCDEFGHy"},
                                  {"the same four bytes, the middle word ends there", "3 abcd abcdx ABCD", "ABCD"},
                                  {"the same four bytes, the middle word goes on", "3 Abcde abcd ABcd", "ABcd"},
                                  {"the same four bytes, four words", "4 abcdx ABCD abcd Abcdy", "abcd"},
                              });
}

TEST(Centrelex, BadInput) {
    expect_cases("centrelex",
                 {
                     {"no count", "", "", 1, "word count: expected an integer, found end of input"},
                     {"zero count", "0", "", 1, "expected a count of 1 or more, found 0"},
                     {"negative count", "-3 a b", "", 1, "count of 1 or more"},
                     {"fewer words than counted", "3 a b", "", 1, "word 3 of 3: expected a word, found end of input"},
                     {"huge count", "2000000000 a", "", 1, "word 2 of 2000000000"},
                 });
}

// Words drawn from a few letters in both cases, brackets and underscores
// (91 to 96), and bytes above 127, so that ties apart from case abound.
std::string random_word(std::mt19937& rng) {
    static const char alphabet[] = "aAbB_[`\xe9\xc9zZ";
    std::uniform_int_distribution<int> length(1, 3);
    std::uniform_int_distribution<std::size_t> pick(0, sizeof alphabet - 2);
    std::string word;
    for (int i = length(rng); i > 0; --i) word += alphabet[pick(rng)];
    return word;
}

TEST(Centrelex, AgreesWithTheExchangeSort) {
    std::mt19937 rng(2);
    for (int round = 0; round < 400 / minitools::sample_step; ++round) {
        // Lists of more than 32 words too (the program finds words by blocks
        // of 32).
        int count = std::uniform_int_distribution<int>(1, round % 4 == 0 ? 150 : 24)(rng);
        // Every 25th round, hundreds of words that share their first four
        // bytes up to case and go on past them (so that the middle word is
        // found among them eight bytes at a time, from a sample of them):
        // tails of random letters, or runs of one letter of random lengths
        // then mostly another letter, which many words share eight bytes at
        // a time, and some end with.
        const bool many = round % 25 == 24;
        if (many) count = std::uniform_int_distribution<int>(300, 1000)(rng);
        // Shared prefixes of lengths around the program's 8-byte chunks and its
        // one-byte and two-byte lengths (below 16, from 128),
        // in either case, so that words first differ at any byte; in every third
        // round one word late in the list goes without, so that the bytes all
        // words share become fewer after many were read.
        const std::size_t prefix_lengths[] = {0, 0, 7, 8, 9, 15, 16, 17, 24, 30, 127, 128, 129, 300};
        const std::size_t prefix = prefix_lengths[round % 14];
        const int without = round % 3 == 0 ? std::uniform_int_distribution<int>(count / 2, count - 1)(rng) : -1;
        std::vector<std::string> words;
        std::string input = std::to_string(count);
        for (int i = 0; i < count; ++i) {
            std::string word;
            for (std::size_t b = 0; i != without && b < prefix; ++b) word += "aA"[rng() % 2];
            if (many) {
                for (char c : std::string("abcd")) word += rng() % 2 ? c : static_cast<char>(c - 'a' + 'A');
                const int tail = std::uniform_int_distribution<int>(0, 30)(rng);
                for (int b = 0; b < tail; ++b) word += round % 50 == 24 ? "aAbB"[rng() % 4] : "aA"[rng() % 2];
                if (rng() % 4 != 0) word += "bcz"[rng() % 3];
            } else {
                word += random_word(rng);
            }
            words.push_back(word);
            input += (i % 5 == 4) ? '\n' : ' ';
            input += words.back();
        }
        SCOPED_TRACE(input);
        // From a file, which the program maps, and every other round from a
        // pipe, which it reads.
        auto r = run("centrelex", input, {.piped_stdin = round % 2 == 1, .sweep = true});
        ASSERT_EQ(r.out, reference::centrelex(words))
            << "status " << r.status << ", signal " << r.signal << ": " << r.err;
        ASSERT_EQ(r.status, 0);
    }
}

TEST(Slotlex, ExamplesAndEdgeCases) {
    // A NUL byte as the first byte of the second 64 KiB read ends its word.
    const std::string nul_at_read_boundary = "2 " + std::string(65534, 'a') + std::string("\0b z a", 6);
    expect_cases("slotlex", {
                                {"a NUL at the read boundary", nul_at_read_boundary, "1"},
                                {"upper case before lower case", "4\npear Apple fig apple\nbanana", "3"},
                                {"equal word counts as preceding", "3 b a c b", "3"},
                                {"query before every word", "2 b c a", "1"},
                                {"query after every word", "2 b c z", "3"},
                                {"no words", "0 x", "1"},
                                {"apple and Banana, query banana", "2 apple Banana banana", "3"},
                                {"apple and Banana, query Apple", "2 apple Banana Apple", "1"},
                                {"several equal words", "4 m m m a m", "5"},
                                {"prefix is smaller", "2 ab abc ab", "2"},
                                {"long words and query",
                                 "2 xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx y "
                                 "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxz",
                                 "2"},
                                {"bytes above 127 compare unsigned", "2 \xff a b", "2"},
                                {"every kind of whitespace, and bytes that only look like it",
                                 "5\t\x89"
                                 "a \xa0"
                                 "b\x0e"
                                 "c\r\n\x08"
                                 "d\f\vzz\t \x1fq  \xa0"
                                 "b\x0e"
                                 "c",
                                 "6"},
                                {"the query right after eight bytes", "1 abcdef q", "2"},
                            });
}

TEST(Slotlex, BadInput) {
    expect_cases("slotlex", {
                                {"no count", "x", "", 1, "word count: expected an integer, found 'x'"},
                                {"negative count", "-1 a", "", 1, "count of 0 or more"},
                                {"missing query", "2 a b", "", 1, "query: expected a word, found end of input"},
                                {"missing words", "3 a", "", 1, "word 2 of 3"},
                            });
}

TEST(Slotlex, AgreesWithTheSortAndScan) {
    std::mt19937 rng(3);
    // Words that share prefixes of every length with each other and with the
    // query (the program stores each word as what it does not share with the
    // one before, its lengths in one byte below 16 and in base 128 above),
    // some cut short by a NUL byte. Their last bytes include control bytes
    // and bytes above 127, often beside a word one byte shorter.
    static const char tails[] = "a\x01\x02\x1f\x7f\x80\xff";
    auto tail = [&rng](std::string& w) {
        for (int i = std::uniform_int_distribution<int>(w.empty() ? 1 : 0, 3)(rng); i > 0; --i) {
            w += tails[rng() % (sizeof tails - 1)];
        }
    };
    auto word = [&](std::size_t prefix, bool same_prefix) {
        std::string w;
        for (std::size_t b = 0; b < prefix; ++b) w += same_prefix ? 'a' : "ab"[rng() % 2];
        if (rng() % 2 == 0) {
            tail(w);
        } else {
            w += random_word(rng);
        }
        if (rng() % 8 == 0) {
            w.push_back('\0');
            w += random_word(rng);
        }
        return w;
    };
    for (int round = 0; round < 480 / minitools::sample_step; ++round) {
        int count = std::uniform_int_distribution<int>(0, 12)(rng);
        const std::size_t prefix_lengths[] = {0, 0, 1, 2, 7, 8, 9, 17, 127, 128, 129, 400};
        const std::size_t prefix = prefix_lengths[round % 12];
        const bool same_prefix = round % 24 >= 12;
        std::vector<std::string> words;
        std::string input = std::to_string(count);
        // Words apart by any whitespace, one to three bytes of it.
        auto space = [&rng] {
            std::string s;
            for (int n = 1 + static_cast<int>(rng() % 3); n > 0; --n) s += " \t\n\v\f\r"[rng() % 6];
            return s;
        };
        for (int i = 0; i < count; ++i) {
            words.push_back(word(prefix, same_prefix));
            input += space() + words.back();
        }
        std::string query = word(prefix, same_prefix);
        input += space() + query;
        SCOPED_TRACE(input);
        auto r = run("slotlex", input, {.piped_stdin = round % 2 == 1, .sweep = true});
        ASSERT_EQ(r.out, reference::slotlex(words, query))
            << "status " << r.status << ", signal " << r.signal << ": " << r.err;
        ASSERT_EQ(r.status, 0);
    }
}

// Another program rewrites or truncates the file while a word program reads
// it, at a random moment: the program fails with one line and status 1, or
// answers with a word made of bytes the file held, never with a signal, and
// never with a word that holds a byte the file never held (the zeros past a
// cut). The answer is mostly the file's before or after the change, but a
// rewrite still going on when the program opens the file can show it a mix
// of the two, as it would show a program that copies the file. (The input
// is mapped: a rewrite shows in what the program reads again, and a cut by
// whole pages makes those pages unreadable.)
TEST(WordPrograms, FilesChangedWhileReadGiveAnAnswerOrAnErrorNeverACrash) {
    // Words that share a long stem, so that the middle word's are read again.
    const std::string stem(300000, 'a');
    // (and, for slotlex, a query).
    const std::string before =
        "4\n" + stem + "b1234x\n" + stem + "c\n" + stem + "b1234y\n" + stem + "Bq\n" + stem + "b\n";
    const std::string after_words = "4\n" + stem + "b1234x\n" + std::string(stem.size() + 2, ' ') + stem + "b1234y\n" +
                                    std::string(stem.size() + 2, ' ') + "\n";
    struct Change {
        const char* name;
        std::string bytes;      // written over the file from its start
        long long truncate_to;  // or the file cut to this size (-1: not cut)
    };
    const std::vector<Change> changes = {
        {"words rewritten as spaces", after_words, -1},
        {"every byte rewritten", std::string(before.size() - 1, 'z') + "\n", -1},
        {"cut within the last page", "", static_cast<long long>(before.size()) - 3},
        {"cut by whole pages", "", static_cast<long long>(before.size()) - 200000},
        {"cut to nothing", "", 0},
    };
    const std::string path = ::testing::TempDir() + "changing-" + std::to_string(::getpid()) + ".in";
    std::mt19937 rng(35);
    for (const std::string_view program : {"centrelex", "slotlex"}) {
        for (const Change& change : changes) {
            // A Windows program has no way to report a page that vanished:
            // Windows itself keeps a mapped file from shrinking.
            if (minitools::programs_on_windows && change.truncate_to >= 0) continue;
            // What the file holds before and after the change.
            std::string after = before;
            if (change.truncate_to >= 0) after.resize(static_cast<std::size_t>(change.truncate_to));
            after.replace(0, change.bytes.size(), change.bytes);
            const std::string held = before + after;
            for (int round = 0; round < 8 / minitools::sample_step; ++round) {
                {
                    std::FILE* file = std::fopen(path.c_str(), "wb");
                    ASSERT_NE(file, nullptr);
                    std::fwrite(before.data(), 1, before.size(), file);
                    std::fclose(file);
                }
                // The change comes at once or after up to a few milliseconds.
                const auto delay = std::chrono::microseconds(rng() % 6000 * (round % 4 == 0 ? 0 : 1));
                std::thread changer([&] {
                    std::this_thread::sleep_for(delay);
                    const int fd = ::open(path.c_str(), O_WRONLY);
                    if (fd < 0) return;
                    if (change.truncate_to >= 0) {
                        EXPECT_EQ(::ftruncate(fd, static_cast<off_t>(change.truncate_to)), 0);
                    } else {
                        EXPECT_EQ(::pwrite(fd, change.bytes.data(), change.bytes.size(), 0),
                                  static_cast<ssize_t>(change.bytes.size()));
                    }
                    ::close(fd);
                });
                const auto r = run(program, "", {.stdin_path = path});
                changer.join();
                SCOPED_TRACE(std::string(program) + ", " + change.name + ", round " + std::to_string(round));
                ASSERT_EQ(r.signal, 0) << r.err;
                if (r.status == 0) {
                    if (program == "centrelex") {
                        // A word of the bytes the file held, whitespace and NUL excepted.
                        EXPECT_FALSE(r.out.empty());
                        EXPECT_EQ(r.out.find_first_not_of(held), std::string::npos) << r.out.substr(0, 40);
                        EXPECT_EQ(r.out.find_first_of(std::string(" \n\0", 3)), std::string::npos);
                    } else {
                        EXPECT_TRUE(r.out >= "1" && r.out <= "5" && r.out.size() == 1) << r.out;
                    }
                    EXPECT_EQ(r.err, "");
                } else {
                    ASSERT_EQ(r.status, 1);
                    EXPECT_EQ(r.err.rfind(std::string(program) + ": ", 0), 0u) << r.err;
                    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
                }
            }
        }
    }
    std::remove(path.c_str());
}

// A long list of words with long shared stems in random case: one letter 0 to
// 40 times, then 1 to 6 letters. node 20 ran both programs to the end on such
// lists and then crashed as they returned. The answers are the native
// programs'; slotlex's is also counted here.
TEST(Words, ALongListOfSharedStems) {
    std::mt19937 rng(39);
    constexpr int count = 400000;
    std::string list = std::to_string(count);
    std::vector<std::string> words(count);
    for (std::string& word : words) {
        for (int n = static_cast<int>(rng() % 41); n > 0; --n) word += "aA"[rng() % 2];
        for (int n = 1 + static_cast<int>(rng() % 6); n > 0; --n) {
            const char letter = static_cast<char>('a' + rng() % 26);
            word += rng() % 2 ? letter : static_cast<char>(letter - 'a' + 'A');
        }
        list += '\n' + word;
    }
    const std::string query = "aaaaaaaaaaaaaaaaaaaaM";
    std::size_t preceding = 0;
    for (const std::string& word : words) preceding += word <= query;
    const struct {
        std::string_view program;
        std::string input, out;
    } rows[] = {
        {"centrelex", list, "aAaAAAAAAaaAaaaAaAaAILe"},
        {"slotlex", list + '\n' + query, std::to_string(preceding + 1)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.program);
        auto r = run(row.program, row.input);
        EXPECT_EQ(r.out, row.out);
        EXPECT_EQ(r.signal, 0);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.err, "");
    }
}

}  // namespace
