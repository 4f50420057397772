// Support shared by every program of the suite: the command line (an
// optional FILE operand, --help, --version), strict reading of the input with
// scanf-compatible conversions, one way to report bad input, and buffered,
// checked standard output.
//
// Nothing here knows about any particular program.
#pragma once

#include <bit>
#include <cfloat>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

// Reals are rounded to their own precision after every operation (no excess
// precision, as the x87 unit of 32-bit x86 would keep), or single-precision
// answers would depend on the machine. The build selects SSE2 arithmetic
// there; this refuses any build that does not.
static_assert(FLT_EVAL_METHOD == 0, "reals must be computed in their own precision (on 32-bit x86: -msse2 -mfpmath=sse)");

namespace support {

// Exit statuses, named once for the whole suite.
inline constexpr int exit_ok = 0;
inline constexpr int exit_failure = 1;  // bad input, or a failed read or write
inline constexpr int exit_usage = 2;    // a wrong command line

// The outcome of one conversion.
enum class Status {
    ok,
    end_of_input,  // nothing left to convert
    invalid,       // the text at the current position does not convert
    too_small,     // %d: below the 32-bit range
    too_large,     // %d: above the 32-bit range
};

// Whitespace in the C locale, as isspace() sees it.
inline bool is_space(int c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Reads bytes from a file descriptor or from a fixed piece of memory and
// converts them exactly as the C library's scanf does in the C locale:
// the same values, and the same characters consumed on success.
class Reader {
public:
    explicit Reader(int fd);
    explicit Reader(std::string_view text);  // for tests: no descriptor

    // Reads from fd from now on; only before anything has been read.
    void set_descriptor(int fd) { fd_ = fd; }

    // Called before the reader blocks waiting for more input (used to
    // flush pending output when standard output is a terminal).
    void set_before_wait(void (*hook)(void*), void* context);

    // The byte at the current position, or -1 at the end of input.
    int peek() {
        if (pos_ == end_ && !refill()) return -1;
        return static_cast<unsigned char>(buf_[pos_]);
    }
    // Takes the byte at the current position; -1 at the end of input.
    int get() {
        int c = peek();
        if (c == '\n') ++lines_;
        if (c >= 0) ++pos_;
        return c;
    }

    // A blank or "\n" directive: consumes any amount of whitespace.
    void skip_space();
    // "%d": leading whitespace skipped, then an optionally signed decimal.
    Status read_int(int& value);
    // "%c": the next byte, whatever it is.
    Status read_char(char& value);
    // "%s": leading whitespace skipped, then a run of non-whitespace bytes.
    // word views them where they lie, until the next conversion.
    Status read_word(std::string_view& word) {
        // Inline, the usual case: whitespace, then a word that ends before
        // the buffer does.
        const char* const end = buf_ + end_;
        std::size_t lines = lines_;
        const char* const p = space_end(buf_ + pos_, end, lines);
        if (p < end) {
            const char* const last = word_end(p, end);
            if (last < end) {
                lines_ = lines;
                token_line_ = lines + 1;
                pos_ = static_cast<std::size_t>(last - buf_);
                word = std::string_view(p, static_cast<std::size_t>(last - p));
                return Status::ok;
            }
        }
        return read_word_across(word);
    }
    // "%f": leading whitespace skipped, then anything strtof accepts the way
    // scanf collects it (sign, decimal or hexadecimal, inf, infinity, nan).
    Status read_float(float& value);

    // Bytes consumed so far (used by tests to compare positions).
    std::size_t consumed() const { return base_ + pos_; }

    // The errno of a failed read, or 0. A failed read ends the input as
    // far as the conversions are concerned; the caller reports it.
    int error() const { return error_; }

    // The 1-based line on which the token of the latest conversion starts
    // (for "%c", the line of the byte taken; at the end of the input, the
    // line the input ends on). Tokens hold no newline, so counting the
    // newlines that whitespace directives and "%c" consume is enough.
    std::size_t token_line() const { return token_line_; }

    // Up to limit bytes of the token at the current position, for messages:
    // printable ASCII as is, other bytes as \xNN.
    std::string describe_next(std::size_t limit = 24);

    // What a failed or out-of-range conversion had consumed (a sign, the
    // digits of a number that does not fit, a partial real number).
    const std::string& last_token() const { return last_token_; }

private:
    bool refill();
    Status read_word_across(std::string_view& word);

    // The end of the run of whitespace that starts at p: the first other
    // byte, or end; lines counts the newlines passed. Scanned with locals,
    // as the members could alias the bytes and the compiler would reload
    // them at every byte.
    static const char* space_end(const char* p, const char* const end, std::size_t& lines) {
        std::size_t newlines = 0;
        while (p < end && is_space(static_cast<unsigned char>(*p))) {
            if (*p == '\n') ++newlines;
            ++p;
        }
        lines += newlines;
        return p;
    }

    // The end of the run of non-whitespace bytes that starts at p: the
    // first whitespace byte, or end.
    static const char* word_end(const char* p, const char* const end) {
        // Eight bytes at a time while none is 0x20 or below (every blank
        // is); the lowest flag of the mask marks the first such byte exactly
        // (a borrow only ever flags bytes after it).
        while (end - p >= 8) {
            std::uint64_t bytes;
            std::memcpy(&bytes, p, 8);
            const std::uint64_t low = (bytes - 0x2121212121212121u) & ~bytes & 0x8080808080808080u;
            if (low == 0) {
                p += 8;
                continue;
            }
            if constexpr (std::endian::native == std::endian::little) p += std::countr_zero(low) / 8;
            break;
        }
        while (p < end && !is_space(static_cast<unsigned char>(*p))) ++p;
        return p;
    }

    int fd_ = -1;
    std::vector<char> storage_;
    const char* buf_ = nullptr;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    std::size_t base_ = 0;  // bytes dropped from the buffer before buf_[0]
    std::size_t lines_ = 0;       // newlines consumed
    std::size_t token_line_ = 1;  // the line of the latest token's first byte
    int error_ = 0;
    void (*before_wait_)(void*) = nullptr;
    void* before_wait_context_ = nullptr;
    std::string last_token_;
    std::string word_;  // a word read across a refill of the buffer
};

// Buffered standard output. Nothing is written until the buffer fills or
// the program finishes; a failed write is remembered and reported once.
class Writer {
public:
    explicit Writer(int fd);
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;
    ~Writer();

    void put(char c) {
        if (len_ == capacity) flush();
        buf_[len_++] = c;
    }
    void put(std::string_view text) {
        if (text.size() > capacity - len_) return put_in_parts(text);
        std::memcpy(buf_ + len_, text.data(), text.size());
        len_ += text.size();
    }
    void put_int(long long value);
    // A real number with a fixed number of decimals, as printf's "%.Nf"
    // prints it, except that an infinity or a NaN is spelled here, from the
    // value's own sign bit: "inf", "-inf", "nan", "-nan". C libraries differ
    // on a NaN (some drop its sign, some print "1.#QNAN"), and a machine may
    // lose the sign of a NaN when it converts a float to a double, so a
    // float is taken as it is.
    void put_fixed(double value, int decimals);
    void put_fixed(float value, int decimals);

    // Writes out what is buffered; false if a write has failed.
    bool flush();
    int error() const { return error_; }  // errno of the first failed write
    bool is_terminal() const { return terminal_; }

private:
    void put_in_parts(std::string_view text);

    static constexpr std::size_t capacity = 1 << 16;
    int fd_;
    bool terminal_;
    int error_ = 0;
    std::size_t len_ = 0;
    char* buf_;
};

// What --help prints for one program, apart from what every program shares
// (the usage lines, the options, standard input, the exit statuses 0 and 2).
struct Help {
    std::string_view summary;      // one sentence: the manual page's name line
    std::string_view description;  // paragraphs: the input, the answer
    // A shell session: an indented "$ " command line, then the lines it
    // prints, indented alike.
    std::string_view example;
    // When the status is 1, after "  1  "; further lines indented by five.
    std::string_view failure;
    bool reads_input = true;  // false: no FILE operand, standard input unused
};

// What one program needs at run time: its name, its input and output, and
// the single way to fail.
class Program {
public:
    // Reads the command line the way the usual Unix filters do: --help and
    // --version print and exit 0; any other option, or a second operand, is
    // reported with status 2 before anything is read; "--" ends the options;
    // the one operand, FILE, is read instead of standard input ("-" means
    // standard input). A FILE that cannot be opened ends it with status 1.
    Program(const char* name, int argc, char** argv, const Help& help);

    Reader in;
    Writer out;

    // Reports "name: line L: message" (or "name: FILE:L: message") on
    // standard error after flushing what was already printed, and exits with
    // status 1. L is the line of the token read last, which the message is
    // about.
    [[noreturn]] void fail(std::string_view message);

    // Each conversion either succeeds or ends the program with a message
    // that names what was being read ("element 4 of 5") and what was found.
    // index and count are added to the name when index > 0.
    int read_int(std::string_view what, long long index = 0, long long count = 0);
    char read_char(std::string_view what, long long index = 0, long long count = 0);
    void read_word(std::string_view& word, std::string_view what, long long index = 0,
                   long long count = 0) {
        const Status status = in.read_word(word);
        if (status != Status::ok) fail_read(status, "a word", what, index, count, {});
    }
    float read_float(std::string_view what, long long index = 0, long long count = 0);

    // Flushes standard output and returns the exit status: 0, or 1 with
    // "name: write error: ..." when anything could not be written, or
    // "name: read error: ..." when a read failed.
    int finish();

    const char* name() const { return name_; }

    // For a program that reads several values before it answers them (to
    // work on them side by side): answer prints what it holds back. It is
    // called before the reader waits for more input, before an error is
    // reported and in finish(), so the output, its order and the moment it
    // appears are those of a program that answers each value as it is read.
    void hold_answers(void (*answer)(void*), void* context);

private:
    [[noreturn]] void fail_read(Status status, std::string_view expected, std::string_view what,
                                long long index, long long count, const std::string& found);
    [[noreturn]] void fail_usage(std::string_view message);
    [[noreturn]] void fail_read_error();
    [[noreturn]] void fail_plain(std::string_view message, int status);
    void print_help(const Help& help);
    void answer_held();
    const char* name_;
    const char* file_ = nullptr;  // the FILE operand, when it is not standard input
    void (*answer_)(void*) = nullptr;
    void* answer_context_ = nullptr;
};

}  // namespace support
