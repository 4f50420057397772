#include "support.hpp"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace support {

namespace {

constexpr std::size_t read_chunk = 1 << 16;

bool is_digit(int c) { return c >= '0' && c <= '9'; }

bool is_hex_digit(int c) {
    return is_digit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
int lower(int c) { return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c; }

// Appends byte c to text as it should appear inside a quoted message.
void append_visible(std::string& text, int c) {
    if (c >= 0x20 && c < 0x7f && c != '\\') {
        text += static_cast<char>(c);
    } else {
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%02x", static_cast<unsigned>(c));
        text += hex;
    }
}

void write_all(int fd, const char* data, std::size_t len, int& error) {
    while (len > 0 && error == 0) {
        ssize_t n = ::write(fd, data, len);
        if (n < 0) {
            if (errno == EINTR) continue;
            error = errno;
        } else {
            data += n;
            len -= static_cast<std::size_t>(n);
        }
    }
}

}  // namespace

// ---------------------------------------------------------------- Reader

Reader::Reader(int fd) : fd_(fd), storage_(read_chunk), buf_(storage_.data()) {}

Reader::Reader(std::string_view text) : buf_(text.data()), end_(text.size()) {}

void Reader::set_before_wait(void (*hook)(void*), void* context) {
    before_wait_ = hook;
    before_wait_context_ = context;
}

bool Reader::refill() {
    if (fd_ < 0) return false;
    if (before_wait_) before_wait_(before_wait_context_);
    base_ += end_;
    pos_ = end_ = 0;
    for (;;) {
        ssize_t n = ::read(fd_, storage_.data(), storage_.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n < 0) error_ = errno;
            fd_ = -1;
            return false;
        }
        end_ = static_cast<std::size_t>(n);
        return true;
    }
}

void Reader::skip_space() {
    for (;;) {
        const char* const end = buf_ + end_;
        const char* const p = space_end(buf_ + pos_, end, lines_);
        pos_ = static_cast<std::size_t>(p - buf_);
        if (p < end || !refill()) return;
    }
}

