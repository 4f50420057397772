// The literal word programs (exchange sorts), reading their input with scanf.
// Built twice: as centrelex, and with SLOTLEX as slotlex.
#include <cstdio>

#include "reference/words.hpp"

int main() {
    int count = 0;
    char word[64];
    if (std::scanf("%d\n", &count) != 1 || count < 0) return 1;
    std::vector<std::string> words;
    for (int i = 0; i < count; ++i) {
        if (std::scanf("%63s", word) != 1) return 1;
        words.emplace_back(word);
    }
#ifdef SLOTLEX
    if (std::scanf("%63s", word) != 1) return 1;
    std::fputs(reference::slotlex(words, word).c_str(), stdout);
#else
    std::fputs(reference::centrelex(words).c_str(), stdout);
#endif
}
