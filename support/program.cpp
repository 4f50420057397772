#include "program.hpp"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>
#include <vector>

#include "platform.hpp"

namespace support {

#ifndef MINITOOLS_VERSION
#define MINITOOLS_VERSION "0"
#endif

namespace {

// Who reports running out of memory: the name from the start, the program
// once its output exists.
const char* reporting_name = "minitools";
Program* reporting_program = nullptr;

}  // namespace

ReportsOutOfMemory::ReportsOutOfMemory(const char* name) {
    reporting_name = name;
    std::set_new_handler(out_of_memory);
}

// Allocates nothing: the memory may be gone. What was printed is written
// out first (once: should the held answers need memory themselves, running
// out again comes back here and just reports).
void out_of_memory() {
    Program* const program = std::exchange(reporting_program, nullptr);
    if (program != nullptr) {
        program->answer_held();
        program->out.flush();
    }
    constexpr std::string_view what = ": out of memory\n";
    char line[128];
    const std::size_t name_size = std::min(std::strlen(reporting_name), sizeof line - what.size());
    std::memcpy(line, reporting_name, name_size);
    std::memcpy(line + name_size, what.data(), what.size());
    platform::write_all(platform::standard_error, line, name_size + what.size());
    std::exit(exit_failure);
}

Program::Program(const char* name, int argc, char** argv, const Help& help)
    : ReportsOutOfMemory(name), in(platform::standard_input), out(platform::standard_output), name_(name) {
    reporting_program = this;
    platform::use_binary_mode();
    // Options count wherever they stand before "--", as getopt sees them;
    // the first one decides.
    std::vector<const char*> operands;
    bool options_ended = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (options_ended || arg == "-" || arg.empty() || arg[0] != '-') {
            operands.push_back(argv[i]);
        } else if (arg == "--") {
            options_ended = true;
        } else if (arg == "--help") {
            print_help(help);
            std::exit(finish());
        } else if (arg == "--version") {
            out.put(name);
            out.put(" (minitools) " MINITOOLS_VERSION
                    "\n"
                    "Copyright (C) 2026 the minitools authors.\n"
                    "License MIT: <https://opensource.org/licenses/MIT>.\n"
                    "There is NO WARRANTY, to the extent permitted by law.\n");
            std::exit(finish());
        } else {
            fail_usage("unrecognized option '" + std::string(arg) + "'");
        }
    }
    const std::size_t allowed = help.reads_input ? 1 : 0;
    if (operands.size() > allowed) {
        fail_usage("extra operand '" + std::string(operands[allowed]) + "'");
    }
    if (!operands.empty() && std::string_view(operands[0]) != "-") {
        file_ = operands[0];
        const int fd = platform::open_for_reading(file_);
        if (fd < 0) fail_plain(std::string(file_) + ": " + std::strerror(errno), exit_failure);
        in.set_descriptor(fd);
    }
    // Before waiting for more input: the answers held back, and on a
    // terminal everything printed so far, are shown.
    in.set_before_wait(
        [](void* context) {
            auto& program = *static_cast<Program*>(context);
            program.answer_held();
            if (program.out.is_terminal() && !program.out.flush()) program.fail_write();
        },
        this);
    out.set_on_failure([](void* context) { static_cast<Program*>(context)->fail_write(); }, this);
}

Program::~Program() { reporting_program = nullptr; }

void Program::hold_answers(void (*answer)(void*), void* context) {
    answer_ = answer;
    answer_context_ = context;
}

void Program::answer_held() {
    if (answer_ != nullptr) answer_(answer_context_);
}

void Program::print_help(const Help& help) {
    const std::string_view name = name_;
    out.put("Usage: ");
    out.put(name);
    out.put(help.reads_input ? " [FILE]\n" : "\n");
    out.put("  or:  ");
    out.put(name);
    out.put(" OPTION\n");
    out.put(help.summary);
    out.put("\n\n");
    out.put(help.description);
    out.put(
        "\nOptions:\n"
        "      --help     display this help and exit\n"
        "      --version  output version information and exit\n\n");
    if (help.reads_input) out.put("With no FILE, or when FILE is -, read standard input.\n\n");
    out.put("Example:\n");
    out.put(help.example);
    out.put(
        "\nExit status:\n"
        "  0  success\n"
        "  1  ");
    out.put(help.failure);
    out.put("  2  a wrong command line: an unknown option or an extra operand\n");
}

