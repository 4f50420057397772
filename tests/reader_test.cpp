// Show that the reader converts exactly as the C library's sscanf does: the
// same values and the same position after every successful conversion, and
// a failure wherever sscanf fails.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "support.hpp"

namespace {

using support::Reader;
using support::Status;

// Pieces that random inputs are built from: numbers of every shape, words,
// the characters a real number can be made of, and whitespace of every kind.
const char* const pieces[] = {
    "0",
    "7",
    "42",
    "-5",
    "+9",
    "007",
    "2147483647",
    "2147483648",
    "-2147483648",
    "-2147483649",
    "99999999999999999999",
    "000000000000000000000012",
    "-",
    "+",
    "1e",
    "1e+",
    "1E5",
    "1e-3",
    ".5",
    "5.",
    ".",
    "1.5.3",
    "0x",
    "0x1p3",
    "0X.8P-1",
    "0x1e+3",
    "0xg",
    "nan",
    "NaN",
    "-nan",
    "nan(1)",
    "inf",
    "-Inf",
    "infinity",
    "INFINITx",
    "infin",
    "in",
    // inf, infinity and nan with one letter changed to a later one
    "infinitz",
    "infinjty",
    "ioo",
    "nbn",
    "naz",
    "abc",
    "x",
    "e5",
    "p",
    "_",
    "\xc3\xa9",
    "\x7f",
    "3.4028236e38",
    "1e-46",
    "-0",
    "-0.0",
    " ",
    "  ",
    "\t",
    "\n",
    "\r\n",
    "\v",
    "\f",
};

std::string random_text(std::mt19937& rng) {
    std::uniform_int_distribution<int> count(0, 8);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
    std::string text;
    for (int i = count(rng); i > 0; --i) text += pieces[pick(rng)];
    return text;
}

bool out_of_int_range(const char* token) {
    errno = 0;
    long long value = std::strtoll(token, nullptr, 10);
    return errno == ERANGE || value > 2147483647LL || value < -2147483648LL;
}

// Applies one conversion with both sscanf and the reader at the same place;
// returns false when the sequence cannot go on (a conversion failed).
bool compare_one(const std::string& text, Reader& reader, char kind) {
    const char* at = text.c_str() + reader.consumed();
    SCOPED_TRACE(testing::Message() << "conversion %" << kind << " on '" << text << "' at " << reader.consumed());
    int used = -1;
    switch (kind) {
    case ' ': {
        std::sscanf(at, " %n", &used);
        reader.skip_space();
        EXPECT_EQ(reader.consumed(), static_cast<std::size_t>(at - text.c_str() + used));
        return true;
    }
    case 'd': {
        int expected = 0, actual = 0;
        int r = std::sscanf(at, "%d%n", &expected, &used);
        Status status = reader.read_int(actual);
        if (r != 1) {
            EXPECT_NE(status, Status::ok);
            return false;
        }
        std::string token(at, static_cast<std::size_t>(used));
        if (out_of_int_range(token.c_str())) {
            EXPECT_TRUE(status == Status::too_large || status == Status::too_small);
            return false;
        }
        EXPECT_EQ(status, Status::ok);
        EXPECT_EQ(actual, expected);
        break;
    }
    case 'c':
    case 'C': {  // "%c", and " %c"
        char expected = 0, actual = 0;
        int r = kind == 'c' ? std::sscanf(at, "%c%n", &expected, &used) : std::sscanf(at, " %c%n", &expected, &used);
        Status status = kind == 'c' ? reader.read_char(actual) : reader.read_char_after_space(actual);
        if (r != 1) {
            EXPECT_NE(status, Status::ok);
            return false;
        }
        EXPECT_EQ(status, Status::ok);
        EXPECT_EQ(actual, expected);
        break;
    }
    case 's': {
        std::string expected(text.size() + 1, '\0');
        std::string_view actual;
        int r = std::sscanf(at, "%s%n", expected.data(), &used);
        Status status = reader.read_word(actual);
        if (r != 1) {
            EXPECT_NE(status, Status::ok);
            return false;
        }
        EXPECT_EQ(status, Status::ok);
        EXPECT_EQ(actual, expected.c_str());
        break;
    }
    case 'f': {
        float expected = 0, actual = 0;
        int r = std::sscanf(at, "%f%n", &expected, &used);
        Status status = reader.read_float(actual);
        if (r != 1) {
            EXPECT_NE(status, Status::ok);
            return false;
        }
        EXPECT_EQ(status, Status::ok);
        std::uint32_t expected_bits, actual_bits;
        std::memcpy(&expected_bits, &expected, 4);
        std::memcpy(&actual_bits, &actual, 4);
        EXPECT_EQ(actual_bits, expected_bits) << expected << " vs " << actual;
        break;
    }
    }
    EXPECT_EQ(reader.consumed(), static_cast<std::size_t>(at - text.c_str() + used));
    return !testing::Test::HasFailure();
}

// The line a conversion of this kind that starts at `at` names: that of its
// token's first byte, or of the end of the input.
std::size_t expected_token_line(const std::string& text, std::size_t at, char kind) {
    std::size_t start = at;
    while (kind != 'c' && start < text.size() && support::is_space(static_cast<unsigned char>(text[start]))) ++start;
    return 1 +
           static_cast<std::size_t>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(start), '\n'));
}

