// modecull: removes the most frequent value of an array and refills it, pass
// by pass (what it reads and prints: its help text below).
//
// The counts of the values are kept from one pass to the next (see Tally), so
// a pass costs the removal, the refill and the printing, all linear, where
// counting by comparing every element with every other would be quadratic. The refill carries the running product of the slots before it,
// in unsigned arithmetic so that it wraps modulo 2^32 without undefined
// behaviour. The length is checked as soon as it is read, the modulus before
// any element is: a zero divisor is an error only when a slot is refilled.
#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "support.hpp"

namespace {

constexpr support::Help help{
    .summary = "Remove the most frequent value of an integer array and refill, pass by pass.",
    .description = R"(Input: three integers LENGTH PASSES MODULUS, then LENGTH integers, separated
by any whitespace.

Each pass removes every occurrence of the most frequent non-zero value (the
smallest on a tie; 0 only when every element is 0), keeps the others in order,
and fills each freed slot at the end with (product of all slots before it * 10)
% MODULUS, in 32-bit wrap-around arithmetic.

Output: after each pass, the array on one line, each number followed by a
space.
)",
    .example = R"(  $ printf '5 2 7\n1 2 2 3 3\n' | modecull
  1 3 3 6 1 
  3 3 6 1 1 
)",
    .failure = R"(the input is malformed, LENGTH is negative, MODULUS is 0 while slots
     must be refilled, or a read or write fails
)",
};

// Products wrap modulo 2^32: they are formed in unsigned arithmetic and read
// back as signed values.
std::uint32_t wrap(int value) { return static_cast<std::uint32_t>(value); }
int as_int(std::uint32_t bits) { return static_cast<int>(bits); }

// How often each value occurs in the array, carried from pass to pass: a pass
// changes only the count of the value it removes (to 0) and the counts of the
// values it refills, so no pass counts the whole array again.
class Tally {
public:
    void add(int value) {
        const int count = ++counts_[value];
        if (value != 0) push({count, value});
    }
    void remove_all(int value) { counts_.erase(value); }

    // The most frequent non-zero value, the smallest one on a tie; 0 when no
    // value but 0 is left.
    int most_frequent() {
        while (!heap_.empty()) {
            const Entry top = heap_.front();
            const auto found = counts_.find(top.value);
            if (found != counts_.end() && found->second == top.count) return top.value;
            std::pop_heap(heap_.begin(), heap_.end(), goes_after);
            heap_.pop_back();
        }
        return 0;
    }

private:
    struct Entry {
        int count;
        int value;
    };
    // The heap's order: a larger count first, then a smaller value.
    static bool goes_after(const Entry& a, const Entry& b) {
        return a.count < b.count || (a.count == b.count && a.value > b.value);
    }
    // Every count change pushes an entry; an entry whose count is no longer
    // the value's is dropped when it comes to the top. When such entries
    // outnumber the live ones, the heap is rebuilt from the counts, so its size
    // stays within a few times the number of distinct values.
    void push(Entry entry) {
        heap_.push_back(entry);
        std::push_heap(heap_.begin(), heap_.end(), goes_after);
        if (heap_.size() > 2 * counts_.size() + 64) {
            heap_.clear();
            for (const auto& [value, count] : counts_) {
                if (value != 0) heap_.push_back({count, value});
            }
            std::make_heap(heap_.begin(), heap_.end(), goes_after);
        }
    }

    std::unordered_map<int, int> counts_;
    std::vector<Entry> heap_;
};

// Removes every occurrence of value from array[0..count), keeping the other
// elements in order, and returns how many are left.
int remove_mod(int* array, int count, int value) {
    int kept = 0;
    for (int k = 0; k < count; ++k) {
        if (array[k] != value) array[kept++] = array[k];
    }
    return kept;
}

// Writes (product * 10) % modulus into array[count], where product is the
// wrapped product of array[0..count), and returns the product of
// array[0..count] for the next slot. modulus is never 0 here.
std::uint32_t append_prod(int* array, int count, int modulus, std::uint32_t product) {
    int t = as_int(product * 10u);
    // t % -1 is 0 for every t; computing it would overflow for the least int.
    int slot = modulus == -1 ? 0 : t % modulus;
    array[count] = slot;
    return product * wrap(slot);
}

void print_arr(support::Writer& out, const int* array, int count) {
    for (int i = 0; i < count; ++i) {
        out.put_int(array[i]);
        out.put(' ');
    }
    out.put('\n');
}

}  // namespace

int main(int argc, char** argv) {
    support::Program program("modecull", argc, argv, help);
    const int length = program.read_int("length");
    if (length < 0) program.fail("length: expected a count of 0 or more, found " + std::to_string(length));
    const int passes = program.read_int("passes");
    const int modulus = program.read_int("modulus");
    if (modulus == 0 && length > 0 && passes > 0) {
        program.fail("modulus: expected a non-zero divisor, found 0");
    }

    // The array grows with the elements actually read, never with the count.
    std::vector<int> values;
    Tally tally;
    for (int i = 0; i < length; ++i) {
        values.push_back(program.read_int("element", i + 1LL, length));
        tally.add(values.back());
    }

    int* array = values.data();
    for (int pass = 0; pass < passes; ++pass) {
        const int value = tally.most_frequent();
        const int new_length = remove_mod(array, length, value);
        tally.remove_all(value);
        std::uint32_t product = 1;
        for (int i = 0; i < new_length; ++i) product *= wrap(array[i]);
        for (int slot = new_length; slot < length; ++slot) {
            product = append_prod(array, slot, modulus, product);
            tally.add(array[slot]);
        }
        print_arr(program.out, array, length);
    }
    return program.finish();
}
