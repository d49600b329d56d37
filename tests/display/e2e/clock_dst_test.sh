#!/usr/bin/env bash
# Clocks for London, New York and Sydney started under faketime just before
# each one's daylight-saving change in 2002: the change must show at its
# second, in the digital time and in the tooltip, and the other clocks must
# not change state.
# Argument: the showcase program.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
showcase=$1
wine="$here/../../../scripts/wine-exec"
failures=0

# start time, clock, UTC instant of the change, the line before, the line at it
check() {
  local start=$1 clock=$2 change=$3 before=$4 after=$5 log
  log=$(faketime "$start" "$wine" "$showcase" dst 4500 | tr -d '\r' | grep "|$clock|")
  local previous=$((change - 1))
  if ! grep -qxF "$previous|$clock|$before" <<<"$log"; then
    echo "FAILED: $clock before the change"; echo "$log"; failures=$((failures + 1)); return
  fi
  if ! grep -qxF "$change|$clock|$after" <<<"$log"; then
    echo "FAILED: $clock at the change"; echo "$log"; failures=$((failures + 1)); return
  fi
  echo "$clock changes at $change: $after"
}

check '2002-03-31 00:59:57' London 1017536400 \
  '12:59:59 AM|London, U.K.: UTC +0:00' ' 2:00:00 AM|London, U.K.: UTC +1:00 (DST)'
check '2002-04-07 06:59:57' 'New York' 1018162800 \
  ' 1:59:59 AM|New York, U.S.A.: UTC -5:00' ' 3:00:00 AM|New York, U.S.A.: UTC -4:00 (DST)'
check '2002-03-30 15:59:57' Sydney 1017504000 \
  ' 2:59:59 AM|Sydney, Australia: UTC +11:00 (DST)' ' 2:00:00 AM|Sydney, Australia: UTC +10:00'

# A clock whose zone does not change keeps its state across another's change.
log=$(faketime '2002-03-31 00:59:58' "$wine" "$showcase" dst 3000 | tr -d '\r')
if grep '|Sydney|' <<<"$log" | grep -v -q '(DST)'; then :; else
  echo "FAILED: Sydney should stay out of DST on 31 March"; failures=$((failures + 1))
fi
if grep '|New York|' <<<"$log" | grep -q '(DST)'; then
  echo "FAILED: New York is not in DST on 31 March"; failures=$((failures + 1))
fi

[ $failures -eq 0 ] && echo "daylight-saving changes: all checks passed"
exit $((failures > 0))
