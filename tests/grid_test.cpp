// Show what gridmark echoes and decides, including grids that break the rule
// only in their last row.
#include <gtest/gtest.h>

#include <string>

#include "harness.hpp"

namespace {

using minitools::expect_cases;
using minitools::run;

// The first `count` cells of a special grid of the given size, one row to a
// line, and what gridmark echoes for them.
struct Cells {
    std::string text, echo;
};
Cells special_cells(int size, int count) {
    Cells cells;
    for (int i = 0; i < count; ++i) {
        const char cell = i / size == i % size ? '*' : 'O';
        cells.text += cell;
        if (i % size == size - 1) cells.text += '\n';
        cells.echo += cell;
        cells.echo += '\n';
    }
    return cells;
}

TEST(Gridmark, ExamplesAndEdgeCases) {
    // Grids of 10000 cells (read in batches, across 64 KiB reads of the
    // input when spaced out) that break the rule, or end, far into them.
    const Cells first = special_cells(100, 6000);
    const std::string spaced = std::string(70000, ' ');
    expect_cases(
        "gridmark",
        {
            {"breaks the rule at cell 6001", "100\n" + first.text + "Q", first.echo + "Q\nnot special diagonal matrix"},
            {"breaks the rule after 64 KiB of blanks", "100\n" + first.text + spaced + "Q",
             first.echo + "Q\nnot special diagonal matrix"},
            {"special grid: every cell is read", "3\nX O O\nO X O\nO O X\n",
             "X\nO\nO\nO\nX\nO\nO\nO\nX\nspecial diagonal matrix"},
            {"stops at a different diagonal symbol", "3\nX O O\nO Y O\nO O X\n",
             "X\nO\nO\nO\nY\nnot special diagonal matrix"},
            {"last row breaks the rule off the diagonal", "3 XOO OXO OXX",
             "X\nO\nO\nO\nX\nO\nO\nX\nnot special diagonal matrix"},
            {"O on the last diagonal cell", "2 XO OO", "X\nO\nO\nO\nnot special diagonal matrix"},
            {"size 1 with a non-O cell", "1 Z", "Z\nspecial diagonal matrix"},
            {"size 1 with O", "1 O", "O\nnot special diagonal matrix"},
            {"size 0 reads nothing", "0 garbage", "special diagonal matrix"},
            {"negative size reads nothing", "-4", "special diagonal matrix"},
            {"O in the first cell", "2 O O O O", "O\nnot special diagonal matrix"},
            {"lower-case o off the diagonal", "2 Xo", "X\no\nnot special diagonal matrix"},
            {"digit 0 off the diagonal", "2 X0", "X\n0\nnot special diagonal matrix"},
            {"cells without whitespace, and any whitespace", "2\n\n\tX\r\n  O\vO\fX",
             "X\nO\nO\nX\nspecial diagonal matrix"},
            {"stops before the rest of the input", "2 XY then anything", "X\nY\nnot special diagonal matrix"},
            {"reads no further than the last cell", "2 XO OX and more", "X\nO\nO\nX\nspecial diagonal matrix"},
            {"a later diagonal cell smaller than the first", "2  b O  O a", "b\nO\nO\na\nnot special diagonal matrix"},
            {"bytes above 127 are symbols", "2 \xe9O O\xe9", "\xe9\nO\nO\n\xe9\nspecial diagonal matrix"},
        });
}

TEST(Gridmark, BadInput) {
    expect_cases("gridmark",
                 {
                     {"no size", "", "", 1, "size: expected an integer, found end of input"},
                     {"malformed size", "three", "", 1, "size: expected an integer, found 'three'"},
                     {"cell missing at the end", "2 X O O", "X\nO\nO\n", 1,
                      "cell 4 of 4: expected a character, found end of input"},
                     {"huge size with few cells", "2000000000 X O", "X\nO\n", 1, "cell 3 of 4000000000000000000"},
                     {"cell missing after 6000", "100\n" + special_cells(100, 6000).text, special_cells(100, 6000).echo,
                      1, "line 62: cell 6001 of 10000: expected a character, found end of input"},
                 });
}

TEST(Gridmark, LargeSpecialGrid) {
    const int size = 300;
    std::string input = std::to_string(size) + "\n", expected;
    for (int row = 0; row < size; ++row) {
        for (int column = 0; column < size; ++column) {
            char cell = row == column ? '*' : 'O';
            input += cell;
            expected += cell;
            expected += '\n';
        }
        input += '\n';
    }
    auto r = run("gridmark", input);
    EXPECT_EQ(r.out, expected + "special diagonal matrix");
    EXPECT_EQ(r.status, 0);
}

}  // namespace
