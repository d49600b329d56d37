#!/usr/bin/env bash
# Takes a screenshot of the whole X display ($DISPLAY, normally the Xvfb
# display of the test run) into the PNG file given.
set -euo pipefail
out=${1:?usage: screenshot.sh OUT.png}
[ -n "${DISPLAY:-}" ] || { echo "screenshot.sh: no DISPLAY" >&2; exit 2; }
import -window root "$out"
