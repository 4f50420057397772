#include "writer.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "platform.hpp"

namespace support {

Writer::Writer(int fd) : fd_(fd), terminal_(platform::is_terminal(fd)), buf_(new char8_t[capacity]) {}

Writer::~Writer() { delete[] buf_; }

void Writer::put_in_parts(std::string_view text) {
    while (!text.empty()) {
        if (len_ == capacity) make_room();
        std::size_t n = std::min(text.size(), capacity - len_);
        std::memcpy(buf_ + len_, text.data(), n);
        len_ += n;
        text.remove_prefix(n);
    }
}

void Writer::put_int(long long value) {
    // Converted in place: a long long takes at most 20 bytes.
    if (capacity - len_ < 20) make_room();
    char* const text = reinterpret_cast<char*>(buf_);
    len_ = static_cast<std::size_t>(std::to_chars(text + len_, text + capacity, value).ptr - text);
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

void Writer::make_room() {
    if (!flush() && on_failure_ != nullptr) on_failure_(on_failure_context_);
}

bool Writer::flush() {
    if (error_ == 0) error_ = platform::write_all(fd_, reinterpret_cast<const char*>(buf_), len_);
    len_ = 0;
    return error_ == 0;
}

}  // namespace support
