#!/usr/bin/env bash
# Runs a command beside a private NTP server: chronyd -x (it never touches
# this machine's clock) serving one loopback address as a local stratum-8
# server, on a free port unless --port names one. The command finds the
# port in VORLIX_TEST_NTP_PORT. chronyd is stopped afterwards, whatever the
# command's outcome; the command's exit status is the script's.
#
# With --on-request chronyd does not start with the command: the command
# starts and stops it whenever it likes by creating the empty file "start"
# or "stop" in the folder VORLIX_TEST_NTP_CONTROL names. The file goes away
# once chronyd answers (start) or has ended (stop); a start that failed
# leaves "start.failed" instead.
#
#   with-chronyd.sh [--port N] [--address A] [--on-request] COMMAND...
set -uo pipefail

address=127.0.0.1
port=
on_request=0
while [ $# -gt 0 ]; do
  case "$1" in
    --port) port=$2; shift 2 ;;
    --address) address=$2; shift 2 ;;
    --on-request) on_request=1; shift ;;
    *) break ;;
  esac
done
[ $# -gt 0 ] || { echo "usage: with-chronyd.sh [--port N] [--address A] [--on-request] COMMAND..." >&2; exit 2; }

free_udp_port() {
  python3 -c 'import socket; s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}
[ -n "$port" ] || port=$(free_udp_port)

work=$(mktemp -d /tmp/vorlix-chronyd.XXXXXX)
chmod 755 "$work"
chronyd_pid=
command_pid=
stop_chronyd() {
  if [ -n "$chronyd_pid" ]; then
    kill "$chronyd_pid" 2>/dev/null
    wait "$chronyd_pid" 2>/dev/null
    chronyd_pid=
  fi
}
cleanup() {
  [ -n "$command_pid" ] && kill "$command_pid" 2>/dev/null
  stop_chronyd
  rm -rf "$work"
}
trap cleanup EXIT

cat >"$work/chrony.conf" <<CONF
port $port
bindaddress $address
local stratum 8
allow 127.0.0.1
allow $address
cmdport 0
user root
pidfile $work/chronyd.pid
driftfile $work/chrony.drift
CONF

# Starts chronyd and waits until it answers with a synchronised clock (leap
# indicator not 3). Refuses a port that another server holds, whose answers
# would pass for ours.
start_chronyd() {
  if ! python3 -c 'import socket, sys; socket.socket(socket.AF_INET, socket.SOCK_DGRAM).bind((sys.argv[1], int(sys.argv[2])))' \
       "$address" "$port" 2>/dev/null; then
    echo "with-chronyd: UDP $address:$port is taken by another program" >&2
    return 1
  fi
  # -x: never touch the clock; -d: stay in the foreground, logging to stderr.
  chronyd -x -d -f "$work/chrony.conf" >"$work/chronyd.log" 2>&1 &
  chronyd_pid=$!
  if ! python3 - "$address" "$port" <<'PY'; then
import socket, sys, time
address, port = sys.argv[1], int(sys.argv[2])
sock = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
sock.settimeout(0.2)
request = bytes([0x1B]) + bytes(39) + bytes([1, 2, 3, 4, 5, 6, 7, 8])
deadline = time.time() + 20
while time.time() < deadline:
    try:
        sock.sendto(request, (address, port))
        reply = sock.recv(512)
        if len(reply) >= 48 and reply[0] >> 6 != 3:
            sys.exit(0)
    except OSError:
        pass
    time.sleep(0.1)
sys.exit(1)
PY
    echo "with-chronyd: chronyd did not start:" >&2
    cat "$work/chronyd.log" >&2
    stop_chronyd
    return 1
  fi
}

export VORLIX_TEST_NTP_PORT=$port VORLIX_TEST_NTP_ADDRESS=$address
if [ $on_request -eq 0 ]; then
  start_chronyd || exit 1
  "$@"
  exit $?
fi

control="$work/control"
mkdir "$control"
export VORLIX_TEST_NTP_CONTROL=$control
"$@" &
command_pid=$!
while kill -0 "$command_pid" 2>/dev/null; do
  if [ -e "$control/start" ]; then
    if [ -n "$chronyd_pid" ] || start_chronyd; then
      rm -f "$control/start"
    else
      mv "$control/start" "$control/start.failed"
    fi
  fi
  if [ -e "$control/stop" ]; then
    stop_chronyd
    rm -f "$control/stop"
  fi
  sleep 0.1
done
wait "$command_pid"
status=$?
command_pid=
exit $status
