// Reading the input: bytes from a file descriptor or from memory, converted
// exactly as the C library's scanf converts them in the C locale.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace support {

// The outcome of one conversion.
enum class Status {
    ok,
    end_of_input,  // nothing left to convert
    invalid,       // the text at the current position does not convert
    too_small,     // %d: below the 32-bit range
    too_large,     // %d: above the 32-bit range
};

// Whitespace in the C locale, as isspace() sees it.
inline bool is_space(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Reads bytes from a file descriptor or from a fixed piece of memory and
// converts them exactly as the C library's scanf does in the C locale:
// the same values, and the same characters consumed on success.
class Reader {
public:
    explicit Reader(int fd);
    explicit Reader(std::string_view text);  // for tests: no descriptor (copies text)
    // The size bytes at data, not copied: they must outlive the reader, and
    // word_slack bytes after them must be readable.
    Reader(const char* data, std::size_t size);

    // At least this many bytes after a word view's end can be read (what
    // they hold is unspecified), so that a program can copy or compare short
    // words in fixed-size pieces, without a branch on their length.
    static constexpr std::size_t word_slack = 16;

    // Reads from fd from now on; only before anything has been read.
    void set_descriptor(int fd) { fd_ = fd; }

    // Asks that every view the reader gives stay valid to the end of the
    // run, which it can do when the input is a regular file: the file is
    // mapped, and the reader's buffer is the file itself (no copy of it is
    // made). Only before anything has been read. Whether views now last
    // (false for a pipe or a terminal: a view lasts until the next
    // conversion). The messages are what the program says when a page of
    // the file cannot be read (see platform::map_rest): whole lines.
    bool keep_input(const char* shrank_message, const char* io_error_message);

    // Whether the input, when it is a mapped file, still has the size and
    // the time of change it had when it was mapped (always true for input
    // that is read): a program whose answer depends on reading a file's
    // bytes more than once asks before it answers.
    bool input_unchanged() const;

    // A mapped file's offset is left where the reading stopped, as a
    // program that read no further would leave it (for a program that
    // shares the file after this one). For a file that is read, it is
    // where the last read ended.
    void leave_offset();

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
    void skip_space() {
        // Inline, the usual case: the whitespace ends before the buffer does.
        const char* const end = buf_ + end_;
        const char* const p = space_end(buf_ + pos_, end, lines_);
        pos_ = static_cast<std::size_t>(p - buf_);
        if (p == end) skip_space_across();
    }
    // "%d": leading whitespace skipped, then an optionally signed decimal.
    Status read_int(int& value) {
        // Inline, the usual case: whitespace, then an optionally signed
        // number of at most nine digits that ends before the buffer does
        // (it always fits). Anything else takes the general path, from the
        // same place.
        const char* const end = buf_ + end_;
        std::uint64_t lines = lines_;
        const char* const start = space_end(buf_ + pos_, end, lines);
        const char* p = start;
        if (end - p > 10) {
            const bool negative = *p == '-';
            if (negative || *p == '+') ++p;
            const char* const first = p;
            std::uint32_t magnitude = 0;
            for (; p - first < 9 && static_cast<unsigned char>(*p - '0') < 10; ++p) {
                magnitude = magnitude * 10 + static_cast<std::uint32_t>(*p - '0');
            }
            if (p > first && static_cast<unsigned char>(*p - '0') >= 10) {
                lines_ = lines;
                token_line_ = lines + 1;
                pos_ = static_cast<std::size_t>(p - buf_);
                value = static_cast<int>(negative ? 0u - magnitude : magnitude);
                return Status::ok;
            }
        }
        return read_int_general(value);
    }
    // "%c": the next byte, whatever it is.
    Status read_char(char& value) {
        if (pos_ == end_ && !refill()) {
            token_line_ = lines_ + 1;
            return Status::end_of_input;
        }
        const char c = buf_[pos_++];
        token_line_ = lines_ + 1;
        if (c == '\n') ++lines_;
        value = c;
        return Status::ok;
    }
    // " %c": whitespace skipped, then the next byte (not whitespace).
    Status read_char_after_space(char& value) {
        if (read_chars_after_space(&value, 1) == 1) return Status::ok;
        // The whitespace reached the end of the buffer, or the input ended.
        skip_space_across();
        return read_char(value);
    }
    // " %c" up to count times, as far as the bytes already read go: the
    // number of characters stored in chars. It stops early where the next
    // character is not yet read, and gives 0 then: read_char_after_space
    // takes that one (and reports it when there is none).
    std::size_t read_chars_after_space(char* chars, std::size_t count) {
        const char* const end = buf_ + end_;
        const char* p = buf_ + pos_;
        std::uint64_t lines = lines_, token_line = token_line_;
        std::size_t n = 0;
        for (; n < count; ++n) {
            // Usually a single whitespace byte comes first, then a printable
            // character: that takes one test of each.
            if (end - p >= 2 && is_space(static_cast<unsigned char>(p[0])) && static_cast<unsigned char>(p[1]) > ' ') {
                lines += p[0] == '\n' ? 1 : 0;
                chars[n] = p[1];
                p += 2;
            } else {
                p = space_end(p, end, lines);
                if (p == end) break;
                chars[n] = *p++;
            }
            token_line = lines + 1;
        }
        pos_ = static_cast<std::size_t>(p - buf_);
        lines_ = lines;
        token_line_ = token_line;
        return n;
    }
    // "%s": leading whitespace skipped, then a run of non-whitespace bytes.
    // word views them where they lie, until the next conversion.
    Status read_word(std::string_view& word) { return read_token<false>(word); }
    // "%s" as a C string sees it: the same bytes are consumed, but word ends
    // at the first NUL byte among them.
    Status read_c_string(std::string_view& word) { return read_token<true>(word); }
    // In input that was read before, up to end, and holds another word:
    // that word as read_c_string gives it (from p on, whitespace skipped),
    // and where its reading ends. Nothing is counted or checked.
    static const char* next_c_string(const char* p, const char* const end, std::string_view& word) {
        std::uint64_t lines = 0;
        p = space_end(p, end, lines);
        const char* nul = nullptr;
        const char* const last = word_end<true>(p, end, nul);
        word = std::string_view(p, static_cast<std::size_t>((nul ? nul : last) - p));
        return last;
    }
    // "%f": leading whitespace skipped, then anything strtof accepts the way
    // scanf collects it (sign, decimal or hexadecimal, inf, infinity, nan).
    Status read_float(float& value);

    // Where the next conversion starts reading: for a reader whose views
    // last (see keep_input), a place in its input, and the bytes from
    // there to the end of the input are readable.
    const char* position() const { return buf_ + pos_; }
    // The bytes after position(), as far as they are read: for a reader
    // whose views last, the rest of its input.
    std::string_view unread() const { return std::string_view(buf_ + pos_, end_ - pos_); }

    // Bytes consumed so far (used by tests to compare positions).
    std::size_t consumed() const { return base_ + pos_; }

    // The errno of a failed read, or 0. A failed read ends the input as
    // far as the conversions are concerned; the caller reports it.
    int error() const { return error_; }

    // The 1-based line on which the token of the latest conversion starts
    // (for "%c", the line of the byte taken; at the end of the input, the
    // line the input ends on). Tokens hold no newline, so counting the
    // newlines that whitespace directives and "%c" consume is enough. Lines
    // are counted in 64 bits whatever the size_t: a pipe can carry more than
    // 2^32 of them to a 32-bit program.
    std::uint64_t token_line() const { return token_line_; }

    // Up to limit bytes of the token at the current position, for messages:
    // printable ASCII as is, other bytes as \xNN.
    std::string describe_next(std::size_t limit = 24);

    // What a failed or out-of-range conversion had consumed (a sign, the
    // digits of a number that does not fit, a partial real number).
    const std::string& last_token() const { return last_token_; }

private:
    bool refill();
    template <bool cut_at_nul>
    Status read_token(std::string_view& word) {
        // Inline, the usual case: whitespace, then a word that ends before
        // the buffer does.
        const char* const end = buf_ + end_;
        std::uint64_t lines = lines_;
        const char* const p = space_end(buf_ + pos_, end, lines);
        if (p < end) {
            const char* nul = nullptr;
            const char* const last = word_end<cut_at_nul>(p, end, nul);
            if (last < end) {
                lines_ = lines;
                token_line_ = lines + 1;
                pos_ = static_cast<std::size_t>(last - buf_);
                word = std::string_view(p, static_cast<std::size_t>((nul ? nul : last) - p));
                return Status::ok;
            }
        }
        const Status status = read_word_across(word);
        if constexpr (cut_at_nul) word = word.substr(0, word.find('\0'));
        return status;
    }
    Status read_word_across(std::string_view& word);
    Status read_int_general(int& value);
    void skip_space_across();

    // The end of the run of whitespace that starts at p: the first other
    // byte, or end; lines counts the newlines passed. Scanned with locals,
    // as the members could alias the bytes and the compiler would reload
    // them at every byte.
    static const char* space_end(const char* p, const char* const end, std::uint64_t& lines) {
        std::size_t newlines = 0;
        for (; p < end; ++p) {
            const auto c = static_cast<unsigned char>(*p);
            // Every blank is 0x20 or below: one test ends the run at a
            // printable byte, the usual end.
            if (c > ' ' || !is_space(c)) break;
            newlines += c == '\n' ? 1 : 0;
        }
        lines += newlines;
        return p;
    }

    // The end of the run of non-whitespace bytes that starts at p: the
    // first whitespace byte, or end. With track_nul, nul is set to the first
    // NUL byte before that end, if there is one (and left alone otherwise).
    template <bool track_nul = false>
    static const char* word_end(const char* p, const char* const end, const char*& nul) {
        // Sixteen bytes at a time while none is 0x20 or below (every blank
        // and NUL is); the lowest flag of a mask marks the first such byte
        // exactly (a borrow only ever flags bytes after it). Sixteen, so that
        // the words of most text end in the first step, whatever their
        // lengths: a branch on whether a word is longer than eight bytes
        // would be mispredicted half the time.
        while (end - p >= 16) {
            const std::uint64_t first = low_bytes(p), second = low_bytes(p + 8);
            if ((first | second) == 0) {
                p += 16;
                continue;
            }
            if constexpr (std::endian::native == std::endian::little) {
                // The flags of the first eight bytes if any, else the
                // second's, chosen by arithmetic (a compiler turns a choice
                // written as a condition into a branch as it likes), and with
                // bit 63 (a flag's place anyway) set so that countr_zero needs
                // no test for zero.
                const std::uint64_t in_second = first == 0 ? 1 : 0;
                const std::uint64_t flags = first | (second & (0 - in_second));
                const auto first_flag = static_cast<std::uint64_t>(std::countr_zero(flags | std::uint64_t{1} << 63));
                p += first_flag / 8 + 8 * in_second;
            }
            break;
        }
        for (; p < end && !is_space(static_cast<unsigned char>(*p)); ++p) {
            if (track_nul && *p == '\0' && nul == nullptr) nul = p;
        }
        return p;
    }
    // A flag (0x80) in each byte of the eight at p that is 0x20 or below,
    // and perhaps in bytes after the first such byte.
    static std::uint64_t low_bytes(const char* p) {
        std::uint64_t bytes;
        std::memcpy(&bytes, p, 8);
        return (bytes - 0x2121212121212121u) & ~bytes & 0x8080808080808080u;
    }
    static const char* word_end(const char* p, const char* const end) {
        const char* nul = nullptr;
        return word_end(p, end, nul);
    }

    int fd_ = -1;
    int mapped_fd_ = -1;           // the file mapped, if one is
    long long mapped_offset_ = 0;  // where in it the mapping begins
    long long mapped_size_ = 0;    // the file's size and time of change when it was mapped
    long long mapped_seconds_ = 0;
    long long mapped_nanoseconds_ = 0;
    std::vector<char> storage_;
    const char* buf_ = nullptr;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    std::size_t base_ = 0;          // bytes dropped from the buffer before buf_[0]
    std::uint64_t lines_ = 0;       // newlines consumed
    std::uint64_t token_line_ = 1;  // the line of the latest token's first byte
    int error_ = 0;
    void (*before_wait_)(void*) = nullptr;
    void* before_wait_context_ = nullptr;
    std::string last_token_;
    std::string word_;  // a word read across a refill of the buffer
};

// Appends byte c to text as it should appear inside a quoted message:
// printable ASCII as is, other bytes as \xNN.
void append_visible(std::string& text, int c);

}  // namespace support