// A pipe can bring a 32-bit program more than 2^32 lines, and an error past
// them must still name its line. Feeding a reader that many newlines takes
// minutes under an emulator, where 32-bit targets are tested, so what is
// checked is the range of the line numbers themselves, on every target.
using LineNumber = decltype(std::declval<const Reader&>().token_line());
static_assert(std::numeric_limits<LineNumber>::digits >= 64, "line numbers must count past 2^32 on 32-bit targets too");

TEST(Reader, MatchesSscanfOnGeneratedInput) {
    std::mt19937 rng(20261208);
    const char kinds[] = {'d', 'd', 'f', 'f', 's', 'c', 'C', ' '};
    std::uniform_int_distribution<std::size_t> pick(0, std::size(kinds) - 1);
    for (int round = 0; round < 20000 && !testing::Test::HasFailure(); ++round) {
        std::string text = random_text(rng);
        // Half the texts go on well past their last token, as most input
        // does: the reader takes another path when a token ends near the end
        // of what it holds.
        if (round % 2 == 1) text += "                x";
        Reader reader{std::string_view(text)};
        for (int step = 0; step < 6; ++step) {
            // Every conversion, successful or not, also names the line its
            // token is on, whichever path read it.
            const std::size_t at = reader.consumed();
            const char kind = kinds[pick(rng)];
            const bool went_on = compare_one(text, reader, kind);
            if (kind != ' ') {
                EXPECT_EQ(reader.token_line(), expected_token_line(text, at, kind))
                    << "%" << kind << " on '" << text << "' at " << at;
            }
            if (!went_on) break;
        }
    }
}

// Show the statuses a program turns into messages.
TEST(Reader, ReportsEndOfInputRangeAndMalformedNumbers) {
    struct Row {
        const char* text;
        Status status;
    } rows[] = {
        {"", Status::end_of_input},
        {"   \n", Status::end_of_input},
        {"abc", Status::invalid},
        {"-", Status::invalid},
        {"+x", Status::invalid},
        {"2147483648", Status::too_large},
        {"-2147483649", Status::too_small},
        {"123456789012345678901234567890", Status::too_large},
        {"-2147483648", Status::ok},
        {"0000000000002147483647", Status::ok},
    };
    for (const Row& row : rows) {
        Reader reader{std::string_view(row.text)};
        int value = 0;
        EXPECT_EQ(reader.read_int(value), row.status) << "'" << row.text << "'";
    }
}

// A file holding text after `skip` other bytes, its offset at the text.
FILE* file_with(std::string_view text, std::size_t skip = 0) {
    FILE* file = std::tmpfile();
    if (file == nullptr) return nullptr;
    const std::string before(skip, 'z');
    std::fwrite(before.data(), 1, before.size(), file);
    std::fwrite(text.data(), 1, text.size(), file);
    std::fflush(file);
    std::fseek(file, static_cast<long>(skip), SEEK_SET);
    return file;
}

// The same conversions read from a file, and from the file mapped: at an
// offset inside a page and at none, and ending on a page boundary with a
// word (whose slack then lies past the file).
TEST(Reader, ReadsAcrossBufferBoundariesFromADescriptor) {
    // A word, a number and whitespace far longer than one read from the
    // descriptor.
    std::string word(200000, 'w');
    std::string text = "  " + word + " " + std::string(100000, '0') + "17 " + std::string(70000, '\n') + "x y";
    // Padded to end on a page boundary (of any page size up to 64 KiB), the
    // last word right before it.
    text += std::string(65534 - text.size() % 65536, ' ') + "z\n";
    for (const bool mapped : {false, true}) {
        for (const std::size_t skip : {std::size_t{0}, std::size_t{10}}) {
            SCOPED_TRACE(std::string(mapped ? "mapped" : "read") + ", from byte " + std::to_string(skip));
            FILE* file = file_with(text, skip);
            ASSERT_NE(file, nullptr);
            Reader reader(fileno(file));
            if (mapped) {
                EXPECT_TRUE(reader.keep_input("reader test: the file shrank\n", ""));
            }
            std::string_view got;
            int value = 0;
            char c = 0;
            EXPECT_EQ(reader.read_word(got), Status::ok);
            EXPECT_EQ(got, word);
            EXPECT_EQ(reader.read_int(value), Status::ok);
            EXPECT_EQ(value, 17);
            EXPECT_EQ(reader.read_char(c), Status::ok);
            EXPECT_EQ(c, ' ');
            EXPECT_EQ(reader.read_word(got), Status::ok);
            EXPECT_EQ(got, "x");
            EXPECT_EQ(reader.token_line(), 70001u);
            EXPECT_EQ(reader.read_word(got), Status::ok);
            EXPECT_EQ(got, "y");
            EXPECT_EQ(reader.read_word(got), Status::ok);
            EXPECT_EQ(got, "z");
            char after[Reader::word_slack];  // readable, whatever they hold
            std::memcpy(after, got.data() + got.size(), sizeof after);
            EXPECT_EQ(reader.read_word(got), Status::end_of_input);
            EXPECT_EQ(reader.consumed(), text.size());
            std::fclose(file);
        }
    }
}

