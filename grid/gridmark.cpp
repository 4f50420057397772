// gridmark: checks a square grid cell by cell (what it reads and prints: its
// help text below).
//
// Each cell is checked as soon as it is read, so a grid that breaks the rule
// is answered without reading the rest; no grid is stored. The cells are
// taken in batches of those already read from the input, and echoed a batch
// at a time, before the program could wait for more input: the output and
// the moment it appears are those of echoing each cell alone. A size of 0 or
// less has no cells.
#include <algorithm>
#include <cstddef>
#include <string_view>

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
    const long long cells = size > 0 ? static_cast<long long>(size) * size : 0;
    // The cells come in batches of those the reader already holds, and each
    // batch is echoed before the reader could wait for more.
    constexpr std::size_t batch_size = 4096;
    char batch[batch_size];
    char echo[2 * batch_size];
    char diagonal_symbol = 0;
    int row = 0, column = 0;
    for (long long taken = 0; taken < cells;) {
        std::size_t n = program.in.read_chars_after_space(
            batch, static_cast<std::size_t>(std::min<long long>(batch_size, cells - taken)));
        if (n == 0) {
            // The next cell is not read yet, or there is none.
            batch[0] = program.read_char_after_space("cell", taken + 1, cells);
            n = 1;
        }
        for (std::size_t i = 0; i < n; ++i) {
            const char cell = batch[i];
            echo[2 * i] = cell;
            echo[2 * i + 1] = '\n';
            // An O on the diagonal is rejected before it could become the
            // diagonal symbol; the first cell sets that symbol.
            bool breaks_rule;
            if (row == column) {
                breaks_rule = cell == 'O' || (row > 0 && cell != diagonal_symbol);
            } else {
                breaks_rule = cell != 'O';
            }
            if (breaks_rule) {
                out.put(std::string_view(echo, 2 * i + 2));
                out.put(not_special);
                return program.finish();
            }
            if (row == 0 && column == 0) diagonal_symbol = cell;
            if (++column == size) {
                column = 0;
                ++row;
            }
        }
        out.put(std::string_view(echo, 2 * n));
        taken += static_cast<long long>(n);
    }
    out.put(special);
    return program.finish();
}
