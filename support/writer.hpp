// Writing the answers: buffered, checked standard output.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

namespace support {

// Buffered standard output. Nothing is written until the buffer fills or
// the program finishes; a failed write is remembered and reported once.
// A write that fails while the program is still printing calls the failure
// hook, which ends the program: the rest of its output could not be written
// anyway (where no SIGPIPE ends it, as on Windows, a closed pipe would
// otherwise let a long computation run on for nothing).
class Writer {
public:
    explicit Writer(int fd);
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;
    ~Writer();

    void put(char c) {
        if (len_ == capacity) make_room();
        buf_[len_++] = static_cast<char8_t>(c);
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
    // Called when writing out a full buffer fails.
    void set_on_failure(void (*hook)(void*), void* context) {
        on_failure_ = hook;
        on_failure_context_ = context;
    }
    int error() const { return error_; }  // errno of the first failed write
    bool is_terminal() const { return terminal_; }

private:
    void put_in_parts(std::string_view text);
    void make_room();

    static constexpr std::size_t capacity = 1 << 16;
    int fd_;
    bool terminal_;
    int error_ = 0;
    std::size_t len_ = 0;
    // The buffer holds char8_t, a byte type that, unlike char, the compiler
    // need not assume to alias other objects: storing a byte does not make
    // it reload the writer's length or the reader's state from memory.
    char8_t* buf_;
    void (*on_failure_)(void*) = nullptr;
    void* on_failure_context_ = nullptr;
};

}  // namespace support
