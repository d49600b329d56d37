#!/usr/bin/env python3
"""Sums test results over every test program of one or more CTest runs.

Each argument is a pair RESULTS_DIR: a folder holding CTest's JUnit file
(ctest.xml) and the GoogleTest XML reports (one per program, named after it).
A program with a GoogleTest report counts its test cases; a program without
one (a script, or a program that crashed before reporting) counts as one
test. A program that CTest saw fail counts at least one failure.
Prints 'N passed, N failed, N skipped' and exits non-zero on any failure.
"""
import os
import sys
import xml.etree.ElementTree as ET


def gtest_counts(path):
    root = ET.parse(path).getroot()
    tests = int(root.get("tests", 0))
    failed = int(root.get("failures", 0)) + int(root.get("errors", 0))
    skipped = int(root.get("skipped", 0)) + int(root.get("disabled", 0))
    return tests - failed - skipped, failed, skipped


def summarize(results_dir):
    passed = failed = skipped = 0
    ctest = ET.parse(os.path.join(results_dir, "ctest.xml")).getroot()
    for case in ctest.iter("testcase"):
        name = case.get("name")
        status = case.get("status", "")
        ctest_failed = status == "fail" or case.find("failure") is not None
        if status in ("notrun", "disabled") or case.find("skipped") is not None:
            skipped += 1
            continue
        report = os.path.join(results_dir, name + ".xml")
        if os.path.exists(report):
            p, f, s = gtest_counts(report)
            if ctest_failed and f == 0:
                f = 1
        else:
            p, f, s = (0, 1, 0) if ctest_failed else (1, 0, 0)
        if f:
            print(f"FAILED: {os.path.basename(results_dir)}/{name}", file=sys.stderr)
        passed, failed, skipped = passed + p, failed + f, skipped + s
    return passed, failed, skipped


def main():
    totals = [0, 0, 0]
    for results_dir in sys.argv[1:]:
        if not os.path.exists(os.path.join(results_dir, "ctest.xml")):
            print(f"FAILED: {results_dir}: no CTest results", file=sys.stderr)
            totals[1] += 1
            continue
        for i, n in enumerate(summarize(results_dir)):
            totals[i] += n
    print(f"{totals[0]} passed, {totals[1]} failed, {totals[2]} skipped")
    return 1 if totals[1] else 0


if __name__ == "__main__":
    sys.exit(main())
