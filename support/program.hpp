// What every program needs around its computation: the command line (an
// optional FILE operand, --help, --version), the help text, one way to report
// bad input, and the exit status.
#pragma once

#include <string>
#include <string_view>

#include "block.hpp"
#include "reader.hpp"
#include "writer.hpp"

namespace support {

// Exit statuses, named once for the whole suite.
inline constexpr int exit_ok = 0;
inline constexpr int exit_failure = 1;  // bad input, or a failed read or write
inline constexpr int exit_usage = 2;    // a wrong command line

// What --help prints for one program, apart from what every program shares
// (the usage lines, the options, standard input, the exit statuses 0 and 2).
struct Help {
    std::string_view summary;      // one sentence: the manual page's name line
    std::string_view description;  // paragraphs: the input, the answer
    // A shell session: an indented "$ " command line, then the lines it
    // prints, indented alike.
    std::string_view example;
    // When the status is 1, after "  1  "; further lines indented by five.
    std::string_view failure;
    bool reads_input = true;  // false: no FILE operand, standard input unused
};

// Makes running out of memory an error reported with the program's name,
// from before the first allocation of a Program (its input and output
// buffers) on: constructed before them, as the Program's base.
struct ReportsOutOfMemory {
    explicit ReportsOutOfMemory(const char* name);
};

// What one program needs at run time: its name, its input and output, and
// the single way to fail.
class Program : private ReportsOutOfMemory {
public:
    // Reads the command line the way the usual Unix filters do: --help and
    // --version print and exit 0; any other option, or a second operand, is
    // reported with status 2 before anything is read; "--" ends the options;
    // the one operand, FILE, is read instead of standard input ("-" means
    // standard input). A FILE that cannot be opened ends it with status 1.
    Program(const char* name, int argc, char** argv, const Help& help);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program();

    Reader in;
    Writer out;

    // Reports "name: line L: message" (or "name: FILE:L: message") on
    // standard error after flushing what was already printed, and exits with
    // status 1. L is the line of the token read last, which the message is
    // about.
    [[noreturn]] void fail(std::string_view message);

    // Each conversion either succeeds or ends the program with a message
    // that names what was being read ("element 4 of 5") and what was found.
    // index and count are added to the name when index > 0.
    int read_int(std::string_view what, long long index = 0, long long count = 0) {
        int value = 0;
        const Status status = in.read_int(value);
        if (status != Status::ok) fail_read(status, "an integer", what, index, count, in.last_token());
        return value;
    }
    char read_char(std::string_view what, long long index = 0, long long count = 0) {
        char value = 0;
        const Status status = in.read_char(value);
        if (status != Status::ok) fail_read(status, "a character", what, index, count, {});
        return value;
    }
    char read_char_after_space(std::string_view what, long long index = 0, long long count = 0) {
        char value = 0;
        const Status status = in.read_char_after_space(value);
        if (status != Status::ok) fail_read(status, "a character", what, index, count, {});
        return value;
    }
    void read_word(std::string_view& word, std::string_view what, long long index = 0, long long count = 0) {
        const Status status = in.read_word(word);
        if (status != Status::ok) fail_read(status, "a word", what, index, count, {});
    }
    void read_c_string(std::string_view& word, std::string_view what, long long index = 0, long long count = 0) {
        const Status status = in.read_c_string(word);
        if (status != Status::ok) fail_read(status, "a word", what, index, count, {});
    }
    float read_float(std::string_view what, long long index = 0, long long count = 0);

    // Flushes standard output and returns the exit status: 0, or 1 with
    // "name: write error: ..." when anything could not be written, or
    // "name: read error: ..." when a read failed.
    int finish();

    const char* name() const { return name_; }

    // Asks that the words read stay valid to the end of the run (see
    // Reader::keep_input): whether they do. Before anything is read.
    bool keep_input();

    // Ends the program with "name: FILE: read error: the input changed while
    // it was read" and status 1: a program that reads its input's bytes
    // more than once found them different the second time.
    [[noreturn]] void fail_changed_input();
    // Before an answer that rests on reading the input more than once: ends
    // the program as fail_changed_input does unless the input, if it is a
    // mapped file, still has the size and time of change it had when it
    // was mapped.
    void check_input_unchanged() {
        if (!in.input_unchanged()) fail_changed_input();
    }

    // For a program that reads several values before it answers them (to
    // work on them side by side): answer prints what it holds back. It is
    // called before the reader waits for more input, before an error is
    // reported and in finish(), so the output, its order and the moment it
    // appears are those of a program that answers each value as it is read.
    void hold_answers(void (*answer)(void*), void* context);

private:
    friend void out_of_memory();
    [[noreturn]] void fail_read(Status status, std::string_view expected, std::string_view what, long long index,
                                long long count, const std::string& found);
    [[noreturn]] void fail_usage(std::string_view message);
    [[noreturn]] void fail_read_error();
    [[noreturn]] void fail_write();
    void report_write_error(int error);
    [[noreturn]] void fail_plain(std::string_view message, int status);
    void print_help(const Help& help);
    void answer_held();
    const char* name_;
    const char* file_ = nullptr;  // the FILE operand, when it is not standard input
    void (*answer_)(void*) = nullptr;
    void* answer_context_ = nullptr;
    std::string shrank_message_;    // for a mapped input that shrinks
    std::string io_error_message_;  // and one whose pages the system cannot read
};

}  // namespace support
