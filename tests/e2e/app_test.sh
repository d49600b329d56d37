#!/usr/bin/env bash
# End-to-end tests of the real program, driven from outside with vorlix-drive.
# Every scenario runs in its own copy of the test run's Wine prefix, so it
# starts with its own Windows directory and settings files, and always with
# /dryrun, so no synchronisation can touch this machine's clock.
# Arguments: VorlixApp.exe, vorlix-drive.exe, the screenshot folder.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
app=$1 driver=$2 out=$3
wine=/usr/lib/wine/wine64
base_prefix=${WINEPREFIX:?the test run sets WINEPREFIX}
work=$(mktemp -d /tmp/vorlix-app-e2e.XXXXXX)
mkdir -p "$out"
failures=0 scenario=""
fail() { echo "FAILED [$scenario]: $*"; failures=$((failures + 1)); }
main=(--title "Vorlix Main Clock Window" --class "#32770" --any)

start_scenario() {  # name
  scenario=$1
  [ -n "${WINEPREFIX:-}" ] && [ "$WINEPREFIX" != "$base_prefix" ] && "${wineserver[@]}" -k 2>/dev/null
  export WINEPREFIX="$work/$1"
  cp -a "$base_prefix" "$WINEPREFIX"
  rm -f "$WINEPREFIX/drive_c/windows/VorlixApp.ini"
  wineserver=(env WINEPREFIX="$WINEPREFIX" /usr/lib/wine/wineserver)
  "${wineserver[@]}" -p
  ini="$WINEPREFIX/drive_c/windows/VorlixApp.ini"
}
cleanup() {
  [ -n "${wineserver:-}" ] && "${wineserver[@]}" -k 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

drive() { "$wine" "$driver" "$@" | tr -d '\r'; }
run_app() { "$wine" "$app" /dryrun "$@" & app_pid=$!; }
wait_main() { drive wait "${main[@]}" --timeout 30000 || fail "the main window did not appear"; }
clock_count() { drive children "${main[@]}" | awk -F'\t' '$1 == 101 && $2 == "Button"' | wc -l; }
# Keys of one section, in file order.
section_keys() {
  tr -d '\r' < "$ini" | awk -v s="[$1]" '$0 == s {on = 1; next} /^\[/ {on = 0} on && /=/ {sub(/=.*/, ""); print}' | paste -sd' '
}
section_value() {
  tr -d '\r' < "$ini" | awk -v s="[$1]" -v k="$2" '$0 == s {on = 1; next} /^\[/ {on = 0} on && index($0, k "=") == 1 {print substr($0, length(k) + 2)}'
}
# Asks to exit and answers Yes; the program must end within 30 seconds.
exit_with_yes() {
  local asked=0
  for _ in 1 2 3; do
    drive command "${main[@]}" 32779
    if drive wait --class "#32770" --child-text "&Minimize" --timeout 10000; then
      asked=1
      break
    fi
  done
  [ $asked -eq 1 ] || fail "no exit question"
  drive click --class "#32770" --child-text "&Minimize" --id 200
  # A retried request that was only slow puts the question once more after
  # the first Yes; it is answered the same way.
  local waited=0
  while kill -0 "$app_pid" 2>/dev/null && [ $waited -lt 30 ]; do
    if drive wait --class "#32770" --child-text "&Minimize" --timeout 1000; then
      drive click --class "#32770" --child-text "&Minimize" --id 200
    fi
    waited=$((waited + 1))
  done
  if kill -0 "$app_pid" 2>/dev/null; then
    fail "the program did not end after Yes"
    kill "$app_pid" 2>/dev/null
  fi
  wait "$app_pid" 2>/dev/null || true
}
close_menu() { drive post "${main[@]}" 256 27 0; }   # WM_KEYDOWN, Escape
screenshot() { bash "$here/screenshot.sh" "$out/$1" || fail "screenshot $1"; }

# --- First start: top-right corner, one UTC clock, the settings written at exit.
start_scenario first-start
run_app
wait_main
sleep 1
read -r _ _ work_right _ < <(drive workarea)
read -r left top right bottom < <(drive rect "${main[@]}")
[ "$right" -eq "$work_right" ] && [ "$top" -eq 0 ] || fail "placed at $left $top $right $bottom"
[ "$(clock_count)" -eq 1 ] || fail "$(clock_count) clocks, not 1"
zone_buttons=$(drive children "${main[@]}" | awk -F'\t' '$1 == 101 && $2 == "Button" {print $NF}')
[ "$zone_buttons" = "UTC" ] || fail "zone button: $zone_buttons"
screenshot main-one-clock.png
exit_with_yes
[ -f "$ini" ] || fail "no settings file after exit"
[ "$(section_keys State)" = "StayOnTop rcWnd.x rcWnd.y ptFavorite.x ptFavorite.y" ] ||
  fail "State keys: $(section_keys State)"
[ "$(section_value State rcWnd.x)" = "$left" ] || fail "rcWnd.x $(section_value State rcWnd.x)"
[ "$(section_value State StayOnTop)" = "0" ] || fail "StayOnTop"
expected_clock_keys="Zones ShowFlags AnalogDiameter DigitalFont DateZoneFontFace DateZoneFontSize DateZoneFontWeight DateFormat Zone 000 Zone 000AnalogFaceColor Zone 000AnalogLineColor Zone 000DisplayName"
[ "$(section_keys 'Clocks 000')" = "$expected_clock_keys" ] || fail "clock keys: $(section_keys 'Clocks 000')"
[ "$(section_keys Sync)" = "TimeOutEachTrySec TimeOutTotalSec MaxSilentAdjustMin Regimen PeriodMin" ] ||
  fail "Sync keys: $(section_keys Sync)"
[ "$(section_value ActiveServers Count)" = "1" ] || fail "active servers: $(section_value ActiveServers Count)"
[ "$(section_value UnusedServers Count)" = "456" ] || fail "unused servers: $(section_value UnusedServers Count)"

# --- Clocks: insert, arrows, delete with its question, the context menu.
start_scenario clocks
run_app
wait_main
drive command "${main[@]}" 1019   # no selection: appends
drive command "${main[@]}" 1019
sleep 0.5
[ "$(clock_count)" -eq 3 ] || fail "insert: $(clock_count) clocks"
# The context menu, driven by its mnemonics (its items are checked in the
# unit tests): with a clock selected "d" asks to delete it; the tray menu
# has no clock items.
open_window_menu() { drive post "${main[@]}" 123 0 0; sleep 0.7; }   # WM_CONTEXTMENU
open_tray_menu() { drive post "${main[@]}" 32768 101 517; sleep 0.7; }   # WM_APP, WM_RBUTTONUP
menu_key() { drive post "${main[@]}" 258 "$(printf '%d' "'$1")" 0; sleep 0.7; }   # WM_CHAR
question=(--class "#32770" --child-text "&Cancel")
drive command "${main[@]}" 32771   # select the next (first) clock
sleep 0.3
open_window_menu
menu_key d
drive wait "${question[@]}" --timeout 5000 || fail "no &Delete item with a clock selected"
drive children "${question[@]}" | grep -q "Are you certain that you want to delete 'UTC'?" ||
  fail "delete question text"
drive click "${question[@]}" --id 201
sleep 0.5
open_tray_menu
menu_key d
drive find "${question[@]}" >/dev/null 2>&1 && fail "the tray menu has clock items"
close_menu
sleep 0.5
open_tray_menu
menu_key h
sleep 1
[ "$(drive visible "${main[@]}")" = "0" ] || fail "&Hide from the tray menu"
drive command "${main[@]}" 32780
sleep 1
# Delete asks first; Cancel keeps the clock, OK removes it.
drive command "${main[@]}" 32787
drive wait "${question[@]}" --timeout 10000 || fail "no delete question"
drive click "${question[@]}" --id 201
sleep 0.5
[ "$(clock_count)" -eq 3 ] || fail "Cancel deleted a clock"
drive command "${main[@]}" 32787
drive wait "${question[@]}" --timeout 10000
drive click "${question[@]}" --id 200
sleep 0.5
[ "$(clock_count)" -eq 2 ] || fail "OK did not delete: $(clock_count) clocks"
for i in 1 2 3 4; do drive command "${main[@]}" 1019; done
sleep 1
[ "$(clock_count)" -eq 6 ] || fail "$(clock_count) clocks, not 6"
screenshot main-six-clocks.png
drive command "${main[@]}" 1019
sleep 1
[ "$(clock_count)" -eq 7 ] || fail "$(clock_count) clocks, not 7"
screenshot main-seven-clocks.png
exit_with_yes
[ "$(section_value 'Clocks 000' Zones)" = "7" ] || fail "saved zones: $(section_value 'Clocks 000' Zones)"

# --- Four clocks at a chosen instant (libfaketime moves the program's clock):
# the glyph displays show each zone's time, the zone buttons its first place.
# Their tooltips, which Wine keeps from other processes, are checked in-process
# with the same settings file (program_test).
start_scenario four-clocks
cp "$here/../fixtures/four-clocks.ini" "$ini"
faketime_library=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -1)
LD_PRELOAD="$faketime_library" FAKETIME="@2026-07-01 12:00:00" FAKETIME_DONT_FAKE_MONOTONIC=1 \
  "$wine" "$app" /dryrun &
app_pid=$!
wait_main
sleep 1
children=$(drive children "${main[@]}")
labels=$(echo "$children" | awk -F'\t' '$1 == 101 && $2 == "Button" {print $NF}' | paste -sd,)
[ "$labels" = "Belfast,Akron,Canberra,Kathmandu" ] || fail "zone buttons: $labels"
# The digital times, without their seconds: London on summer time, New York
# on daylight time, Sydney in its winter, Kathmandu at +5:45.
times=$(echo "$children" | awk -F'\t' '$NF ~ /[0-9]:[0-9][0-9]:[0-9][0-9] [AP]M$/ {print $NF}' |
  sed -E 's/:[0-9][0-9] ([AP]M)$/ \1/; s/^ +//' | paste -sd,)
[ "$times" = "1:00 PM,8:00 AM,10:00 PM,5:45 PM" ] || fail "digital times: $times"
screenshot main-four-clocks.png
exit_with_yes

# --- A second copy shows the hidden first copy and ends.
start_scenario second-copy
run_app
first=$app_pid
wait_main
drive command "${main[@]}" 32780
sleep 1
[ "$(drive visible "${main[@]}")" = "0" ] || fail "the window did not hide"
"$wine" "$app" /dryrun &
second=$!
timeout 30 tail --pid=$second -f /dev/null || fail "the second copy did not end"
sleep 1
[ "$(drive visible "${main[@]}")" = "1" ] || fail "the second copy did not show the first"
app_pid=$first
exit_with_yes

# --- Session end writes the state at once.
start_scenario end-session
run_app
wait_main
drive post "${main[@]}" 22 1 0    # WM_ENDSESSION
sleep 1
[ "$(section_keys State)" = "StayOnTop rcWnd.x rcWnd.y ptFavorite.x ptFavorite.y" ] ||
  fail "WM_ENDSESSION did not save the state"
[ -n "$(section_value Sync Regimen)" ] || fail "WM_ENDSESSION did not save the sync settings"
exit_with_yes

# --- Bad settings files: binary garbage, and a read-only file.
start_scenario garbage-settings
python3 -c "import random, sys; random.seed(7); sys.stdout.buffer.write(bytes(random.randrange(256) for _ in range(4000)))" > "$ini"
run_app
wait_main
[ "$(clock_count)" -ge 1 ] || fail "no clock with a garbage settings file"
exit_with_yes
start_scenario read-only-settings
printf '[State]\r\nrcWnd.x=-500\r\nrcWnd.y=99999\r\n' > "$ini"
chmod 444 "$ini"
run_app
wait_main
read -r left top right bottom < <(drive rect "${main[@]}")
read -r _ _ _ work_bottom < <(drive workarea)
[ "$left" -eq 0 ] && [ "$bottom" -eq "$work_bottom" ] || fail "clamped to $left $top $right $bottom"
exit_with_yes

echo "app end-to-end: $failures failure(s)"
[ $failures -eq 0 ]
