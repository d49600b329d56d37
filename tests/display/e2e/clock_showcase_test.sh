#!/usr/bin/env bash
# Screenshot of clock lists in several glyph fonts and face styles, kept in
# the output folder; fails when the picture looks blank or the clocks never
# showed up.
# Arguments: the showcase program, the driver, the output folder.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
showcase=$1 driver=$2 out=$3
wine="$here/../../../scripts/wine-exec"
mkdir -p "$out"
"$wine" "$showcase" show 6000 &
pid=$!
status=0
if ! "$wine" "$driver" wait --title "Vorlix clock showcase" --timeout 15000 >/dev/null; then
  echo "FAILED: the showcase window did not appear"
  status=1
else
  sleep 2
  import -window root "$out/clock-lists.png"
  colours=$(identify -format '%k' "$out/clock-lists.png" 2>/dev/null || echo 0)
  if [ "$colours" -lt 60 ]; then
    echo "FAILED: the screenshot looks blank ($colours colours)"
    status=1
  fi
fi
wait $pid || { echo "FAILED: the showcase ended with an error"; status=1; }
[ $status -eq 0 ] && echo "clock showcase: screenshot in $out/clock-lists.png"
exit $status
