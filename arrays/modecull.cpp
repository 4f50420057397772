// modecull: removes the most frequent value of an array and refills it, pass
// by pass (what it reads and prints: its help text below).
//
// Each pass finds the most frequent value by counting runs on a sorted copy,
// O(n log n), where comparing every element with every other would be
// quadratic. The refill carries the running product of the slots before it,
// in unsigned arithmetic so that it wraps modulo 2^32 without undefined
// behaviour. The length is checked as soon as it is read, the modulus before
// any element is: a zero divisor is an error only when a slot is refilled.
#include <algorithm>
#include <cstdint>
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

// Removes every occurrence of the most frequent non-zero value of
// array[0..count) and returns the new count; on a tie the smallest value goes,
// and when no element is non-zero the value 0 goes (so everything does). The
// kept elements stay in order. scratch must hold a copy of the array; it is
// overwritten (sorted, so runs of equal values can be counted).
int remove_mod(int* array, int* scratch, int count) {
    std::sort(scratch, scratch + count);
    int best_count = 0;
    int best_value = 0;
    for (int i = 0; i < count;) {
        int j = i;
        while (j < count && scratch[j] == scratch[i]) ++j;
        // Runs come in ascending order, so a later run only wins with a
        // strictly larger count: ties keep the smaller value.
        if (scratch[i] != 0 && j - i > best_count) {
            best_count = j - i;
            best_value = scratch[i];
        }
        i = j;
    }
    int kept = 0;
    for (int k = 0; k < count; ++k) {
        if (array[k] != best_value) array[kept++] = array[k];
    }
    return kept;
}

void copy_arr(int* destination, const int* source, int count) {
    std::copy(source, source + count, destination);
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

void copy_arr1(int* first, int* second, const int* source, int count) {
    std::copy(source, source + count, first);
    std::copy(source, source + count, second);
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
    for (int i = 0; i < length; ++i) {
        values.push_back(program.read_int("element", i + 1LL, length));
    }
    std::vector<int> scratch = values;
    std::vector<int> work(values.size());

    for (int pass = 0; pass < passes; ++pass) {
        int new_length = remove_mod(values.data(), scratch.data(), length);
        copy_arr(work.data(), values.data(), new_length);
        std::uint32_t product = 1;
        for (int i = 0; i < new_length; ++i) product *= wrap(work.data()[i]);
        for (int slot = new_length; slot < length; ++slot) {
            product = append_prod(work.data(), slot, modulus, product);
        }
        copy_arr1(values.data(), scratch.data(), work.data(), length);
        print_arr(program.out, values.data(), length);
    }
    return program.finish();
}
