// floatsub: 6 - 6 in single precision, printed as "%f" (its help text below
// says what it prints).
#include "support.hpp"

namespace {

constexpr support::Help help{
    .summary = "Print the single-precision difference 6.0 - 6.0 with six decimals.",
    .description = R"(Input: none; standard input is not read, and no FILE is taken.

Output, with no newline: "0.000000".
)",
    .example = R"(  $ floatsub
  0.000000
)",
    .failure = R"(the output cannot be written
)",
    .reads_input = false,
};

}  // namespace

int main(int argc, char** argv) {
    support::Program program("floatsub", argc, argv, help);
    const float first = 6.0f;
    const float second = 6.0f;
    const float result = first - second;
    program.out.put_fixed(result, 6);
    return program.finish();
}
