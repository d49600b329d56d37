#!/usr/bin/env bash
# Start-up time of VorlixApp under Wine with 12 clocks, from process start to
# its main window being visible on the X display, side by side with a
# minimal Win32 program that shows one window (the floor Wine sets); the
# median of 10 runs of each, interleaved, and their ratio (goal: under 1.5).
# Then the private memory of the program with 36 clocks after one minute
# (goal: under 16 MB).
# Needs DISPLAY and WINEPREFIX. Usage: run.sh VorlixApp.exe MinimalWindow.exe [RUNS]
set -euo pipefail
app=$1 floor=$2 runs=${3:-10}
wine=/usr/lib/wine/wine64
ini="$WINEPREFIX/drive_c/windows/VorlixApp.ini"
backup=$(mktemp)
[ -f "$ini" ] && cp "$ini" "$backup"
restore() { if [ -s "$backup" ]; then cp "$backup" "$ini"; else rm -f "$ini"; fi; rm -f "$backup"; }
trap restore EXIT

write_clocks() {  # count
  { printf '[Clocks 000]\r\nZones=%d\r\n' "$1"
    for ((i = 0; i < $1; i++)); do printf 'Zone %03d=%d\r\n' "$i" $((i * 7 % 265)); done
  } > "$ini"
}

# Waits until a window of that title is mapped. (xdotool's own --sync looks
# only every half second, too coarse for what is measured here.) A program
# that never shows its window fails the run rather than hanging it.
wait_for_window() {  # title
  local deadline=$((SECONDS + 30))
  until xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; do
    if ((SECONDS > deadline)); then
      echo "no window \"$1\" within 30 s" >&2
      return 1
    fi
    sleep 0.01
  done
}

# Seconds from start to the window being mapped, for one run of a program.
time_to_window() {  # program title
  local start end pid
  start=$(date +%s.%N)
  "$wine" "$1" /dryrun >/dev/null 2>&1 &
  pid=$!
  if ! wait_for_window "$2"; then
    kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
    return 1
  fi
  end=$(date +%s.%N)
  kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
  sleep 0.5
  python3 -c "print($end - $start)"
}

write_clocks 12
app_times=() floor_times=()
for ((run = 0; run < runs; run++)); do
  floor_times+=("$(time_to_window "$floor" "Vorlix Startup Floor")")
  app_times+=("$(time_to_window "$app" "Vorlix Main Clock Window")")
done

write_clocks 36
"$wine" "$app" /dryrun >/dev/null 2>&1 &
pid=$!
if ! wait_for_window "Vorlix Main Clock Window"; then
  kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
  exit 1
fi
sleep 60
private_kb=$(awk '/^Private_(Clean|Dirty):/ {sum += $2} END {print sum}' "/proc/$pid/smaps_rollup")
kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true

python3 - "$private_kb" "${floor_times[*]}" "${app_times[*]}" <<'PY'
import statistics, sys
private_kb = int(sys.argv[1])
floor = [float(x) for x in sys.argv[2].split()]
app = [float(x) for x in sys.argv[3].split()]
f, a = statistics.median(floor), statistics.median(app)
print(f"minimal window: median {f * 1000:.0f} ms over {len(floor)} runs")
print(f"VorlixApp, 12 clocks: median {a * 1000:.0f} ms over {len(app)} runs")
print(f"start-up ratio: {a / f:.2f} (goal: under 1.5)")
print(f"private memory with 36 clocks after one minute: {private_kb / 1024:.1f} MB (goal: under 16 MB)")
PY
