#!/usr/bin/env python3
"""Turns the hyperfine results of bench/run into a Markdown table.

Usage: table.py RESULTS_DIR ROW... where each ROW is "ID|PROGRAM|WORKLOAD" and
RESULTS_DIR holds ID-ours.json and, where measured, ID-floor.json,
ID-literal.json and ID-scan.json (the scan limit: reading and tokenising the
input, nothing else).
"""
import json
import os
import sys


def median(results, name):
    path = os.path.join(results, name + ".json")
    if not os.path.exists(path):
        return None
    with open(path) as f:
        return json.load(f)["results"][0]["median"]


def seconds(value):
    if value is None:
        return "-"
    return f"{value * 1000:.1f} ms" if value < 1 else f"{value:.2f} s"


def memory(results, ident):
    path = os.path.join(results, f"{ident}-memory")
    if not os.path.exists(path):
        return "- | -"
    with open(path) as f:
        peak_kib, faults, input_bytes = (int(value) for value in f.read().split())
    return f"{peak_kib / 1024:.1f} MiB ({input_bytes / 2**20:.1f} MiB in) | {faults}"


def ratio(a, b):
    return "-" if a is None or b is None or b == 0 else f"{a / b:.2f}"


def main():
    results = sys.argv[1]
    print("| program | workload | ours | I/O floor | scan | literal | ours ÷ floor | ours ÷ scan "
          "| literal ÷ ours | peak memory | page faults |")
    print("|---|---|---|---|---|---|---|---|---|---|---|")
    for row in sys.argv[2:]:
        ident, program, workload = row.split("|", 2)
        ours = median(results, f"{ident}-ours")
        floor = median(results, f"{ident}-floor")
        literal = median(results, f"{ident}-literal")
        scan = median(results, f"{ident}-scan")
        print(f"| {program} | {workload} | {seconds(ours)} | {seconds(floor)} | {seconds(scan)} "
              f"| {seconds(literal)} | {ratio(ours, floor)} | {ratio(ours, scan)} "
              f"| {ratio(literal, ours)} | {memory(results, ident)} |")


if __name__ == "__main__":
    main()
