// floatratio: -15 / -7 in single precision, printed as "%f" (its help text
// below says what it prints).
#include "support.hpp"

namespace {

constexpr support::Help help{
    .summary = "Print the single-precision quotient -15.0 / -7.0 with six decimals.",
    .description = R"(Input: none; standard input is not read, and no FILE is taken.

Output, with no newline: "2.142857".
)",
    .example = R"(  $ floatratio
  2.142857
)",
    .failure = R"(the output cannot be written
)",
    .reads_input = false,
};

}  // namespace

int main(int argc, char** argv) {
    support::Program program("floatratio", argc, argv, help);
    const float first = -15.0f;
    const float second = -7.0f;
    const float result = first / second;
    program.out.put_fixed(result, 6);
    return program.finish();
}
