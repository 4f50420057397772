// gridmark: checks a square grid cell by cell (what it reads and prints: its
// help text below).
//
// Each cell is echoed as it is read and checked at once, so a grid that
// breaks the rule is answered without reading the rest; no grid is stored. A
// size of 0 or less has no cells.
#include "support.hpp"

namespace {

constexpr support::Help help{
    .summary = "Check whether a square grid of characters is a special diagonal matrix.",
    .description = R"(That is one same character, not 'O', on the whole main diagonal, and 'O'
everywhere else.

Input: a SIZE, then SIZE x SIZE cells in row-major order; each cell is the
next character that is not whitespace.

Output: each cell on a line of its own as it is read, then, with no newline,
"special diagonal matrix", or "not special diagonal matrix" as soon as a cell
breaks the rule (the rest is not read). Only the upper-case letter O counts
as 'O'.
)",
    .example = R"(  $ printf '3\nX O O\nO X O\nO O X\n' | gridmark
  X
  O
  O
  O
  X
  O
  O
  O
  X
  special diagonal matrix
)",
    .failure = R"(the input is malformed or ends early, or a read or write fails
)",
};

constexpr std::string_view not_special = "not special diagonal matrix";
constexpr std::string_view special = "special diagonal matrix";

}  // namespace

int main(int argc, char** argv) {
    support::Program program("gridmark", argc, argv, help);
    support::Writer& out = program.out;
    const int size = program.read_int("size");
    const long long cells = static_cast<long long>(size) * size;
    char diagonal_symbol = 0;
    for (int row = 0; row < size; ++row) {
        for (int column = 0; column < size; ++column) {
            const char cell = program.read_char_after_space("cell", static_cast<long long>(row) * size + column + 1, cells);
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
