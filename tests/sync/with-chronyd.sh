#!/usr/bin/env bash
# Runs a command beside a private NTP server: chronyd -x (it never touches
# this machine's clock) serving 127.0.0.1 as a local stratum-8 server on a
# free port. The command finds the port in VORLIX_TEST_NTP_PORT. chronyd is
# stopped afterwards, whatever the command's outcome; the command's exit
# status is the script's.
#
#   with-chronyd.sh [--port N] [--address A] COMMAND...
set -uo pipefail

address=127.0.0.1
port=
while [ $# -gt 0 ]; do
  case "$1" in
    --port) port=$2; shift 2 ;;
    --address) address=$2; shift 2 ;;
    *) break ;;
  esac
done
[ $# -gt 0 ] || { echo "usage: with-chronyd.sh [--port N] [--address A] COMMAND..." >&2; exit 2; }

free_udp_port() {
  python3 -c 'import socket; s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}
[ -n "$port" ] || port=$(free_udp_port)

work=$(mktemp -d /tmp/vorlix-chronyd.XXXXXX)
chmod 755 "$work"
chronyd_pid=
stop_chronyd() {
  if [ -n "$chronyd_pid" ]; then
    kill "$chronyd_pid" 2>/dev/null
    wait "$chronyd_pid" 2>/dev/null
  fi
  rm -rf "$work"
}
trap stop_chronyd EXIT

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

# -x: never touch the clock; -d: stay in the foreground, logging to stderr.
chronyd -x -d -f "$work/chrony.conf" >"$work/chronyd.log" 2>&1 &
chronyd_pid=$!

# Ready once it answers with a synchronised clock (leap indicator not 3).
python3 - "$address" "$port" <<'PY' || { echo "chronyd did not start:"; cat "$work/chronyd.log"; exit 1; }
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

export VORLIX_TEST_NTP_PORT=$port VORLIX_TEST_NTP_ADDRESS=$address
"$@"
