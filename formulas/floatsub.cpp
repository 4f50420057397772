// floatsub: prints 6 - 6 computed in single precision, as "%f".
//
// Reads nothing; always prints "0.000000" with no newline.
#include "support.hpp"

namespace {

constexpr std::string_view help_text = R"(Usage: floatsub
Print the single-precision difference 6.0 - 6.0 with six decimals.

Input: none; standard input is not read.

Output, with no newline: "0.000000".

Example: running it prints "0.000000".

Exit status: 0 on success; 1, with a message on standard error, when the
output cannot be written.
)";

}  // namespace

int main(int argc, char** argv) {
    support::Program program("floatsub", argc, argv, help_text);
    const float first = 6.0f;
    const float second = 6.0f;
    const float result = first - second;
    program.out.put_real("%f", static_cast<double>(result));
    return program.finish();
}
