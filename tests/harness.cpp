#include "harness.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "programs.hpp"

extern char** environ;

namespace minitools {

namespace {

// The folder of the runs' files, made on the first run and removed with
// what is left in it when the test runner exits (each test is a runner of
// its own under CTest: a folder left each time would pile up).
const std::string& scratch_dir() {
    static const struct Scratch {
        std::string path;
        pid_t owner = ::getpid();
        Scratch() {
            const char* base = std::getenv("TMPDIR");
            path = std::string(base ? base : "/tmp") + "/minitools-XXXXXX";
            if (::mkdtemp(path.data()) == nullptr) std::abort();
        }
        ~Scratch() {
            // A forked copy of the runner (a death test) that exits
            // leaves the folder to the runner that made it.
            if (::getpid() != owner) return;
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    } dir;
    return dir.path;
}

std::string slurp(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The words of a ';'-separated command.
std::vector<std::string> split_command(std::string_view list) {
    std::vector<std::string> words;
    for (std::size_t start = 0; start < list.size();) {
        std::size_t end = std::min(list.find(';', start), list.size());
        words.emplace_back(list.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

// The argument vector execve takes: the words, then a null pointer. It
// points into the words, which must outlive it.
std::vector<char*> argv_of(std::vector<std::string>& words) {
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    return argv;
}

}  // namespace

// The words that start a program of the build: in a cross build the
// emulator's come first.
std::vector<std::string> command(std::string_view program) {
    std::vector<std::string> words = split_command(emulator);
    words.push_back(std::string(bin_dir) + "/" + std::string(program) + std::string(program_suffix));
    return words;
}

namespace {

// The node that runs this test runner's WebAssembly programs one after
// another (tests/wasi-host.mjs), started at the first run it can take. It
// ends when this process does, which closes the pipe of its requests.
class Host {
public:
    ~Host() { stop(); }

    // Runs a program as RunOptions say, its standard streams opened from the
    // paths given; fills in how it ended. False if the host cannot take the
    // run as a process would take it, or cannot start: the host reads names
    // as UTF-8, which only ASCII names are whatever their bytes; a NUL ends
    // an argument of a process; and an argument of more than 128 KiB, or
    // more than a MiB of them, may be too long for one.
    bool run(const std::string& module, const std::string& stdin_path, const std::string& stdout_path,
             const std::string& err_path, const RunOptions& options, Result& result) {
        std::vector<std::string> fields = {module, stdin_path, stdout_path, err_path,
                                           std::to_string(options.args.size())};
        fields.insert(fields.end(), options.args.begin(), options.args.end());
        std::string request;
        for (const std::string& field : fields) {
            const bool plain = std::all_of(field.begin(), field.end(),
                                           [](char c) { return c != '\0' && static_cast<unsigned char>(c) < 0x80; });
            if (!plain || field.size() > (std::size_t{128} << 10)) return false;
            request += field;
            request += '\0';
        }
        if (request.size() > (std::size_t{1} << 20)) return false;
        if (pid_ < 0 && !start()) return false;
        const auto start = std::chrono::steady_clock::now();
        for (std::size_t sent = 0; sent < request.size();) {
            const ssize_t n = ::write(requests_, request.data() + sent, request.size() - sent);
            if (n <= 0) return ended(result);
            sent += static_cast<std::size_t>(n);
        }
        // The answer, or the host killed when the program runs past its time.
        std::size_t end;
        while ((end = answers_pending_.find('\n')) == std::string::npos) {
            const auto left =
                std::chrono::duration<double>(options.timeout_seconds) - (std::chrono::steady_clock::now() - start);
            if (left.count() < 0) {
                ::kill(pid_, SIGKILL);
                result.timed_out = true;
                return ended(result);
            }
            struct pollfd answer = {answers_, POLLIN, 0};
            if (::poll(&answer, 1, static_cast<int>(std::min(left.count() * 1000 + 1, 1000.0))) <= 0) continue;
            char chunk[256];
            const ssize_t n = ::read(answers_, chunk, sizeof chunk);
            if (n <= 0) return ended(result);
            answers_pending_.append(chunk, static_cast<std::size_t>(n));
        }
        const std::string answer = answers_pending_.substr(0, end);
        answers_pending_.erase(0, end + 1);
        result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (answer.rfind("- ", 0) == 0) {
            ADD_FAILURE() << "cannot start " << module << ": " << answer.substr(2);
            return true;
        }
        long memory_kib = 0;
        std::istringstream(answer) >> result.status >> memory_kib;
        if (options.measure_memory) result.max_rss_kib = memory_kib;
        // A host keeps what its runs left open (see wasi-host.mjs): after a
        // few hundred, the next run starts a new one.
        if (++runs_ == 256) stop();
        return true;
    }

private:
    bool start() {
        // The test runner's ends of the pipes are not inherited by the
        // programs it starts, nor by the host.
        int to_host[2], from_host[2];
        if (::pipe2(to_host, O_CLOEXEC) != 0) return false;
        if (::pipe2(from_host, O_CLOEXEC) != 0) {
            ::close(to_host[0]);
            ::close(to_host[1]);
            return false;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, to_host[0], 0);
        posix_spawn_file_actions_adddup2(&actions, from_host[1], 1);
        std::vector<std::string> words = split_command(host);
        std::vector<char*> argv = argv_of(words);
        const int rc = posix_spawnp(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(to_host[0]);
        ::close(from_host[1]);
        requests_ = to_host[1];
        answers_ = from_host[0];
        if (rc != 0) {
            pid_ = -1;
            ended_pipes();
            return false;
        }
        // A host that died fails the write of a request, instead of ending
        // the test runner.
        ::signal(SIGPIPE, SIG_IGN);
        return true;
    }

    // The host ends when its requests end; it is waited for, so that its
    // time is this process's.
    void stop() {
        if (pid_ < 0) return;
        ::close(requests_);
        requests_ = -1;
        Result ignored;
        ended(ignored);
    }

    // The host ended, or was killed: the run ends the way it did. The next
    // run starts a new one.
    bool ended(Result& result) {
        int wstatus = 0;
        if (::waitpid(pid_, &wstatus, 0) == pid_) {
            if (WIFEXITED(wstatus)) result.status = WEXITSTATUS(wstatus);
            if (WIFSIGNALED(wstatus)) result.signal = WTERMSIG(wstatus);
        }
        pid_ = -1;
        ended_pipes();
        return true;
    }

    void ended_pipes() {
        if (requests_ >= 0) ::close(requests_);
        ::close(answers_);
        requests_ = answers_ = -1;
        answers_pending_.clear();
        runs_ = 0;
    }

    pid_t pid_ = -1;
    int runs_ = 0;
    int requests_ = -1, answers_ = -1;
    std::string answers_pending_;
};

// Whether the host can run a program as the options say: what the runner's
// own process would add (a closed or piped standard stream, the environment,
// limits, another folder or user) needs a runner of its own.
bool hosted(const RunOptions& options) {
    return !host.empty() && !options.own_process && !options.closed_pipe && !options.closed_stdin &&
           !options.piped_stdin && !options.closed_stdout && !options.sigpipe_ignored &&
           options.address_space_kib == 0 && options.working_dir.empty() && options.environment.empty() &&
           !options.unprivileged;
}

// Starts the program as the options say, waits for it and fills in how it
// ended.
void spawn(std::string_view program, const std::string& in_path, const std::string& stdout_path,
           const std::string& err_path, const std::string& rss_path, int stdout_pipe, const RunOptions& options,
           Result& result) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (options.closed_stdin) {
        posix_spawn_file_actions_addclose(&actions, 0);
    } else if (options.piped_stdin) {
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    } else {
        const std::string& path = options.stdin_path.empty() ? in_path : options.stdin_path;
        posix_spawn_file_actions_addopen(&actions, 0, path.c_str(), O_RDONLY, 0);
    }
    if (stdout_pipe >= 0) {
        posix_spawn_file_actions_adddup2(&actions, stdout_pipe, 1);
    } else if (options.closed_stdout) {
        posix_spawn_file_actions_addclose(&actions, 1);
    } else {
        posix_spawn_file_actions_addopen(&actions, 1, stdout_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }
    posix_spawn_file_actions_addopen(&actions, 2, err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<std::string> words = command(program);
    if (options.address_space_kib > 0) {
        // The shell sets the limit (setrlimit RLIMIT_AS) in the child, then
        // becomes the program.
        words.insert(
            words.begin(),
            {"/bin/sh", "-c", "ulimit -v " + std::to_string(options.address_space_kib) + " && exec \"$@\"", "sh"});
    }
    if (options.piped_stdin) {
        // The shell feeds the input through cat, then becomes the program.
        const std::string& input_path = options.stdin_path.empty() ? in_path : options.stdin_path;
        words.insert(words.begin(), {"/bin/sh", "-c", "cat \"$0\" | exec \"$@\"", input_path});
    }
    if (!options.working_dir.empty()) {
        words.insert(words.begin(), {"/bin/sh", "-c", "cd \"$0\" && exec \"$@\"", options.working_dir});
    }
    std::vector<std::string> environment = options.environment;
    // A sweep's start that is not sampled runs without the leak check (see
    // RunOptions::sweep).
    static std::atomic<unsigned> sweep_starts = 0;
    if (sanitized && options.sweep && sweep_starts++ % 3 != 0) {
        const char* asan_options = std::getenv("ASAN_OPTIONS");
        environment.push_back("ASAN_OPTIONS=" + std::string(asan_options ? asan_options : "") + ":detect_leaks=0");
    }
    if (!environment.empty()) {
        words.insert(words.begin(), environment.begin(), environment.end());
        words.insert(words.begin(), "/usr/bin/env");
    }
    if (options.unprivileged && ::geteuid() == 0) {
        words.insert(words.begin(), {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "--"});
    }
    if (options.measure_memory) {
        // A child's peak memory counts what it had before its exec, which
        // for a child of this process is this process's memory (see
        // measure.cpp): the helper starts the program and measures it.
        std::vector<std::string> helper = split_command(measure);
        helper.push_back(rss_path);
        words.insert(words.begin(), helper.begin(), helper.end());
    }
    words.insert(words.end(), options.args.begin(), options.args.end());
    std::vector<char*> argv = argv_of(words);

    // The child starts with SIGPIPE at its default action, whatever the
    // test runner does with it, or ignored (a disposition exec keeps). It
    // leads a process group of its own, so that a child that runs past its
    // time is killed with whatever it started (a shell's cat, the program
    // the helper started).
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t default_signals;
    sigemptyset(&default_signals);
    if (options.sigpipe_ignored) {
        ::signal(SIGPIPE, SIG_IGN);
    } else {
        sigaddset(&default_signals, SIGPIPE);
    }
    posix_spawnattr_setsigdefault(&attributes, &default_signals);
    posix_spawnattr_setpgroup(&attributes, 0);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETPGROUP);

    pid_t pid = 0;
    const auto start = std::chrono::steady_clock::now();
    const int rc = posix_spawnp(&pid, argv[0], &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (rc != 0) {
        ADD_FAILURE() << "cannot start " << bin_dir << "/" << program;
        return;
    }
    // Wait, killing the child if it runs past its time. A descriptor for the
    // child (Linux's pidfd) becomes readable the moment it ends, so the next
    // start follows at once; without one, the wait polls, sleeping longer
    // each time (a few milliseconds lost per start).
    const int child = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
    int wstatus = 0;
    auto pause = std::chrono::microseconds(50);
    for (;;) {
        pid_t done = ::waitpid(pid, &wstatus, WNOHANG);
        if (done == pid) break;
        const auto left =
            std::chrono::duration<double>(options.timeout_seconds) - (std::chrono::steady_clock::now() - start);
        if (!result.timed_out && left.count() < 0) {
            ::kill(-pid, SIGKILL);
            result.timed_out = true;
        }
        if (child >= 0) {
            struct pollfd ended = {child, POLLIN, 0};
            const double wait_ms = result.timed_out ? 1000 : std::min(left.count() * 1000 + 1, 1000.0);
            ::poll(&ended, 1, static_cast<int>(wait_ms));
        } else {
            std::this_thread::sleep_for(pause);
            pause = std::min(pause * 2, std::chrono::microseconds(5000));
        }
    }
    if (child >= 0) ::close(child);
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (options.measure_memory) result.max_rss_kib = std::atol(slurp(rss_path).c_str());
    if (WIFEXITED(wstatus)) {
        result.status = WEXITSTATUS(wstatus);
    } else if (WIFSIGNALED(wstatus)) {
        result.signal = WTERMSIG(wstatus);
    }
}

Result run_once(std::string_view program, std::string_view input, const RunOptions& options) {
    // Each run gets its own files, so tests may run in parallel processes.
    static std::atomic<int> serial = 0;
    const std::string stem = scratch_dir() + "/" + std::to_string(::getpid()) + "-" + std::to_string(serial++);
    const std::string in_path = stem + ".in", out_path = stem + ".out", err_path = stem + ".err",
                      rss_path = stem + ".rss";
    {
        std::ofstream file(in_path, std::ios::binary);
        file.write(input.data(), static_cast<std::streamsize>(input.size()));
    }
    const std::string stdout_path = options.stdout_path.empty() ? out_path : options.stdout_path;

    // Standard output goes to a file, or to a pipe that is either closed
    // from the start or read by a thread up to a limit and then closed.
    Result result;
    int pipe_ends[2] = {-1, -1};
    const bool piped = options.closed_pipe || options.output_limit > 0;
    std::thread reader;
    if (piped) {
        if (::pipe2(pipe_ends, O_CLOEXEC) != 0) std::abort();
        if (options.closed_pipe) {
            ::close(pipe_ends[0]);
        } else {
            reader = std::thread([&result, fd = pipe_ends[0], limit = options.output_limit] {
                char chunk[65536];
                while (result.out.size() < limit) {
                    ssize_t n = ::read(fd, chunk, sizeof chunk);
                    if (n <= 0) break;
                    result.out.append(chunk, static_cast<std::size_t>(n));
                }
                ::close(fd);
            });
        }
    }
    static Host programs_host;
    const std::string module = std::string(bin_dir) + "/" + std::string(program) + std::string(program_suffix);
    const std::string host_stdout =
        piped ? "/proc/" + std::to_string(::getpid()) + "/fd/" + std::to_string(pipe_ends[1]) : stdout_path;
    if (!hosted(options) || !programs_host.run(module, options.stdin_path.empty() ? in_path : options.stdin_path,
                                               host_stdout, err_path, options, result)) {
        spawn(program, in_path, stdout_path, err_path, rss_path, pipe_ends[1], options, result);
    }
    if (piped) ::close(pipe_ends[1]);
    if (reader.joinable()) reader.join();
    if (options.stdout_path.empty() && !piped) result.out = slurp(out_path);
    result.err = slurp(err_path);
    ::unlink(in_path.c_str());
    ::unlink(out_path.c_str());
    ::unlink(err_path.c_str());
    ::unlink(rss_path.c_str());
    return result;
}

}  // namespace

// Under wine a program occasionally fails to start (about once in a few
// thousand starts, more under load) and wine ends with status 1, silent, as
// its own messages are off. The programs never end with status 1 without a
// message, so such a run is started again, twice at most. As rarely, wine's
// own loader fails as the program ends, after it did its work: status 127
// and a line from the host's ld.so ("Inconsistency detected by ld.so: ...
// _dl_fini: Assertion ... failed!"); such a run is started again too.
Result run(std::string_view program, std::string_view input, const RunOptions& options) {
    for (int attempt = 1;; ++attempt) {
        Result result = run_once(program, input, options);
        const bool did_not_start = result.status == 1 && result.out.empty() && result.err.empty();
        const bool wine_failed_at_exit =
            result.status == 127 && result.err.find("Inconsistency detected by ld.so") != std::string::npos;
        if (!programs_on_windows || !(did_not_start || wine_failed_at_exit) || attempt == 3) return result;
    }
}

bool can_run_unprivileged(std::string_view program, const std::string& folder) {
    if (::geteuid() != 0) return true;
    if (std::system("setpriv --reuid=65534 --regid=65534 --clear-groups true 2>/dev/null") != 0) return false;
    return run(program, "", {.args = {"--version"}, .working_dir = folder, .unprivileged = true}).status == 0;
}

std::string run_on_terminal(std::string_view program, const std::vector<TerminalStep>& steps, double seconds) {
    std::vector<std::string> words = command(program);
    std::vector<char*> argv = argv_of(words);
    struct termios raw {};
    cfmakeraw(&raw);
    int master = -1;
    const pid_t pid = ::forkpty(&master, nullptr, &raw, nullptr);
    if (pid < 0) {
        ADD_FAILURE() << "forkpty failed";
        return {};
    }
    if (pid == 0) {
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    std::string printed, expected;
    bool waiting = true;
    for (const TerminalStep& step : steps) {
        expected += step.expect;
        if (::write(master, step.input.data(), step.input.size()) < 0) break;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        waiting = true;
        while (waiting && std::chrono::steady_clock::now() < deadline) {
            struct pollfd ready = {master, POLLIN, 0};
            if (::poll(&ready, 1, 50) <= 0) continue;
            char chunk[4096];
            const ssize_t n = ::read(master, chunk, sizeof chunk);
            if (n <= 0) break;
            printed.append(chunk, static_cast<std::size_t>(n));
            waiting = printed.size() < expected.size();
        }
        if (waiting) break;
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    ::close(master);
    return printed;
}

std::string example(std::string_view program, std::string_view extension) {
    return slurp(std::string(examples_dir) + "/" + std::string(program) + std::string(extension));
}

void expect_case(std::string_view program, const Case& c) {
    SCOPED_TRACE(std::string(program) + ": " + std::string(c.name));
    Result r = run(program, c.input);
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.status, c.status);
    if (c.status == 0) {
        EXPECT_EQ(r.err, "");
    } else {
        const std::string prefix = std::string(program) + ": ";
        EXPECT_EQ(r.err.rfind(prefix, 0), 0u) << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "one line expected: " << r.err;
        EXPECT_NE(r.err.find(c.err_has), std::string::npos) << r.err;
    }
}

void expect_cases(std::string_view program, const std::vector<Case>& cases) {
    for (const Case& c : cases) expect_case(program, c);
}

}  // namespace minitools
