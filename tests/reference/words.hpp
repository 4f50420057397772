// The word programs exactly as first described: 20-byte-slot style exchange
// sorts with strcasecmp and strcmp, and a scan of the sorted words. Kept as
// the reference that the linear-time programs are compared with.
#pragma once

#include <strings.h>

#include <cstring>
#include <string>
#include <vector>

namespace reference {

inline std::string centrelex(std::vector<std::string> words) {
    const int word_count = static_cast<int>(words.size());
    std::string* slots = words.data();
    std::string swap_buffer;
    for (int i = 0; i < word_count; ++i) {
        for (int j = i + 1; j < word_count; ++j) {
            if (::strcasecmp(slots[i].c_str(), slots[j].c_str()) > 0) {
                swap_buffer = slots[i];
                slots[i] = slots[j];
                slots[j] = swap_buffer;
            }
        }
    }
    int middle = (word_count & 1) ? word_count / 2 : word_count / 2 - 1;
    return slots[middle];
}

inline std::string slotlex(std::vector<std::string> words, const std::string& query) {
    const int word_count = static_cast<int>(words.size());
    std::string* slots = words.data();
    std::string swap_buffer;
    for (int i = 0; i < word_count; ++i) {
        for (int j = i + 1; j < word_count; ++j) {
            if (std::strcmp(slots[i].c_str(), slots[j].c_str()) >= 1) {
                swap_buffer = slots[i];
                slots[i] = slots[j];
                slots[j] = swap_buffer;
            }
        }
    }
    int preceding = 0;
    while (preceding < word_count) {
        if (std::strcmp(slots[preceding].c_str(), query.c_str()) > 0) break;
        preceding += 1;
    }
    return std::to_string(preceding + 1);
}

}  // namespace reference
