// The operating system, behind the few calls the suite makes of it: open a
// file to read, read or map it, write, close, ask whether a descriptor is a
// terminal, and keep the bytes of standard input and output unchanged. The build
// compiles one implementation, platform_posix.cpp or platform_windows.cpp;
// no other file of the suite tests for a platform.
#pragma once

#include <cstddef>

namespace support::platform {

inline constexpr int standard_input = 0;
inline constexpr int standard_output = 1;
inline constexpr int standard_error = 2;

// Standard input, output and error carry bytes unchanged: no newline is
// translated and no byte ends the input early.
void use_binary_mode();

// A descriptor to read the file at path (in binary mode, not inherited by
// other programs), or -1 with errno set.
int open_for_reading(const char* path);

// Reads up to size bytes into data: how many were read, 0 at the end of the
// input, or -1 with errno set. An interrupted read is tried again.
long long read(int fd, char* data, std::size_t size);

// Writes all size bytes of data: 0, or the errno of the write that failed.
int write_all(int fd, const char* data, std::size_t size);

// Closes fd: 0, or the errno of the failure.
int close(int fd);

bool is_terminal(int fd);

// What a regular file looked like when it was mapped: which file it is, its
// size, and the times of its last change of contents and of its last change
// of any kind (to the nanosecond where the system keeps them), so that a
// program can tell, before it answers, that the file did not change while
// it read it. (A program that rewrites a file can put its time of change
// back, as `cp -p` and `touch -r` do, but not the other time.)
struct FileStamp {
    long long device = 0, file = 0;
    long long size = -1;
    long long modified_seconds = 0, modified_nanoseconds = 0;
    long long changed_seconds = 0, changed_nanoseconds = 0;
    bool operator==(const FileStamp&) const = default;  // GCOVR_EXCL_BR_LINE: compared fields
};

// The stamp of the file open as fd now (size -1 when it cannot be told).
FileStamp stamp(int fd);

// What a program says, and then ends with status 1, when a page of a mapped
// file cannot be read: the file shrank under it, or the system could not
// read the page (an I/O error). Each is a whole line for standard error.
struct UnreadableMessages {
    const char* shrank = "";
    const char* io_error = "";
};

// The rest of the regular file open as fd, from its offset to its end,
// mapped into memory read-only, with at least `slack` readable bytes after
// it: its bytes and their number, or data == nullptr when fd is not a
// regular file, nothing is left of it, or it cannot be mapped (then it is
// read as before). The mapping lasts to the end of the program. Should the
// file shrink while it is mapped, touching a byte it no longer has writes
// messages.shrank to standard error and ends the program with status 1 (and
// a page the system cannot read, messages.io_error). Bytes of its last page
// that a shrinking file no longer holds may read as zeros instead: the
// stamp taken when it was mapped tells the program.
struct Mapping {
    const char* data = nullptr;
    std::size_t size = 0;
    long long offset = 0;  // where in the file data begins
    FileStamp stamp;       // the file when it was mapped
};
Mapping map_rest(int fd, std::size_t slack, const UnreadableMessages& messages);

// size bytes, 2 MiB or more, for a large block (suitably aligned for any
// value), or nullptr when there is no room; freed with std::free. Where
// the system has large pages (Linux: 2 MiB), the block is placed on their
// bounds and marked for them, so that filling it takes one page fault for
// each large page rather than one for each 4 KiB (on a virtual machine a
// fault can cost as much as reading a page of input).
void* allocate_large(std::size_t size);

// Moves the offset of fd, open on a regular file, to offset.
void seek(int fd, long long offset);

}  // namespace support::platform
