// clocksplit: splits a count of seconds into hours, minutes and seconds.
//
// Input:  one integer, the count of seconds.
// Output: "H Hours, M Minutes, S Seconds" with no newline; hours are not
//         reduced to days, and a negative count gives fields with its sign
//         (division truncates toward zero).
// A missing or malformed count is reported on standard error with status 1.
#include "support.hpp"

namespace {

constexpr std::string_view help_text = R"(Usage: clocksplit
Split a count of seconds into whole hours, minutes and seconds.

Input (standard input): one integer, the number of seconds.

Output, with no newline: "H Hours, M Minutes, S Seconds". Hours are not
reduced to days; a negative count gives negative fields.

Example: the input "3661" prints "1 Hours, 1 Minutes, 1 Seconds".

Exit status: 0 on success; 1, with a message on standard error, when the
input is malformed or the output cannot be written.
)";

}  // namespace

int main(int argc, char** argv) {
    support::Program program("clocksplit", argc, argv, help_text);
    int total = program.read_int("seconds");
    const int hours = total / 3600;
    total -= hours * 3600;
    const int minutes = total / 60;
    total -= minutes * 60;
    support::Writer& out = program.out;
    out.put_int(hours);
    out.put(" Hours, ");
    out.put_int(minutes);
    out.put(" Minutes, ");
    out.put_int(total);
    out.put(" Seconds");
    return program.finish();
}
