#!/usr/bin/env python3
"""Writes the benchmark inputs, deterministic from a fixed seed, into a folder.

Usage: generate.py OUTDIR [--small]
--small writes the reduced workloads that the literal procedures can finish.
"""
import os
import random
import sys

INT_MIN, INT_MAX = -2**31, 2**31 - 1


def words(rng, count):
    # Many case variants of a few hundred stems, words of 1 to 12 bytes.
    stems = ["".join(rng.choice("abcdefghijklmnopqrstuvwxyz_[") for _ in range(rng.randint(1, 12)))
             for _ in range(300)]
    out = []
    for _ in range(count):
        stem = rng.choice(stems)
        out.append("".join(c.upper() if rng.random() < 0.5 else c for c in stem))
    return out


def word_lists(rng):
    """The word lists both word programs are measured on, each (name, words):
    lists made the way people's lists are, and lists made to defeat a
    shortcut (shared prefixes, long words, order, repeats)."""
    letters = "abcdefghijklmnopqrstuvwxyz"
    n = 10**6

    def mixed_case(text):
        return "".join(c.upper() if rng.random() < 0.5 else c for c in text)

    def random_word(low, high):
        return "".join(rng.choice(letters) for _ in range(rng.randint(low, high)))

    short = [mixed_case(random_word(1, 19)) for _ in range(n)]
    yield "short", short
    yield "long", [mixed_case(random_word(1, 400)) for _ in range(5 * 10**4)]
    # The same 17 bytes first, byte for byte, then 2 that vary.
    yield "prefix", ["aA" * 8 + "a" + rng.choice("abcXYZ") + rng.choice("bB") for _ in range(n)]
    # The same 17 letters first up to case only.
    yield "prefix-case", [mixed_case("a" * 17) + rng.choice("abcXYZ") + rng.choice("bB") for _ in range(n)]
    # A stem of one letter of random length in random case, then a short
    # tail: all words share little, neighbours much.
    yield "stems", [mixed_case("a" * rng.randint(0, 40)) + random_word(1, 6) for _ in range(6 * 10**5)]
    yield "sorted", sorted(short)
    yield "reversed", sorted(short, reverse=True)
    yield "equal", ["Sameword"] * n
    distinct = [mixed_case(random_word(1, 12)) for _ in range(1000)]
    yield "repeats", [rng.choice(distinct) for _ in range(n)]


def main():
    outdir = sys.argv[1]
    small = "--small" in sys.argv
    os.makedirs(outdir, exist_ok=True)
    rng = random.Random(20261208)

    def write(name, text):
        with open(os.path.join(outdir, name), "w") as f:
            f.write(text)

    cases = 2000 if small else 10**6
    values = [rng.randint(INT_MIN, INT_MAX) for _ in range(cases)] if not small else \
        [rng.randint(-10, 2000) for _ in range(cases)]
    write("primepair.in", f"{cases}\n" + "\n".join(map(str, values)) + "\n")

    # digitgen: half of the values are x + digit sum of a random x (so they
    # have a generator), half are random (many without one).
    gen = []
    for i in range(cases):
        top = 20000 if small else INT_MAX - 100
        x = rng.randint(1, top)
        gen.append(x + sum(map(int, str(x))) if i % 2 == 0 else rng.randint(1, top))
    write("digitgen.in", f"{cases}\n" + "\n".join(map(str, gen)) + "\n")

    length = 2000 if small else 100000
    vals = [rng.randint(-20, 20) for _ in range(length)]
    write("modecull-random.in", f"{length} 100 1000003\n" + " ".join(map(str, vals)) + "\n")
    write("modecull-equal.in", f"{length} 100 1000003\n" + " ".join(["7"] * length) + "\n")

    n = 10**6
    sorted_vals = sorted(rng.sample(range(-10**9, 10**9), n))
    cut = n // 3
    rotated = sorted_vals[cut:] + sorted_vals[:cut]
    write("pivotseek.in", f"{n}\n" + " ".join(map(str, rotated)) + f"\n{sorted_vals[cut // 2]}\n")

    count = 3000 if small else 10**6
    ws = words(rng, count)
    write("centrelex.in", f"{count}\n" + "\n".join(ws) + "\n")
    write("slotlex.in", f"{count}\n" + "\n".join(ws) + "\nmiddle\n")

    size = 2000
    rows = ("".join("X" if r == c else "O" for c in range(size)) for r in range(size))
    write("gridmark.in", f"{size}\n" + "\n".join(" ".join(row) for row in rows) + "\n")

    # Workloads that flatter no shortcut, from a generator of their own so the
    # inputs above stay as they were.
    hard = random.Random(20261209)
    if not small:
        vals = [hard.randint(1, 1000) for _ in range(length)]
        write("modecull-1000.in", f"{length} 100 1000003\n" + " ".join(map(str, vals)) + "\n")
        vals = [hard.randint(1, 10**9) for _ in range(length)]
        write("modecull-wide.in", f"{length} 100 1000003\n" + " ".join(map(str, vals)) + "\n")
        # primepair as users run it: positive n, and n / 2 inside the widest
        # prime gap that primepair meets (282 wide, after 436273009).
        vals = [hard.randint(4, INT_MAX) for _ in range(cases)]
        write("primepair-positive.in", f"{cases}\n" + "\n".join(map(str, vals)) + "\n")
        vals = [2 * (436273009 + hard.randint(1, 281)) + hard.randint(0, 1) for _ in range(cases)]
        write("primepair-gap.in", f"{cases}\n" + "\n".join(map(str, vals)) + "\n")
        # Words of 19 bytes sharing a 17-byte prefix, as file names and
        # numbered labels do.
        prefix = "aA" * 8 + "a"
        ws = [prefix + hard.choice("abcXYZ") + hard.choice("bB") for _ in range(count)]
        write("centrelex-prefix.in", f"{count}\n" + "\n".join(ws) + "\n")
        write("slotlex-prefix.in", f"{count}\n" + "\n".join(ws) + "\n" + prefix + "bb\n")

    if not small:
        for name, ws in word_lists(random.Random(20261210)):
            # One file for both programs: centrelex stops after the words,
            # slotlex reads the query after them.
            write(f"words-{name}.in", f"{len(ws)}\n" + "\n".join(ws) + f"\n{ws[len(ws) // 3]}\n")

    # nodivisor: just above the largest prime gaps below 2^31, and the top.
    for i, value in enumerate([2147483647, 2147483646, 1294268778, 1453168432]):
        write(f"nodivisor-{i}.in", f"{value}\n")

    write("single-digitmean.in", "2147483647\n")
    write("single-unshift.in", "5 2 4 cAb1-z\n")
    write("single-rotfive.in", "hello 3\n")
    write("single-letterstep.in", "a 3\n")
    write("single-piecefunc.in", "2\n")
    write("single-crosspoint.in", "1 1 -2 1 -1 0\n")
    write("single-gaplength.in", "-2147483648 0 2147483647 0\n")
    write("single-clocksplit.in", "-2147483648\n")
    write("single-floatsub.in", "")
    write("single-floatratio.in", "")


if __name__ == "__main__":
    main()
