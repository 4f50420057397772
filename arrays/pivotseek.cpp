// pivotseek: finds a key in a rotated ascending array (what it reads and
// prints: its help text below).
//
// The rotation point, the first index whose value drops, is found while the
// elements are read. A key inside the value range is then looked for by
// bisection in the run it belongs to: the right run when it is not above the
// last element, else the left one. Arrays that are not rotations of an
// ascending one are answered by the same rules.
#include "support.hpp"

namespace {

constexpr support::Help help{
    .summary = "Find a key in a rotated ascending integer array.",
    .description = R"(Input: a LENGTH, then LENGTH integers (an ascending array whose tail has been
moved to the front), then the KEY.

Output, with no newline: "mid=P" when KEY is the smallest value, at the
rotation point P (the first element smaller than the one before it, or 0);
otherwise "pos=I" with the index of KEY, or "NOT FOUND".
)",
    .example = R"(  $ printf '15\n10 11 12 13 14 15 16 17 18 19 20 21 1 2 3\n15\n' | pivotseek
  pos=5
)",
    .failure = R"(the input is malformed, LENGTH is negative, or a read or write fails
)",
};

// Bisection over array[low..high], which must be ascending: the index of an
// element equal to key, or -1. Each step keeps inside low..high and halves
// it, so the depth stays below 32.
int search(const int* array, int low, int high, int length, int key) {
    int mid = low + (high - low) / 2;
    if (low > high) return -1;
    if (array[mid] == key) return mid;
    if (key > array[mid]) return search(array, mid + 1, high, length, key);
    return search(array, low, mid - 1, length, key);
}

}  // namespace

int main(int argc, char** argv) {
    support::Program program("pivotseek", argc, argv, help);
    const int length = program.read_int("length");
    if (length < 0) {
        program.fail("length: expected a count of 0 or more, found " + std::to_string(length));
    }
    // The elements grow with those actually read, never with the count.
    support::Block<int> storage;
    int pivot = 0;
    bool descent_seen = false;
    for (int i = 0; i < length; ++i) {
        const int value = program.read_int("element", i + 1LL, length);
        if (i > 0 && value < storage.back() && !descent_seen) {
            pivot = i;
            descent_seen = true;
        }
        storage.push_back(value);
    }
    const int key = program.read_int("key");
    const int* values = storage.data();

    // Without a descent the whole array is one run: the smallest value is
    // the first, the largest the last.
    const int smallest = length > 0 ? values[pivot] : 0;
    const int largest = !descent_seen ? (length > 0 ? values[length - 1] : 0) : values[pivot - 1];
    if (length == 0 || key < smallest || key > largest) {
        program.out.put("NOT FOUND");
        return program.finish();
    }
    if (key == smallest) {
        program.out.put("mid=");
        program.out.put_int(pivot);
        return program.finish();
    }
    // The key's run: the right one (from the rotation point to the end) when
    // it is not above the last element, else the left one; without a
    // descent, the whole array.
    int low = 0;
    int high = length - 1;
    if (descent_seen) {
        if (key <= values[length - 1]) {
            low = pivot;
        } else {
            high = pivot - 1;
        }
    }
    const int result = search(values, low, high, length, key);
    if (result == -1) {
        program.out.put("NOT FOUND");
    } else {
        program.out.put("pos=");
        program.out.put_int(result);
    }
    return program.finish();
}
