// The operating-system calls of platform.hpp on a POSIX system.
#include "platform.hpp"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
// WASI has neither signals nor a mapping of files.
#if !defined(__wasi__)
#include <csignal>
#include <sys/mman.h>
#endif

namespace support::platform {

// POSIX keeps bytes as they are.
void use_binary_mode() {}

// An empty name names no file. Linux says so; WASI's C library would open
// the first folder it was given instead.
int open_for_reading(const char* path) {
    if (*path == '\0') {
        errno = ENOENT;
        return -1;
    }
    return ::open(path, O_RDONLY | O_CLOEXEC);
}

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

void* allocate_large(std::size_t size) {
#if defined(MADV_HUGEPAGE)
    constexpr std::size_t large_page = std::size_t{2} << 20;
    void* data = nullptr;
    if (::posix_memalign(&data, large_page, size) != 0) return nullptr;
    // Only a hint: where large pages are not to be had, the block is given
    // small ones as any other.
    ::madvise(data, size, MADV_HUGEPAGE);
    return data;
#else
    return std::malloc(size);
#endif
}

void seek(int fd, long long offset) { ::lseek(fd, static_cast<off_t>(offset), SEEK_SET); }

FileStamp stamp(int fd) {
    struct stat status;
    if (::fstat(fd, &status) != 0) return {};
    return {static_cast<long long>(status.st_size), static_cast<long long>(status.st_mtim.tv_sec),
            static_cast<long long>(status.st_mtim.tv_nsec)};
}

#if defined(__wasi__)

Mapping map_rest(int, std::size_t, const UnreadableMessages&) { return {}; }
#else

namespace {

UnreadableMessages unreadable;

// A page of a mapped file that cannot be read raises SIGBUS: past the end of
// a file that shrank (BUS_ADRERR), or where the system failed to read it
// (BUS_OBJERR). Only async-signal-safe calls here.
extern "C" void report_unreadable_page(int, siginfo_t* info, void*) {
    const char* const message = info->si_code == BUS_OBJERR ? unreadable.io_error : unreadable.shrank;
    const ssize_t ignored = ::write(standard_error, message, std::strlen(message));
    static_cast<void>(ignored);
    ::_exit(1);
}

}  // namespace

Mapping map_rest(int fd, std::size_t slack, const UnreadableMessages& messages) {
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) return {};
    const FileStamp mapped{static_cast<long long>(status.st_size), static_cast<long long>(status.st_mtim.tv_sec),
                           static_cast<long long>(status.st_mtim.tv_nsec)};
    // The offset, or -1 if it cannot be told: as unsigned, that is past
    // any end.
    const off_t offset = ::lseek(fd, 0, SEEK_CUR);
    if (static_cast<std::uintmax_t>(offset) >= static_cast<std::uintmax_t>(status.st_size)) return {};
    const auto page = static_cast<std::uintmax_t>(::sysconf(_SC_PAGESIZE));
    // The mapping starts at the page that holds the offset.
    const auto skipped = static_cast<std::uintmax_t>(offset) % page;
    const auto length = static_cast<std::uintmax_t>(status.st_size - offset) + skipped;
    if (length > SIZE_MAX / 4) return {};  // no room for it here: read it instead
    // Whole pages of the file, then whole pages of zeros for the slack: the
    // space is taken first, and the file mapped over its start. (The bytes
    // of the file's last page past its end read as zeros too.)
    const auto file_pages = static_cast<std::size_t>((length + page - 1) / page * page);
    const auto total = file_pages + static_cast<std::size_t>((slack + page - 1) / page * page);
    void* const space = ::mmap(nullptr, total, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (space == MAP_FAILED) return {};
    if (::mmap(space, static_cast<std::size_t>(length), PROT_READ, MAP_PRIVATE | MAP_FIXED, fd,
               offset - static_cast<off_t>(skipped)) == MAP_FAILED) {
        ::munmap(space, total);
        return {};
    }
#if defined(MADV_POPULATE_READ)
    // The page tables of the first 256 MiB filled at once, which costs far
    // less than a page fault for every few pages as they are first read (a
    // larger file may not fit in memory whole: its rest is read as it comes).
    ::madvise(space, std::min<std::size_t>(static_cast<std::size_t>(length), std::size_t{256} << 20),
              MADV_POPULATE_READ);
#endif
    unreadable = messages;
    struct sigaction action = {};
    action.sa_sigaction = report_unreadable_page;
    action.sa_flags = SA_SIGINFO;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGBUS, &action, nullptr);
    return {static_cast<const char*>(space) + skipped, static_cast<std::size_t>(length - skipped), offset, mapped};
}

#endif

}  // namespace support::platform
