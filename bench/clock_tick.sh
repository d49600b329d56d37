#!/usr/bin/env bash
# Runs the clock-tick benchmark under Wine: 36 ticking clocks and an idle
# window with only a 250 ms timer, side by side for the same time, and
# prints the CPU each used and what the clocks cost as a share of one core.
# Needs DISPLAY and WINEPREFIX (a running wineserver helps).
# Usage: clock_tick.sh PATH/clock_tick.exe [SECONDS]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$1 seconds=${2:-30}
wine="$here/../scripts/wine-exec"
clocks_log=$(mktemp) idle_log=$(mktemp)
trap 'rm -f "$clocks_log" "$idle_log"' EXIT
"$wine" "$program" clocks "$seconds" | tr -d '\r' >"$clocks_log" &
clocks_pid=$!
"$wine" "$program" idle "$seconds" | tr -d '\r' >"$idle_log" &
idle_pid=$!
wait $clocks_pid $idle_pid
cat "$clocks_log" "$idle_log"
clocks_cpu=$(sed -n 's/.*cpu \([0-9.]*\) s.*/\1/p' "$clocks_log")
idle_cpu=$(sed -n 's/.*cpu \([0-9.]*\) s.*/\1/p' "$idle_log")
quiet_paints=$(sed -n 's/.*paints in quiet ticks \([0-9]*\).*/\1/p' "$clocks_log")
python3 - "$clocks_cpu" "$idle_cpu" "$seconds" "$quiet_paints" <<'PY'
import sys
clocks, idle, seconds, quiet = float(sys.argv[1]), float(sys.argv[2]), float(sys.argv[3]), int(sys.argv[4])
share = (clocks - idle) / seconds * 100
print(f"36 clocks: {clocks:.3f} s CPU, idle window: {idle:.3f} s CPU over {seconds:.0f} s")
print(f"the clocks cost {share:.3f}% of one core beyond the idle window (goal: below 1%)")
print(f"paints in ticks without a new second: {quiet} (goal: 0)")
sys.exit(0 if share < 1.0 and quiet == 0 else 1)
PY
