// floatratio: prints -15 / -7 computed in single precision, as "%f".
//
// Reads nothing; always prints "2.142857" with no newline.
#include "support.hpp"

namespace {

constexpr std::string_view help_text = R"(Usage: floatratio
Print the single-precision quotient -15.0 / -7.0 with six decimals.

Input: none; standard input is not read.

Output, with no newline: "2.142857".

Example: running it prints "2.142857".

Exit status: 0 on success; 1, with a message on standard error, when the
output cannot be written.
)";

}  // namespace

int main(int argc, char** argv) {
    support::Program program("floatratio", argc, argv, help_text);
    const float first = -15.0f;
    const float second = -7.0f;
    const float result = first / second;
    program.out.put_real("%f", static_cast<double>(result));
    return program.finish();
}
