#!/usr/bin/env bash
# Clocks for London, New York and Sydney moved under libfaketime to just
# before each one's daylight-saving change in 2002: the change must show at
# its second, in the digital time and in the tooltip, and the other clocks
# must not change state. The clock is moved only once the window is up (the
# offset file is read on every time query), so a slow start cannot miss it.
# Argument: the showcase program.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
showcase=$1
wine="$here/../../../scripts/wine-exec"
library=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -1)
[ -n "$library" ] || { echo "FAILED: libfaketime is not installed"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# Runs the clocks until UTC instant until + 2 after moving them to `lead`
# seconds before it; prints the log.
run_clocks() {
  local until=$1 lead=$2 offset
  echo "+0" >"$work/offset"
  : >"$work/log"
  LD_PRELOAD="$library" FAKETIME_TIMESTAMP_FILE="$work/offset" FAKETIME_NO_CACHE=1 \
    FAKETIME_DONT_FAKE_MONOTONIC=1 "$wine" "$showcase" dst $((until + 2)) >"$work/log" &
  local pid=$!
  for _ in $(seq 600); do grep -q ready "$work/log" && break; sleep 0.1; done
  offset=$((until - lead - $(date +%s)))
  echo "$offset" >"$work/offset"
  wait $pid
  tr -d '\r' <"$work/log" | grep -v '^ready'
}

# clock, UTC instant of the change, the line before, the line at it
check() {
  local clock=$1 change=$2 before=$3 after=$4 log
  log=$(run_clocks "$change" 3 | grep "|$clock|")
  if ! grep -qxF "$((change - 1))|$clock|$before" <<<"$log"; then
    echo "FAILED: $clock before the change"; echo "$log"; failures=$((failures + 1)); return
  fi
  if ! grep -qxF "$change|$clock|$after" <<<"$log"; then
    echo "FAILED: $clock at the change"; echo "$log"; failures=$((failures + 1)); return
  fi
  echo "$clock changes at $change: $after"
}

check London 1017536400 \
  '12:59:59 AM|London, U.K.: UTC +0:00' ' 2:00:00 AM|London, U.K.: UTC +1:00 (DST)'
check 'New York' 1018162800 \
  ' 1:59:59 AM|New York, U.S.A.: UTC -5:00' ' 3:00:00 AM|New York, U.S.A.: UTC -4:00 (DST)'
check Sydney 1017504000 \
  ' 2:59:59 AM|Sydney, Australia: UTC +11:00 (DST)' ' 2:00:00 AM|Sydney, Australia: UTC +10:00'

# Across London's change the other two clocks keep their state.
log=$(run_clocks 1017536400 2)
if grep '|Sydney|' <<<"$log" | grep -q '(DST)' || ! grep -q '|Sydney|' <<<"$log"; then
  echo "FAILED: Sydney is out of DST on 31 March"; failures=$((failures + 1))
fi
if grep '|New York|' <<<"$log" | grep -q '(DST)'; then
  echo "FAILED: New York is not in DST on 31 March"; failures=$((failures + 1))
fi

[ $failures -eq 0 ] && echo "daylight-saving changes: all checks passed"
exit $((failures > 0))