// Views of a mapped file last; a pipe's are not kept, and a file that
// shrinks while mapped is a read error, not a crash.
TEST(Reader, KeepsTheInputOnlyWhereItCan) {
    FILE* file = file_with("one two");
    ASSERT_NE(file, nullptr);
    Reader kept(fileno(file));
    ASSERT_TRUE(kept.keep_input("", ""));
    std::string_view first, second;
    EXPECT_EQ(kept.read_word(first), Status::ok);
    kept.leave_offset();  // the file is left where the reading stopped
    EXPECT_EQ(::lseek(fileno(file), 0, SEEK_CUR), 3);
    EXPECT_EQ(kept.read_word(second), Status::ok);
    EXPECT_EQ(std::string(first) + std::string(second), "onetwo");
    std::fclose(file);

    Reader in_memory("one two");
    EXPECT_TRUE(in_memory.keep_input("", ""));

    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    Reader piped(ends[0]);
    EXPECT_FALSE(piped.keep_input("", ""));
    ::close(ends[0]);
    ::close(ends[1]);

    std::string text;
    for (int i = 0; i < 100000; ++i) text += "word ";
    // A page that the file no longer has is reported as the file having
    // shrunk (the system says so with the signal), with the message given.
    EXPECT_EXIT(
        {
            FILE* shrinking = file_with(text);
            Reader reader(fileno(shrinking));
            if (!reader.keep_input("reader test: the file shrank\n", "reader test: I/O error\n")) std::exit(3);
            if (::ftruncate(fileno(shrinking), 0) != 0) std::exit(4);
            std::string_view w;
            while (reader.read_word(w) == Status::ok) {
            }
            std::exit(0);
        },
        testing::ExitedWithCode(1), "^reader test: the file shrank\n$");
}

// A mapped file that another program changed since it was mapped is told
// by its size or its time of change, whatever the change: rewritten in
// place (its time set a second later, as the system's clock may be coarser
// than the two writes), cut within its last page or by whole pages, grown.
// Input that is read, or given in memory, is as it was by definition.
TEST(Reader, TellsAMappedFileThatChanged) {
    const std::string text(3 * 4096 + 100, 'w');
    struct Change {
        const char* name;
        long long size;  // the file cut or grown to this size (-1: kept)
        bool rewritten;  // its first bytes written again, a second later
    };
    for (const Change& change : std::vector<Change>{{"none", -1, false},
                                                    {"rewritten in place", -1, true},
                                                    {"cut within the last page", 3 * 4096 + 50, false},
                                                    {"cut by whole pages", 4096, false},
                                                    {"grown", 5 * 4096, false}}) {
        SCOPED_TRACE(change.name);
        FILE* file = file_with(text);
        ASSERT_NE(file, nullptr);
        Reader reader(fileno(file));
        ASSERT_TRUE(reader.keep_input("", ""));
        std::string_view word;
        EXPECT_EQ(reader.read_word(word), Status::ok);
        if (change.size >= 0) {
            ASSERT_EQ(::ftruncate(fileno(file), static_cast<off_t>(change.size)), 0);
        }
        if (change.rewritten) {
            struct stat status;
            ASSERT_EQ(::fstat(fileno(file), &status), 0);
            ASSERT_EQ(::pwrite(fileno(file), "ab", 2, 0), 2);
            const struct timespec times[2] = {{0, UTIME_OMIT}, {status.st_mtim.tv_sec + 1, status.st_mtim.tv_nsec}};
            ASSERT_EQ(::futimens(fileno(file), times), 0);
        }
        EXPECT_EQ(reader.input_unchanged(), change.size < 0 && !change.rewritten);
        std::fclose(file);
    }
    Reader in_memory("one two");
    EXPECT_TRUE(in_memory.input_unchanged());
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    Reader piped(ends[0]);
    EXPECT_FALSE(piped.keep_input("", ""));
    EXPECT_TRUE(piped.input_unchanged());
    ::close(ends[0]);
    ::close(ends[1]);
}

}  // namespace
