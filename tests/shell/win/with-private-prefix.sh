#!/usr/bin/env bash
# Runs a command in a private copy of the test run's Wine prefix, with a
# wineserver of its own, so the program under test has its own Windows
# directory and so its own settings files. The copy and its wineserver go
# away afterwards; the command's exit status is the script's.
set -uo pipefail
base=${WINEPREFIX:?the test run sets WINEPREFIX}
work=$(mktemp -d /tmp/vorlix-prefix.XXXXXX)
export WINEPREFIX="$work/prefix"
cleanup() {
  /usr/lib/wine/wineserver -k 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
cp -a "$base" "$WINEPREFIX"
rm -f "$WINEPREFIX/drive_c/windows/VorlixApp.ini" "$WINEPREFIX/drive_c/windows/Tzbase-DisplayNames.ini"
/usr/lib/wine/wineserver -p
"$@"
