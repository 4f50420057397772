// Memory: one growable block for the programs that keep their input, and the
// one way a program ends when memory runs out.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <limits>
#include <type_traits>

#include "platform.hpp"

namespace support {

// Ends the program with "NAME: out of memory" on standard error and status
// 1, after writing out what it had printed. Every allocation that fails ends
// here: a Block's, and operator new's (a Program installs it as the new
// handler), so nothing needs C++ exceptions and nothing aborts.
[[noreturn]] void out_of_memory();

// Values in one block that grows by doubling. Up to 256 KiB it grows by
// realloc. With glibc, a block below the mmap threshold (128 KiB at first;
// see M_MMAP_THRESHOLD in mallopt(3)) lies in the heap, and realloc extends
// it in place where the memory after it is free and copies it otherwise; a
// block at or above the threshold is mapped on its own, and realloc moves its
// pages with mremap rather than copying them. Past 256 KiB it is copied into
// a block of 2 MiB or more, in large pages where the system has them (see
// platform::allocate_large): the copy costs far less than the page faults it
// saves.
template <class T>
class Block {
    static_assert(std::is_trivially_copyable_v<T>, "a Block moves its values as bytes");

public:
    Block() = default;
    Block(const Block&) = delete;
    Block& operator=(const Block&) = delete;
    ~Block() { std::free(data_); }

    // Room for count more values after the size.
    T* room(std::size_t count) {
        if (capacity_ - size_ < count) grow(count);
        return data_ + size_;
    }
    // The count values written at room() now belong to the block.
    void grow_by(std::size_t count) { size_ += count; }
    void push_back(T value) {
        *room(1) = value;
        ++size_;
    }

    T* data() { return data_; }
    const T* data() const { return data_; }
    std::size_t size() const { return size_; }
    T back() const { return data_[size_ - 1]; }

private:
    // At least doubles the capacity, to 64 KiB at the least. Sizes that would
    // pass what a size_t counts stop at the most it counts, which no realloc
    // can give: out of memory.
    void grow(std::size_t count) {
        constexpr std::size_t most = std::numeric_limits<std::size_t>::max() / sizeof(T);
        const std::size_t needed = size_ + std::min(count, most - size_);
        const std::size_t doubled = 2 * std::min(capacity_, most / 2);
        std::size_t capacity = std::max({doubled, needed, std::size_t{65536} / sizeof(T)});
        if (capacity > small / sizeof(T) && capacity < large / sizeof(T)) capacity = large / sizeof(T);
        const std::size_t bytes = capacity * sizeof(T);
        void* const grown = bytes < large ? std::realloc(data_, bytes) : platform::allocate_large(bytes);
        if (grown == nullptr) out_of_memory();
        if (bytes >= large) {
            std::copy_n(data_, size_, static_cast<T*>(grown));
            std::free(data_);
        }
        data_ = static_cast<T*>(grown);
        capacity_ = capacity;
    }

    static constexpr std::size_t small = std::size_t{256} << 10, large = std::size_t{2} << 20;

    T* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

}  // namespace support
