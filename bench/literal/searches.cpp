// The literal integer searches, reading their input with scanf. Built as
// primepair, digitgen and nodivisor, chosen by PROGRAM (1, 2 or 3).
#include <cstdio>

#include "reference/searches.hpp"

int main() {
    int count = 1, n = 0;
#if PROGRAM != 3
    if (std::scanf("%d", &count) != 1) return 1;
#endif
    for (int i = 0; i < count; ++i) {
        if (std::scanf("%d", &n) != 1) return 1;
#if PROGRAM == 1
        std::fputs(reference::primepair(n).c_str(), stdout);
#elif PROGRAM == 2
        std::fputs(reference::digitgen(n).c_str(), stdout);
#else
        std::fputs(reference::nodivisor(n).c_str(), stdout);
#endif
    }
}