Status Reader::read_int(int& value) {
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

Status Reader::read_char(char& value) {
    int c = peek();
    token_line_ = lines_ + 1;
    if (c < 0) return Status::end_of_input;
    if (c == '\n') ++lines_;
    ++pos_;
    value = static_cast<char>(c);
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
    word = word_;
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

// ---------------------------------------------------------------- Writer

Writer::Writer(int fd) : fd_(fd), terminal_(::isatty(fd) == 1), buf_(new char[capacity]) {}

Writer::~Writer() { delete[] buf_; }

void Writer::put_in_parts(std::string_view text) {
    while (!text.empty()) {
        if (len_ == capacity) flush();
        std::size_t n = std::min(text.size(), capacity - len_);
        std::memcpy(buf_ + len_, text.data(), n);
        len_ += n;
        text.remove_prefix(n);
    }
}

void Writer::put_int(long long value) {
    // Converted in place: a long long takes at most 20 bytes.
    if (capacity - len_ < 20) flush();
    len_ = static_cast<std::size_t>(std::to_chars(buf_ + len_, buf_ + capacity, value).ptr - buf_);
}

// The finite reals printed are floats widened to double (at most 3.4e38: 39
// digits before the point) or distances below 2^33, with at most six
// decimals, so 128 bytes always hold them.
void Writer::put_fixed(double value, int decimals) {
    if (std::isnan(value) || std::isinf(value)) {
        if (std::signbit(value)) put('-');
        put(std::isnan(value) ? "nan" : "inf");
        return;
    }
    char text[128];
    const int n = std::snprintf(text, sizeof text, "%.*f", decimals, value);
    put(std::string_view(text, static_cast<std::size_t>(std::clamp(n, 0, int{sizeof text} - 1))));
}

void Writer::put_fixed(float value, int decimals) {
    // A NaN is spelled before any conversion can change it; every other float
    // converts to double exactly.
    if (std::isnan(value)) return put(std::signbit(value) ? "-nan" : "nan");
    put_fixed(static_cast<double>(value), decimals);
}

bool Writer::flush() {
    write_all(fd_, buf_, len_, error_);
    len_ = 0;
    return error_ == 0;
}

// ---------------------------------------------------------------- Program

#ifndef MINITOOLS_VERSION
#define MINITOOLS_VERSION "0"
#endif

Program::Program(const char* name, int argc, char** argv, const Help& help)
    : in(STDIN_FILENO), out(STDOUT_FILENO), name_(name) {
    // Options count wherever they stand before "--", as getopt sees them;
    // the first one decides.
    std::vector<const char*> operands;
    bool options_ended = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (options_ended || arg == "-" || arg.empty() || arg[0] != '-') {
            operands.push_back(argv[i]);
        } else if (arg == "--") {
            options_ended = true;
        } else if (arg == "--help") {
            print_help(help);
            std::exit(finish());
        } else if (arg == "--version") {
            out.put(name);
            out.put(" (minitools) " MINITOOLS_VERSION "\n"
                    "Copyright (C) 2026 the minitools authors.\n"
                    "License MIT: <https://opensource.org/licenses/MIT>.\n"
                    "There is NO WARRANTY, to the extent permitted by law.\n");
            std::exit(finish());
        } else {
            fail_usage("unrecognized option '" + std::string(arg) + "'");
        }
    }
    const std::size_t allowed = help.reads_input ? 1 : 0;
    if (operands.size() > allowed) {
        fail_usage("extra operand '" + std::string(operands[allowed]) + "'");
    }
    if (!operands.empty() && std::string_view(operands[0]) != "-") {
        file_ = operands[0];
        const int fd = ::open(file_, O_RDONLY | O_CLOEXEC);
        if (fd < 0) fail_plain(std::string(file_) + ": " + std::strerror(errno), exit_failure);
        in.set_descriptor(fd);
    }
    // Before waiting for more input: the answers held back, and on a
    // terminal everything printed so far, are shown.
    in.set_before_wait(
        [](void* context) {
            auto& program = *static_cast<Program*>(context);
            program.answer_held();
            if (program.out.is_terminal()) program.out.flush();
        },
        this);
}

void Program::hold_answers(void (*answer)(void*), void* context) {
    answer_ = answer;
    answer_context_ = context;
}

void Program::answer_held() {
    if (answer_ != nullptr) answer_(answer_context_);
}

void Program::print_help(const Help& help) {
    const std::string_view name = name_;
    out.put("Usage: ");
    out.put(name);
    out.put(help.reads_input ? " [FILE]\n" : "\n");
    out.put("  or:  ");
    out.put(name);
    out.put(" OPTION\n");
    out.put(help.summary);
    out.put("\n\n");
    out.put(help.description);
    out.put("\nOptions:\n"
            "      --help     display this help and exit\n"
            "      --version  output version information and exit\n\n");
    if (help.reads_input) out.put("With no FILE, or when FILE is -, read standard input.\n\n");
    out.put("Example:\n");
    out.put(help.example);
    out.put("\nExit status:\n"
            "  0  success\n"
            "  1  ");
    out.put(help.failure);
    out.put("  2  a wrong command line: an unknown option or an extra operand\n");
}

void Program::fail_plain(std::string_view message, int status) {
    answer_held();
    out.flush();
    std::string line = name_;
    line += ": ";
    line += message;
    line += '\n';
    int error = 0;
    write_all(STDERR_FILENO, line.data(), line.size(), error);
    std::exit(status);
}

void Program::fail_usage(std::string_view message) {
    std::string text(message);
    text += "\nTry '";
    text += name_;
    text += " --help' for more information.";
    fail_plain(text, exit_usage);
}

void Program::fail_read_error() {
    std::string message = file_ != nullptr ? std::string(file_) + ": " : std::string();
    message += "read error: ";
    message += std::strerror(in.error());
    fail_plain(message, exit_failure);
}

void Program::fail(std::string_view message) {
    std::string located = file_ != nullptr ? std::string(file_) + ":" : std::string("line ");
    located += std::to_string(in.token_line());
    located += ": ";
    located += message;
    fail_plain(located, exit_failure);
}

void Program::fail_read(Status status, std::string_view expected, std::string_view what,
                        long long index, long long count, const std::string& consumed) {
    std::string message(what);
    if (index > 0) {
        message += ' ' + std::to_string(index);
        if (count > 0) message += " of " + std::to_string(count);
    }
    message += ": ";
    if (status == Status::end_of_input && in.error() != 0) fail_read_error();
    switch (status) {
    case Status::too_large:
        message += "integer '" + consumed + "' is too large (the largest is 2147483647)";
        break;
    case Status::too_small:
        message += "integer '" + consumed + "' is too small (the smallest is -2147483648)";
        break;
    case Status::end_of_input:
        message += "expected " + std::string(expected) + ", found end of input";
        break;
    default: {
        std::string found;
        for (char c : consumed) append_visible(found, static_cast<unsigned char>(c));
        found += in.describe_next();
        message += "expected " + std::string(expected) + ", found '" + found + "'";
        break;
    }
    }
    fail(message);
}

int Program::read_int(std::string_view what, long long index, long long count) {
    int value = 0;
    Status status = in.read_int(value);
    if (status != Status::ok) fail_read(status, "an integer", what, index, count, in.last_token());
    return value;
}

char Program::read_char(std::string_view what, long long index, long long count) {
    char value = 0;
    Status status = in.read_char(value);
    if (status != Status::ok) fail_read(status, "a character", what, index, count, {});
    return value;
}

float Program::read_float(std::string_view what, long long index, long long count) {
    float value = 0;
    Status status = in.read_float(value);
    if (status != Status::ok) fail_read(status, "a real number", what, index, count, in.last_token());
    return value;
}

int Program::finish() {
    if (in.error() != 0) fail_read_error();
    answer_held();
    out.flush();
    int error = out.error();
    if (error == 0 && ::close(STDOUT_FILENO) != 0 && errno != EBADF) error = errno;
    if (error == 0) return exit_ok;
    std::string message = std::string(name_) + ": write error: " + std::strerror(error) + '\n';
    int ignored = 0;
    write_all(STDERR_FILENO, message.data(), message.size(), ignored);
    return exit_failure;
}

}  // namespace support
