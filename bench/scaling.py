#!/usr/bin/env python3
"""Writes the inputs of the scaling benchmark, deterministic from a fixed seed.

Usage: scaling.py OUTDIR
For each bulk program, PROGRAM-N.in for N = 10^3, 10^4, 10^5 and 10^6 test
cases, elements or words.
"""
import os
import random
import sys

SIZES = [10**3, 10**4, 10**5, 10**6]


def main():
    outdir = sys.argv[1]
    os.makedirs(outdir, exist_ok=True)
    for size in SIZES:
        rng = random.Random(size)

        def write(program, text):
            with open(os.path.join(outdir, f"{program}-{size}.in"), "w") as f:
                f.write(text)

        values = [rng.randint(4, 2**31 - 1) for _ in range(size)]
        write("primepair", f"{size}\n" + "\n".join(map(str, values)) + "\n")
        values = [rng.randint(1, 2**31 - 1) for _ in range(size)]
        write("digitgen", f"{size}\n" + "\n".join(map(str, values)) + "\n")
        values = [rng.randint(1, 1000) for _ in range(size)]
        write("modecull", f"{size} 10 1000003\n" + " ".join(map(str, values)) + "\n")
        values = sorted(rng.sample(range(-10**9, 10**9), size))
        cut = size // 3
        rotated = values[cut:] + values[:cut]
        write("pivotseek", f"{size}\n" + " ".join(map(str, rotated)) + f"\n{values[cut // 2]}\n")
        words = ["".join(rng.choice("abcdefgHIJKLMN") for _ in range(rng.randint(1, 19)))
                 for _ in range(size)]
        write("centrelex", f"{size}\n" + "\n".join(words) + "\n")
        write("slotlex", f"{size}\n" + "\n".join(words) + "\nhIgh\n")


if __name__ == "__main__":
    main()
