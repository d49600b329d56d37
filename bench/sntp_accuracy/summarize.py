#!/usr/bin/env python3
"""Summarises the outputs of run.sh: vorlix-sntp --ticks lines and ntpdig
lines ("... +0.000012 +/- 0.000039 host s8 no-leap", where +/- is half the
round trip). Figures in microseconds."""
import statistics
import sys


def percentile(values, fraction):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(round(fraction * (len(ordered) - 1))))]


def vorlix(path):
    offsets, trips = [], []
    for line in open(path):
        words = line.split()
        if "offset-ticks" in words:
            offsets.append(abs(int(words[words.index("offset-ticks") + 1])) / 10.0)
            trips.append(int(words[words.index("round-trip-ticks") + 1]) / 10.0)
    return offsets, trips


def ntpdig(path):
    offsets, trips = [], []
    for line in open(path):
        words = line.split()
        if "+/-" in words:
            at = words.index("+/-")
            offsets.append(abs(float(words[at - 1])) * 1e6)
            trips.append(2 * float(words[at + 1]) * 1e6)
    return offsets, trips


def main():
    label, ours_path, theirs_path = sys.argv[1:4]
    rows = [(label, *vorlix(ours_path)), ("ntpdig (ntpsec)", *ntpdig(theirs_path))]
    print(f"{'client':40} {'n':>4} {'|offset| median':>16} {'p95':>8} "
          f"{'round trip median':>18} {'p95':>8}   (microseconds)")
    for name, offsets, trips in rows:
        if not offsets:
            print(f"{name}: no results")
            return 1
        print(f"{name:40} {len(offsets):4d} {statistics.median(offsets):16.1f} "
              f"{percentile(offsets, 0.95):8.1f} {statistics.median(trips):18.1f} "
              f"{percentile(trips, 0.95):8.1f}")
    ours, theirs = statistics.median(rows[0][1]), statistics.median(rows[1][1])
    ratio = ours / theirs if theirs else float("inf")
    print(f"ratio of median |offset|, vorlix-sntp / ntpdig: {ratio:.2f}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
