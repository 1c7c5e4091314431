#!/usr/bin/env bash
# The window ended by SIGTERM, SIGHUP or SIGINT (a logout, a closed terminal, Ctrl+C) runs the
# shut-down of its close box: the settings and the image dump are written and the port's lock
# goes; the exit status is the shell's for the signal.
#   shutdown_signals.sh PROGRAM UNIT_SIM
set -euo pipefail
program=$1
sim=$2
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill -KILL "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

"$sim" --link "$work/unit" >/dev/null &
pids+=($!)
for _ in $(seq 50); do [ -e "$work/unit" ] && break; sleep 0.1; done
[ -e "$work/unit" ] || fail "the simulated unit did not come up"
lock=/run/lock/LCK..$(readlink -f "$work/unit" | sed 's|^/dev/||; s|/|_|g')

for signal in TERM HUP INT; do
  config=$work/$signal
  mkdir -p "$config/zarvell" "$config/runtime"
  chmod 700 "$config/runtime"
  printf '[FORM_HLAV]\r\nComPort=1\r\n[PORTS]\r\nCOM1=%s\r\n' "$work/unit" \
    >"$config/zarvell/Zarvell_v75.ini"
  XDG_CONFIG_HOME=$config XDG_RUNTIME_DIR=$config/runtime QT_QPA_PLATFORM=offscreen \
    "$program" >/dev/null 2>&1 &
  window=$!
  pids+=("$window")
  for _ in $(seq 100); do [ -e "$lock" ] && break; sleep 0.1; done
  [ -e "$lock" ] || fail "SIG$signal: the window did not take the port"
  sleep 0.5  # past the start-up, in the event loop
  kill -"$signal" "$window"
  status=0
  wait "$window" || status=$?
  [ "$status" -eq $((128 + $(kill -l "$signal"))) ] || fail "SIG$signal: exit status $status"
  [ -e "$lock" ] && fail "SIG$signal: the port's lock $lock was left behind"
  [ -s "$config/zarvell/_Zarvell_v75.ini" ] || fail "SIG$signal: no image dump"
  grep -q '^Language=' "$config/zarvell/Zarvell_v75.ini" ||
    fail "SIG$signal: the settings were not written: $(cat "$config/zarvell/Zarvell_v75.ini")"
done
echo "every signal ran the shut-down"
