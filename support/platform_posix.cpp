// The operating-system calls of platform.hpp on a POSIX system.
#include "platform.hpp"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace support::platform {

// POSIX keeps bytes as they are.
void use_binary_mode() {}

int open_for_reading(const char* path) { return ::open(path, O_RDONLY | O_CLOEXEC); }

namespace {

// A directory cannot be read: EISDIR, as Linux says it, where a WASI runtime
// refuses the read with EBADF.
bool is_directory(int fd) {
    struct stat status;
    return ::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode);
}

}  // namespace

long long read(int fd, char* data, std::size_t size) {
    for (;;) {
        const ssize_t n = ::read(fd, data, size);
        if (n >= 0 || errno != EINTR) {
            if (n < 0 && is_directory(fd)) errno = EISDIR;
            return n;
        }
    }
}

int write_all(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return 0;
}

int close(int fd) { return ::close(fd) == 0 ? 0 : errno; }

bool is_terminal(int fd) { return ::isatty(fd) == 1; }

}  // namespace support::platform
