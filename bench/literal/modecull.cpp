// The literal array refinement, reading its input with scanf.
#include <cstdio>

#include "reference/modecull.hpp"

int main() {
    int length = 0, passes = 0, modulus = 0;
    if (std::scanf("%d %d %d", &length, &passes, &modulus) != 3 || length < 0) return 1;
    std::vector<int> values(static_cast<std::size_t>(length));
    for (int& v : values)
        if (std::scanf("%d", &v) != 1) return 1;
    std::fputs(reference::modecull(values, passes, modulus).c_str(), stdout);
}
