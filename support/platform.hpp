// The operating system, behind the few calls the suite makes of it: open a
// file to read, read, write, close, ask whether a descriptor is a terminal,
// and keep the bytes of standard input and output unchanged. The build
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

}  // namespace support::platform
