// The operating-system calls of platform.hpp on Windows, through the C
// runtime's descriptors. Text mode would turn every "\n" written into "\r\n"
// and take the byte 0x1a as the end of the input, so every descriptor is in
// binary mode and the programs see and print the same bytes as on POSIX.
#include "platform.hpp"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

namespace support::platform {

namespace {

// Windows cannot open a directory as a file. POSIX opens it, and reading
// it fails with EISDIR; so a directory here is opened as the null device,
// and reading this descriptor fails the same way.
int directory_descriptor = -1;

}  // namespace

void use_binary_mode() {
    _setmode(standard_input, _O_BINARY);
    _setmode(standard_output, _O_BINARY);
    _setmode(standard_error, _O_BINARY);
}

int open_for_reading(const char* path) {
    struct _stat64 status;
    if (_stat64(path, &status) == 0 && (status.st_mode & _S_IFDIR) != 0) {
        directory_descriptor = _open("NUL", _O_RDONLY | _O_BINARY | _O_NOINHERIT);
        return directory_descriptor;
    }
    return _open(path, _O_RDONLY | _O_BINARY | _O_NOINHERIT);
}

long long read(int fd, char* data, std::size_t size) {
    if (fd == directory_descriptor) {
        errno = EISDIR;
        return -1;
    }
    const unsigned count = size > INT_MAX ? unsigned{INT_MAX} : static_cast<unsigned>(size);
    return _read(fd, data, count);
}

int write_all(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const unsigned count = size > INT_MAX ? unsigned{INT_MAX} : static_cast<unsigned>(size);
        const int n = _write(fd, data, count);
        if (n < 0) {
            // The C runtime calls a pipe whose reader has gone "invalid
            // argument"; it is a broken pipe, as POSIX says.
            const DWORD cause = GetLastError();
            const bool broken =
                cause == ERROR_BROKEN_PIPE || cause == ERROR_NO_DATA || cause == ERROR_PIPE_NOT_CONNECTED;
            return broken ? EPIPE : errno;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return 0;
}

int close(int fd) { return _close(fd) == 0 ? 0 : errno; }

bool is_terminal(int fd) { return _isatty(fd) != 0; }

// Windows keeps a file that is mapped from shrinking, so there is nothing
// to report. A view ends with its last page, whose bytes past the end of the
// file read as zeros: the file is mapped when they are enough slack.
Mapping map_rest(int fd, std::size_t slack, const UnreadableMessages&) {
    struct _stat64 status;
    if (fd == directory_descriptor || _fstat64(fd, &status) != 0 || (status.st_mode & _S_IFREG) == 0) return {};
    const long long offset = _telli64(fd);
    if (offset < 0 || offset >= status.st_size) return {};
    SYSTEM_INFO system;
    GetSystemInfo(&system);
    const auto granularity = static_cast<unsigned long long>(system.dwAllocationGranularity);
    const auto page = static_cast<unsigned long long>(system.dwPageSize);
    const unsigned long long start = static_cast<unsigned long long>(offset) / granularity * granularity;
    const unsigned long long length = static_cast<unsigned long long>(status.st_size) - start;
    if (length > SIZE_MAX / 4 || page - length % page < slack || length % page == 0) return {};
    const auto file = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    if (file == INVALID_HANDLE_VALUE) return {};
    const HANDLE mapping = CreateFileMappingW(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    if (mapping == nullptr) return {};
    const void* view = MapViewOfFile(mapping, FILE_MAP_READ, static_cast<DWORD>(start >> 32),
                                     static_cast<DWORD>(start & 0xffffffffu), static_cast<std::size_t>(length));
    CloseHandle(mapping);  // the view keeps it
    if (view == nullptr) return {};
    const auto skipped = static_cast<std::size_t>(static_cast<unsigned long long>(offset) - start);
    const FileStamp mapped{static_cast<long long>(status.st_size), static_cast<long long>(status.st_mtime), 0};
    return {static_cast<const char*>(view) + skipped, static_cast<std::size_t>(length) - skipped, offset, mapped};
}

// Large pages need a privilege that programs are not given: the block is
// allocated as any other.
void* allocate_large(std::size_t size) { return std::malloc(size); }

void seek(int fd, long long offset) { _lseeki64(fd, offset, SEEK_SET); }

// The C runtime keeps a file's time of change to the second.
FileStamp stamp(int fd) {
    struct _stat64 status;
    if (_fstat64(fd, &status) != 0) return {};
    return {static_cast<long long>(status.st_size), static_cast<long long>(status.st_mtime), 0};
}

}  // namespace support::platform
