#!/usr/bin/env bash
# End-to-end test of the dialog look, from outside the program: the message
# box with four buttons and a draggable dialog with banner and title strip
# are driven with vorlix-drive and photographed (kept in the output folder).
# Arguments: the showcase program, the driver, the output folder.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
showcase=$1 driver=$2 out=$3
wine="$here/../../scripts/wine-exec"
mkdir -p "$out"
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
drive() { "$wine" "$driver" "$@" | tr -d '\r'; }
# At least this many colours: a blank or broken screen has only a few.
check_picture() {
  local colours
  colours=$(identify -format '%k' "$1" 2>/dev/null || echo 0)
  [ "$colours" -ge 20 ] || fail "$1 looks blank ($colours colours)"
}

# The message box: four buttons, the question icon, the title strip.
"$wine" "$showcase" message &
pid=$!
box=(--class '#32770' --child-text '&Minimize')
drive wait "${box[@]}" --timeout 15000 || fail "no message box"
sleep 0.5
for i in 0 1 2 3; do
  expected=$(echo "&Yes &No &Minimize &Help" | cut -d' ' -f$((i + 1)))
  [ "$(drive text "${box[@]}" --id $((200 + i)))" = "$expected" ] || fail "button $i caption"
done
[ "$(drive text "${box[@]}" --id 1044)" = " Confirm" ] || fail "title strip text"
bash "$here/screenshot.sh" "$out/message-box.png" && check_picture "$out/message-box.png"
drive click "${box[@]}" --id 202
wait $pid
status=$?
[ $status -eq 2 ] || fail "clicking &Minimize gave $status, not 2"

# The draggable dialog: unrolls, drags by its surface, stays inside the work
# area, closes with its dismiss button.
"$wine" "$showcase" dialog &
pid=$!
dialog=(--class '#32770' --child-text ' Synchronization Options')
drive wait "${dialog[@]}" --timeout 15000 || fail "no dialog"
sleep 1
bash "$here/screenshot.sh" "$out/draggable-dialog.png" && check_picture "$out/draggable-dialog.png"
read -r left top right bottom < <(drive rect "${dialog[@]}")
read -r _ _ work_right _ < <(drive workarea)
# Press on empty surface below the title strip and drag far to the right.
x=$((left + 60)) y=$((top + 8 + 30))
drive drag $x $y $((x + work_right)) $((y + 20))
sleep 0.3
read -r left2 top2 right2 bottom2 < <(drive rect "${dialog[@]}")
[ "$right2" -eq "$work_right" ] || fail "dragged past the edge: right $right2, work area $work_right"
[ $((right2 - left2)) -eq $((right - left)) ] || fail "the drag resized the dialog"
[ "$top2" -ne "$top" ] || fail "the dialog did not follow the drag vertically"
[ "$(drive checked "${dialog[@]}" --id 1001)" = "1" ] || fail "check box state"
drive click "${dialog[@]}" --id 101
wait $pid
status=$?
[ $status -eq 2 ] || fail "the dismiss button gave $status, not 2 (Cancel)"

[ $failures -eq 0 ] && echo "showcase: all checks passed"
exit $((failures > 0))
