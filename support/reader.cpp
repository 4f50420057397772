#include "reader.hpp"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform.hpp"

namespace support {

namespace {

constexpr std::size_t read_chunk = 1 << 16;

bool is_digit(int c) { return c >= '0' && c <= '9'; }

bool is_hex_digit(int c) { return is_digit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
int lower(int c) { return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c; }

}  // namespace

void append_visible(std::string& text, int c) {
    if (c >= 0x20 && c < 0x7f && c != '\\') {
        text += static_cast<char>(c);
    } else {
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%02x", static_cast<unsigned>(c));
        text += hex;
    }
}

// The storage holds word_slack bytes past the bytes read into it.
Reader::Reader(int fd) : fd_(fd), storage_(read_chunk + word_slack), buf_(storage_.data()) {}

Reader::Reader(std::string_view text) : storage_(text.size() + word_slack), end_(text.size()) {
    text.copy(storage_.data(), text.size());
    buf_ = storage_.data();
}

Reader::Reader(const char* data, std::size_t size) : buf_(data), end_(size) {}

bool Reader::keep_input(const char* shrank_message, const char* io_error_message) {
    if (fd_ < 0) return true;  // the bytes are all in memory already
    const platform::Mapping mapping = platform::map_rest(fd_, word_slack, {shrank_message, io_error_message});
    if (mapping.data == nullptr) return false;
    buf_ = mapping.data;
    end_ = mapping.size;
    mapped_fd_ = fd_;
    mapped_offset_ = mapping.offset;
    mapped_size_ = mapping.stamp.size;
    mapped_seconds_ = mapping.stamp.changed_seconds;
    mapped_nanoseconds_ = mapping.stamp.changed_nanoseconds;
    fd_ = -1;  // nothing more to read
    storage_ = {};
    return true;
}

bool Reader::input_unchanged() const {
    if (mapped_fd_ < 0) return true;
    return platform::stamp(mapped_fd_) == platform::FileStamp{mapped_size_, mapped_seconds_, mapped_nanoseconds_};
}

void Reader::leave_offset() {
    if (mapped_fd_ >= 0) platform::seek(mapped_fd_, mapped_offset_ + static_cast<long long>(consumed()));
}

void Reader::set_before_wait(void (*hook)(void*), void* context) {
    before_wait_ = hook;
    before_wait_context_ = context;
}

bool Reader::refill() {
    if (fd_ < 0) return false;
    if (before_wait_) before_wait_(before_wait_context_);
    base_ += end_;
    pos_ = end_ = 0;
    const long long n = platform::read(fd_, storage_.data(), storage_.size() - word_slack);
    if (n <= 0) {
        if (n < 0) error_ = errno;
        fd_ = -1;
        return false;
    }
    end_ = static_cast<std::size_t>(n);
    return true;
}

// The general case of skip_space: the whitespace reaches the end of the
// buffer, and perhaps further.
void Reader::skip_space_across() {
    while (refill()) {
        const char* const end = buf_ + end_;
        const char* const p = space_end(buf_, end, lines_);
        pos_ = static_cast<std::size_t>(p - buf_);
        if (p < end) return;
    }
}

// The general case of read_int: a number across a refill of the buffer, at
// the end of the input, of ten digits or more, or no number at all.
Status Reader::read_int_general(int& value) {
    skip_space();
    token_line_ = lines_ + 1;
    int c = peek();
    if (c < 0) return Status::end_of_input;
    bool negative = false;
    last_token_.clear();
    if (c == '-' || c == '+') {
        negative = c == '-';
        last_token_ += static_cast<char>(c);
        ++pos_;
        c = peek();
    }
    if (!is_digit(c)) return Status::invalid;
    // The magnitude saturates just above the largest one that fits, so any
    // number of digits can be read.
    constexpr std::uint64_t cap = std::uint64_t{1} << 32;
    std::uint64_t magnitude = 0;
    std::size_t digits = 0;
    char text[32];
    while (is_digit(c)) {
        if (digits < sizeof text) text[digits] = static_cast<char>(c);
        ++digits;
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(c - '0');
        if (magnitude > cap) magnitude = cap;
        ++pos_;
        c = peek();
    }
    constexpr std::uint64_t max_int = 2147483647;
    if (magnitude > max_int + (negative ? 1 : 0)) {
        last_token_.append(text, digits < sizeof text ? digits : sizeof text);
        if (digits > sizeof text) last_token_ += "...";
        return negative ? Status::too_small : Status::too_large;
    }
    // Negation in the unsigned domain, then a modular conversion: exact for
    // every value from -2^31 to 2^31 - 1.
    std::uint32_t bits = static_cast<std::uint32_t>(magnitude);
    if (negative) bits = 0u - bits;
    value = static_cast<int>(bits);
    return Status::ok;
}

// The general case of read_word: whitespace or the word may reach past the
// buffer, or the input may end.
Status Reader::read_word_across(std::string_view& word) {
    skip_space();
    token_line_ = lines_ + 1;
    if (peek() < 0) return Status::end_of_input;
    const char* const start = buf_ + pos_;
    const char* p = word_end(start, buf_ + end_);
    pos_ = static_cast<std::size_t>(p - buf_);
    if (pos_ < end_) {
        word = std::string_view(start, static_cast<std::size_t>(p - start));
        return Status::ok;
    }
    // The word reaches the end of the buffer: it is gathered in word_ while
    // the buffer is refilled.
    word_.assign(start, p);
    while (refill() && !is_space(static_cast<unsigned char>(buf_[0]))) {
        p = word_end(buf_, buf_ + end_);
        word_.append(buf_, p);
        pos_ = static_cast<std::size_t>(p - buf_);
        if (pos_ < end_) break;
    }
    // Zeros after the word, as its slack.
    const std::size_t size = word_.size();
    word_.append(word_slack, '\0');
    word = std::string_view(word_.data(), size);
    return Status::ok;
}

// Collects the characters of a real number the way glibc's scanf does (it
// accepts a character only where it can still continue a number, looking one
// character ahead), then converts what it collected with strtof. The
// conversion succeeds when strtof uses at least one character of it.
Status Reader::read_float(float& value) {
    skip_space();
    token_line_ = lines_ + 1;
    int c = peek();
    if (c < 0) return Status::end_of_input;
    std::string& text = last_token_;
    text.clear();
    auto take = [&] {
        text += static_cast<char>(c);
        ++pos_;
        c = peek();
    };
    // Takes the letters of word (lower case) in any case, or fails.
    auto take_word = [&](const char* word) {
        for (; *word != '\0'; ++word) {
            if (lower(c) != *word) return false;
            take();
        }
        return true;
    };

    bool got_sign = false;
    if (c == '-' || c == '+') {
        take();
        got_sign = true;
        if (c < 0) return Status::invalid;
    }
    if (lower(c) == 'n') {
        if (!take_word("nan")) return Status::invalid;
    } else if (lower(c) == 'i') {
        if (!take_word("inf")) return Status::invalid;
        if (lower(c) == 'i' && !take_word("inity")) return Status::invalid;
    } else {
        bool hex = false;
        bool got_digit = false;
        bool got_dot = false;
        bool got_e = false;
        int exp_char = 'e';
        if (c == '0') {
            take();
            if (lower(c) == 'x') {
                take();
                hex = true;
                exp_char = 'p';
            } else {
                got_digit = true;
            }
        }
        for (;;) {
            if (is_digit(c) || (hex && !got_e && is_hex_digit(c))) {
                got_digit = true;
            } else if (got_e && lower(text.back()) == exp_char && (c == '-' || c == '+')) {
                // a sign right after the exponent letter
            } else if (got_digit && !got_e && lower(c) == exp_char) {
                got_e = got_dot = true;
            } else if (!got_dot && c == '.') {
                got_dot = true;
            } else {
                break;
            }
            take();
        }
        // Nothing but a sign, or a hexadecimal prefix with nothing after it.
        const std::size_t sign = got_sign ? 1 : 0;
        if (text.size() == sign || (hex && text.size() == 2 + sign)) return Status::invalid;
    }
    char* used = nullptr;
    float result = std::strtof(text.c_str(), &used);
    if (used == text.c_str()) return Status::invalid;
    // A NaN takes the sign written before it, as glibc's strtof gives it. A C
    // library may make it by arithmetic, and on WebAssembly the sign of a NaN
    // that arithmetic returns is left open; copysign only moves a bit.
    if (std::isnan(result)) result = std::copysign(result, text[0] == '-' ? -1.0f : 1.0f);
    value = result;
    return Status::ok;
}

std::string Reader::describe_next(std::size_t limit) {
    std::string text;
    std::size_t count = 0;
    for (int c = peek(); c >= 0 && !is_space(c); c = peek()) {
        if (count == limit) {
            text += "...";
            break;
        }
        append_visible(text, c);
        ++count;
        ++pos_;
    }
    return text;
}

}  // namespace support
