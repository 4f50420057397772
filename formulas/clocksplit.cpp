// clocksplit: splits a count of seconds into hours, minutes and seconds (what
// it reads and prints: its help text below).
//
// Plain int division, which truncates toward zero, so every field of a
// negative count carries its sign.
#include "support.hpp"

namespace {

constexpr support::Help help{
    .summary = "Split a count of seconds into whole hours, minutes and seconds.",
    .description = R"(Input: one integer, the number of seconds.

Output, with no newline: "H Hours, M Minutes, S Seconds". Hours are not
reduced to days; a negative count gives negative fields.
)",
    .example = R"(  $ echo 90061 | clocksplit
  25 Hours, 1 Minutes, 1 Seconds
)",
    .failure = R"(the input is malformed or a read or write fails
)",
};

}  // namespace

int main(int argc, char** argv) {
    support::Program program("clocksplit", argc, argv, help);
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
