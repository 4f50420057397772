// gridmark: checks whether a square grid is a special diagonal matrix.
//
// Input:  a size N, then the N x N cells in row-major order; each cell is the
//         next byte that is not whitespace.
// Output: every cell as it is read, each followed by a newline, then
//         "special diagonal matrix" (no newline) when every diagonal cell
//         holds one same character other than 'O' and every other cell holds
//         'O', or "not special diagonal matrix" right after the first cell
//         that breaks the rule (nothing further is read).
// A size of 0 or less has no cells. A missing or malformed size, or a cell
// missing at the end of input, is reported on standard error with status 1,
// after the cells already echoed.
#include "support.hpp"

namespace {

constexpr std::string_view help_text = R"(Usage: gridmark
Check whether a square grid of characters is a special diagonal matrix.

That is one same character, not 'O', on the whole main diagonal, and 'O'
everywhere else.

Input (standard input): a SIZE, then SIZE x SIZE cells in row-major order;
each cell is the next character that is not whitespace.

Output: each cell on a line of its own as it is read, then, with no newline,
"special diagonal matrix", or "not special diagonal matrix" as soon as a cell
breaks the rule (the rest is not read). Only the upper-case letter O counts
as 'O'.

Example: the input "3  X O O  O X O  O O X" prints the nine cells, one per
line, then "special diagonal matrix".

Exit status: 0 on success; 1, with a message on standard error, when the
input is malformed or ends early, or the output cannot be written.
)";

constexpr std::string_view not_special = "not special diagonal matrix";
constexpr std::string_view special = "special diagonal matrix";

}  // namespace

int main(int argc, char** argv) {
    support::Program program("gridmark", argc, argv, help_text);
    support::Writer& out = program.out;
    const int size = program.read_int("size");
    const long long cells = static_cast<long long>(size) * size;
    char diagonal_symbol = 0;
    for (int row = 0; row < size; ++row) {
        for (int column = 0; column < size; ++column) {
            program.in.skip_space();
            const char cell = program.read_char("cell", static_cast<long long>(row) * size + column + 1, cells);
            out.put(cell);
            out.put('\n');
            // An O on the diagonal is rejected before it could become the
            // diagonal symbol; the first cell sets that symbol.
            bool breaks_rule;
            if (row == column) {
                breaks_rule = cell == 'O' || (row > 0 && cell != diagonal_symbol);
            } else {
                breaks_rule = cell != 'O';
            }
            if (breaks_rule) {
                out.put(not_special);
                return program.finish();
            }
            if (row == 0 && column == 0) diagonal_symbol = cell;
        }
    }
    out.put(special);
    return program.finish();
}
