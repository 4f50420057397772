// The array refinement exactly as first described: counting by a quadratic
// scan that marks counted entries with 0 in a scratch copy, and a refill
// that recomputes the whole product for every slot. Kept as the reference
// that the fast program is compared with; wrap-around is done in unsigned
// arithmetic, and t % -1 is taken as 0.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace reference {

inline int modecull_remove_mod(int* array, int* scratch, int count) {
    std::vector<int> count_storage(static_cast<std::size_t>(count) + 1), distinct_storage(count_storage.size());
    int* counts = count_storage.data();
    int* distinct = distinct_storage.data();
    int best_count = 0, best_value = 0, d = 0;
    for (int i = 0; i < count; ++i) {
        if (scratch[i] == 0) continue;
        counts[d] = 1;
        distinct[d] = scratch[i];
        int found = 0;
        for (int j = i + 1; j < count; ++j) {
            if (scratch[j] == scratch[i]) {
                found += 1;
                counts[d] += 1;
                scratch[j] = 0;
            }
        }
        if (found > 0) scratch[i] = 0;
        if (best_count < counts[d]) {
            best_count = counts[d];
            best_value = distinct[d];
        } else if (best_count == counts[d] && best_value > distinct[d]) {
            best_value = distinct[d];
        }
        d += 1;
    }
    int j = 0;
    for (int k = 0; k < count; ++k) {
        if (array[k] != best_value) array[j++] = array[k];
    }
    return j;
}

inline void modecull_append_prod(int* array, int count, int modulus) {
    std::uint32_t product = 1;
    for (int i = 0; i < count; ++i) product *= static_cast<std::uint32_t>(array[i]);
    int t = static_cast<int>(product * 10u);
    array[count] = modulus == -1 ? 0 : t % modulus;
}

inline std::string modecull(std::vector<int> values, int passes, int modulus) {
    const int length = static_cast<int>(values.size());
    std::vector<int> scratch_storage = values, work_storage(values.size());
    int* scratch = scratch_storage.data();
    int* work = work_storage.data();
    int* array = values.data();
    std::string out;
    for (int pass = 0; pass < passes; ++pass) {
        int new_length = modecull_remove_mod(array, scratch, length);
        for (int i = 0; i < new_length; ++i) work[i] = array[i];
        for (int n = length - new_length; n > 0; --n) {
            modecull_append_prod(work, new_length, modulus);
            new_length += 1;
        }
        for (int i = 0; i < length; ++i) array[i] = scratch[i] = work[i];
        for (int i = 0; i < length; ++i) out += std::to_string(array[i]) + ' ';
        out += '\n';
    }
    return out;
}

}  // namespace reference
