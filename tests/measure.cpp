// Runs a command as its child, writes the child's peak resident memory (in
// KiB, as wait4 gives it) to a file, and ends as the child ended.
// Usage: minitools_measure FILE COMMAND [ARG...]
//
// The test runner cannot measure a program it starts itself: on Linux, a
// process's peak also counts the memory it had before its exec, and a child
// of posix_spawn shares the runner's memory until then (its peak counts the
// runner's peak), while a forked child is a copy of the runner (its peak
// counts all the runner holds). A child of this small process counts
// besides its own only the little this process holds.
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 3) return 125;
    const pid_t pid = ::fork();
    if (pid < 0) return 126;
    if (pid == 0) {
        ::execvp(argv[2], argv + 2);
        ::_exit(127);
    }
    // Only the child keeps the standard descriptors: a pipe it writes to
    // ends when the child does.
    ::close(0);
    ::close(1);
    ::close(2);
    int status = 0;
    struct rusage usage {};
    while (::wait4(pid, &status, 0, &usage) < 0) {
        if (errno != EINTR) return 126;
    }
    if (FILE* report = std::fopen(argv[1], "w")) {
        std::fprintf(report, "%ld\n", usage.ru_maxrss);
        std::fclose(report);
    }
    if (WIFSIGNALED(status)) {
        const int killed_by = WTERMSIG(status);
        ::signal(killed_by, SIG_DFL);
        sigset_t set;
        sigemptyset(&set);
        sigaddset(&set, killed_by);
        ::sigprocmask(SIG_UNBLOCK, &set, nullptr);
        ::raise(killed_by);
        return 128 + killed_by;  // as a shell tells it, should the signal not end this process
    }
    return WEXITSTATUS(status);
}