void Program::fail_plain(std::string_view message, int status) {
    in.leave_offset();  // a mapped file's offset as a program that stops reading here leaves it
    answer_held();
    out.flush();
    std::string line = name_;
    line += ": ";
    line += message;
    line += '\n';
    platform::write_all(platform::standard_error, line.data(), line.size());
    std::exit(status);
}

void Program::fail_usage(std::string_view message) {
    std::string text(message);
    text += "\nTry '";
    text += name_;
    text += " --help' for more information.";
    fail_plain(text, exit_usage);
}

bool Program::keep_input() {
    // What is said if a page of the mapped input file cannot be read: the
    // read errors a reader that copies the file would give.
    const std::string prefix = std::string(name_) + ": " + (file_ != nullptr ? std::string(file_) + ": " : "");
    shrank_message_ = prefix + "read error: the input shrank while it was read\n";
    io_error_message_ = prefix + "read error: " + std::strerror(EIO) + "\n";
    return in.keep_input(shrank_message_.c_str(), io_error_message_.c_str());
}

void Program::fail_changed_input() {
    fail_plain(file_ != nullptr ? std::string(file_) + ": read error: the input changed while it was read"
                                : std::string("read error: the input changed while it was read"),
               exit_failure);
}

void Program::fail_read_error() {
    std::string message = file_ != nullptr ? std::string(file_) + ": " : std::string();
    message += "read error: ";
    message += std::strerror(in.error());
    fail_plain(message, exit_failure);
}

void Program::fail(std::string_view message) {
    std::string located = file_ != nullptr ? std::string(file_) + ":" : std::string("line ");
    located += std::to_string(in.token_line());
    located += ": ";
    located += message;
    fail_plain(located, exit_failure);
}

void Program::fail_read(Status status, std::string_view expected, std::string_view what, long long index,
                        long long count, const std::string& consumed) {
    std::string message(what);
    if (index > 0) {
        message += ' ' + std::to_string(index);
        if (count > 0) message += " of " + std::to_string(count);
    }
    message += ": ";
    if (status == Status::end_of_input && in.error() != 0) fail_read_error();
    switch (status) {
    case Status::too_large:
        message += "integer '" + consumed + "' is too large (the largest is 2147483647)";
        break;
    case Status::too_small:
        message += "integer '" + consumed + "' is too small (the smallest is -2147483648)";
        break;
    case Status::end_of_input:
        message += "expected " + std::string(expected) + ", found end of input";
        break;
    default: {
        std::string found;
        for (char c : consumed) append_visible(found, static_cast<unsigned char>(c));
        found += in.describe_next();
        message += "expected " + std::string(expected) + ", found '" + found + "'";
        break;
    }
    }
    fail(message);
}

float Program::read_float(std::string_view what, long long index, long long count) {
    float value = 0;
    Status status = in.read_float(value);
    if (status != Status::ok) fail_read(status, "a real number", what, index, count, in.last_token());
    return value;
}

int Program::finish() {
    if (in.error() != 0) fail_read_error();
    in.leave_offset();
    answer_held();
    out.flush();
    int error = out.error();
    if (error == 0) {
        // Closing reports a write the system had deferred; standard output
        // that was never open is no failure.
        const int closed = platform::close(platform::standard_output);
        if (closed != EBADF) error = closed;
    }
    if (error == 0) return exit_ok;
    report_write_error(error);
    return exit_failure;
}

void Program::fail_write() {
    report_write_error(out.error());
    std::exit(exit_failure);
}

void Program::report_write_error(int error) {
    const std::string message = std::string(name_) + ": write error: " + std::strerror(error) + '\n';
    platform::write_all(platform::standard_error, message.data(), message.size());
}

}  // namespace support
