#include "harness.hpp"

#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "programs.hpp"

extern char** environ;

namespace minitools {

namespace {

const std::string& scratch_dir() {
    static const std::string dir = [] {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base ? base : "/tmp") + "/minitools-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        return pattern;
    }();
    return dir;
}

std::string slurp(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

}  // namespace

Result run(std::string_view program, std::string_view input, const RunOptions& options) {
    // Each run gets its own files, so tests may run in parallel processes.
    static int serial = 0;
    const std::string stem = scratch_dir() + "/" + std::to_string(::getpid()) + "-" +
                             std::to_string(serial++);
    const std::string in_path = stem + ".in", out_path = stem + ".out",
                      err_path = stem + ".err";
    {
        std::ofstream file(in_path, std::ios::binary);
        file.write(input.data(), static_cast<std::streamsize>(input.size()));
    }
    const std::string stdout_path = options.stdout_path.empty() ? out_path : options.stdout_path;

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in_path.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, stdout_path.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err_path.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const std::string path = std::string(bin_dir) + "/" + std::string(program);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(path.c_str()));
    for (const std::string& arg : options.args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    Result result;
    pid_t pid = 0;
    int rc = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) {
        ADD_FAILURE() << "cannot start " << path;
        return result;
    }
    int wstatus = 0;
    while (::waitpid(pid, &wstatus, 0) < 0) {
    }
    if (WIFEXITED(wstatus)) {
        result.status = WEXITSTATUS(wstatus);
    } else if (WIFSIGNALED(wstatus)) {
        result.signal = WTERMSIG(wstatus);
    }
    if (options.stdout_path.empty()) result.out = slurp(out_path);
    result.err = slurp(err_path);
    ::unlink(in_path.c_str());
    ::unlink(out_path.c_str());
    ::unlink(err_path.c_str());
    return result;
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
