#!/usr/bin/env bash
# Accuracy of vorlix-sntp against ntpdig (ntpsec), side by side in one run,
# both asking one chronyd -x on 127.0.0.1:123 (ntpdig knows no other port).
# On loopback the true offset is 0, so every measured offset is an error.
# Prints the median and 95th percentile of the absolute offset and of the
# round trip for both clients and the ratio of the median offsets.
#
#   bench/sntp_accuracy/run.sh [--wine] [--samples N]
# --wine runs the Windows build (build/win64) under Wine; the caller sets
# WINEPREFIX and keeps a wineserver running for it.
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$(pwd)

wine=0
samples=50
while [ $# -gt 0 ]; do
  case "$1" in
    --wine) wine=1; shift ;;
    --samples) samples=$2; shift 2 ;;
    *) echo "usage: run.sh [--wine] [--samples N]" >&2; exit 2 ;;
  esac
done

if [ $wine -eq 1 ]; then
  client=("$root/scripts/wine-exec" "$root/build/win64/bin/vorlix-sntp.exe")
  [ -x "${client[1]}" ] || { echo "build the win64 preset first" >&2; exit 1; }
  label="vorlix-sntp (Windows build under Wine)"
else
  # A release build without sanitizers, so the client is timed as shipped.
  cmake -S "$root" -B "$root/build/bench" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DVORLIX_BUILD_TESTS=OFF >/dev/null
  cmake --build "$root/build/bench" --target vorlix-sntp >/dev/null
  client=("$root/build/bench/bin/vorlix-sntp")
  label="vorlix-sntp (native)"
fi

out=$(mktemp -d /tmp/vorlix-sntp-bench.XXXXXX)
trap 'rm -rf "$out"' EXIT
export BENCH_SAMPLES=$samples BENCH_OUT=$out
"$root/tests/sync/with-chronyd.sh" --port 123 bash -c '
  set -e
  # Interleaved in rounds of ten, so both clients see the same conditions.
  for round in $(seq 1 $((BENCH_SAMPLES / 10))); do
    "$@" --ticks --count 10 127.0.0.1 >>"$BENCH_OUT/vorlix.txt"
    for i in $(seq 1 10); do ntpdig -p 1 127.0.0.1 >>"$BENCH_OUT/ntpdig.txt"; done
  done' bench "${client[@]}"

python3 "$root/bench/sntp_accuracy/summarize.py" "$label" "$out/vorlix.txt" "$out/ntpdig.txt"
