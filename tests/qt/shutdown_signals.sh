#!/usr/bin/env bash
# The window ended by SIGTERM, SIGHUP or SIGINT (a logout, a closed terminal, Ctrl+C) runs the
# shut-down of its close box: the settings and the image dump are written and the port's lock
# goes; the exit status is the shell's for the signal.
#   shutdown_signals.sh PROGRAM UNIT_SIM
set -euo pipefail
program=$1
sim=$2
cleanup_signal=KILL
source "$(dirname "$0")/../support/script_support.sh"
start_unit unit
lock=/run/lock/LCK..$(readlink -f "$work/unit" | sed 's|^/dev/||; s|/|_|g')

# window NAME DEVICE: the program with settings of its own in $work/NAME, COM1 on DEVICE
window() {
  config=$work/$1
  mkdir -p "$config/zarvell" "$config/runtime"
  chmod 700 "$config/runtime"
  printf '[FORM_HLAV]\r\nComPort=1\r\n[PORTS]\r\nCOM1=%s\r\n' "$2" >"$config/zarvell/Zarvell_v75.ini"
  XDG_CONFIG_HOME=$config XDG_RUNTIME_DIR=$config/runtime QT_QPA_PLATFORM=offscreen \
    "$program" >/dev/null 2>&1 &
  pid=$!
  pids+=("$pid")
}

# ended NAME SIGNAL: sends SIGNAL to the window; it must end as the signal says, with its
# settings and dump written
ended() {
  kill -"$2" "$pid"
  status=0
  wait "$pid" || status=$?
  [ "$status" -eq $((128 + $(kill -l "$2"))) ] || fail "$1: exit status $status"
  [ -s "$work/$1/zarvell/_Zarvell_v75.ini" ] || fail "$1: no image dump"
  grep -q '^Language=' "$work/$1/zarvell/Zarvell_v75.ini" ||
    fail "$1: the settings were not written: $(cat "$work/$1/zarvell/Zarvell_v75.ini")"
}

for signal in TERM HUP INT; do
  window "$signal" "$work/unit"
  for _ in $(seq 100); do [ -e "$lock" ] && break; sleep 0.1; done
  [ -e "$lock" ] || fail "SIG$signal: the window did not take the port"
  sleep 0.5  # past the start-up, in the event loop
  ended "$signal" "$signal"
  [ -e "$lock" ] && fail "SIG$signal: the port's lock $lock was left behind"
done
# A start-up that waits in a message box ("Com opening error!") is ended the same way.
window startup "$work/absent"
sleep 2
ended startup TERM
echo "every signal ran the shut-down"
