#!/usr/bin/env bash
# zarvell-cli against zarvell-unit-sim over a real pseudo-terminal: program, verify and read
# give back the file programmed; the unit's refusals and faults give their exit statuses.
#   link_end_to_end.sh UNIT_SIM CLI
set -euo pipefail
sim=$1
cli=$2
source "$(dirname "$0")/../support/script_support.sh"

# expect STATUS COMMAND...: runs the command, which must end with STATUS
expect() {
  local want=$1 got=0
  shift
  "$@" 2>"$work/err" >"$work/out" || got=$?
  [ "$got" -eq "$want" ] || fail "$* ended with $got, not $want: $(cat "$work/err")"
}

export XDG_CONFIG_HOME=$work/config
"$cli" new --bike 5 >"$work/bike5.ign"
"$cli" new --bike 20 >"$work/bike20.ign"
cmp -s "$work/bike5.ign" "$work/bike20.ign" && fail "the two sets must differ"

start_unit unit
expect 0 "$cli" program --port "$work/unit" "$work/bike5.ign"
grep -q "programmed, verified and saved" "$work/err" || fail "program: $(cat "$work/err")"
expect 0 "$cli" verify --port "$work/unit" "$work/bike5.ign"
expect 0 "$cli" read --port "$work/unit"
cmp "$work/out" "$work/bike5.ign" || fail "the file read back differs from the file programmed"
expect 4 "$cli" verify --port "$work/unit" "$work/bike20.ign"
grep -q "Verify error!" "$work/err" || fail "verify of another set: $(cat "$work/err")"

# diff against the unit's set: the file programmed is equal, one changed byte differs.
expect 0 "$cli" diff --port "$work/unit" "$work/bike5.ign"
sed 's/^LIMITER .*/LIMITER       100 /' "$work/bike5.ign" >"$work/bike5-limiter.ign"
expect 1 "$cli" diff --port "$work/unit" "$work/bike5-limiter.ign"
grep -q "^LIMITER .* 10000 rpm -> " "$work/out" || fail "diff with the unit: $(cat "$work/out")"

# A COM name is looked up in the program's own settings.
mkdir -p "$XDG_CONFIG_HOME/zarvell"
printf '[PORTS]\nCOM7=%s\n' "$work/unit" >"$XDG_CONFIG_HOME/zarvell/Zarvell_v75.ini"
expect 0 "$cli" verify --port COM7 "$work/bike5.ign"
expect 3 "$cli" verify --port "$work/absent" "$work/bike5.ign"
grep -q "Com opening error!" "$work/err" || fail "absent port: $(cat "$work/err")"

expect 3 "$cli" monitor --port "$work/absent"
expect 0 "$cli" monitor --port "$work/unit" --count 2
[ "$(grep -c '^rpm=' "$work/out")" -eq 2 ] || fail "monitor printed: $(cat "$work/out")"

# A second program on a port in use is refused, whoever runs it.
"$cli" monitor --port "$work/unit" --count 1000 >"$work/monitor.out" 2>/dev/null &
monitor=$!
pids+=("$monitor")
for _ in $(seq 50); do
  grep -q '^rpm=' "$work/monitor.out" && break
  sleep 0.1
done
expect 3 "$cli" program --port "$work/unit" "$work/bike5.ign"
grep -q "Com opening error!" "$work/err" || fail "port in use: $(cat "$work/err")"
expect 3 "$cli" monitor --port "$work/unit" --count 1
# Ended by a signal, the monitor still closes the port and takes its lock file away.
kill -TERM "$monitor"
status=0
wait "$monitor" || status=$?
[ "$status" -eq 143 ] || fail "the monitor ended with $status on SIGTERM"
lock=/run/lock/LCK..$(readlink -f "$work/unit" | sed 's|^/dev/||; s|/|_|g')
[ -e "$lock" ] && fail "$lock was left behind"
expect 0 "$cli" monitor --port "$work/unit" --count 1

# Unplugged while saving, or gone for good: verified, but the save is not confirmed.
start_unit quiet --silent-when-saving 40
expect 6 "$cli" program --port "$work/quiet" "$work/bike5.ign"
grep -q "programmed and verified; the unit did not report its save" "$work/err" ||
  fail "silent while saving: $(cat "$work/err")"
start_unit pulled --quit-when-saving
expect 6 "$cli" program --port "$work/pulled" "$work/bike5.ign"

start_unit lossy --drop 5
expect 0 "$cli" program --port "$work/lossy" "$work/bike5.ign"

start_unit old --version 74
expect 5 "$cli" program --port "$work/old" "$work/bike5.ign"
grep -q "Unmatched version of PC and Ignition programs!  PC-75, IGN-74" "$work/err" ||
  fail "version 74: $(cat "$work/err")"

start_unit locked --refuse
expect 5 "$cli" read --port "$work/locked"
grep -q "No reading!" "$work/err" || fail "refused read: $(cat "$work/err")"
[ -s "$work/out" ] && fail "a refused read printed a file"

# Each block is written as the unit takes it: a failure after block 0 may leave a mix.
mixed="The unit may now hold a mix of the old and the new set; program it again."
for block in 1 2; do
  start_unit "broken$block" --corrupt "$block"
  expect 4 "$cli" program --port "$work/broken$block" "$work/bike5.ign"
  grep -qF "Program error! $mixed" "$work/err" || fail "changed echo $block: $(cat "$work/err")"
done
start_unit mute --silent-after 0 --silent-for 100000
expect 4 "$cli" program --port "$work/mute" "$work/bike5.ign"
grep -q "Program error!" "$work/err" || fail "no answer: $(cat "$work/err")"
grep -qF "$mixed" "$work/err" && fail "nothing was written, yet: $(cat "$work/err")"
# A logged run held at 4300 rpm and 35 % throttle: with no throttle rows in the unit's set
# (read first, for the cells), all its time is in the 100 % row at 4000 rpm.
start_unit steady --rpm 4300 --tps 35
expect 0 "$cli" monitor --port "$work/steady" --count 8 --log "$work/run.csv"
[ "$(wc -l <"$work/run.csv")" -eq 9 ] || fail "the log: $(cat "$work/run.csv")"
grep -q '^0,4300,35,1779,9,3,25,' "$work/run.csv" || fail "the first row: $(head -2 "$work/run.csv")"
expect 0 "$cli" residency "$work/run.csv" --png "$work/run.png"
grep -Eq '^  100 +\. +\. +\. +2\.[0-9] +\. ' "$work/out" || fail "residency: $(cat "$work/out")"
grep -q ' 0.0 s outside the map' "$work/out" || fail "residency: $(cat "$work/out")"
for picture in run.png run-time.png; do
  [ "$(head -c 4 "$work/$picture" | od -An -tx1 | tr -d ' ')" = 89504e47 ] || fail "$picture"
done
# Ctrl+C ends a logged run cleanly: every row written is whole.
"$cli" monitor --port "$work/steady" --log "$work/stopped.csv" >/dev/null 2>&1 &
logger=$!
pids+=("$logger")
for _ in $(seq 100); do
  [ "$(wc -l <"$work/stopped.csv" 2>/dev/null || echo 0)" -ge 4 ] && break
  sleep 0.1
done
kill -INT "$logger"
wait "$logger" || true
expect 0 "$cli" residency "$work/stopped.csv"
grep -q "cut off" "$work/err" && fail "Ctrl+C left half a row: $(tail -c 80 "$work/stopped.csv")"
[ "$(tail -c 1 "$work/stopped.csv" | od -An -c | tr -d ' ')" = '\n' ] || fail "the log's end"
# Cut off in a row, the log reads up to the row before.
head -c -5 "$work/run.csv" >"$work/cut.csv"
expect 0 "$cli" residency "$work/cut.csv"
grep -q "the last row was cut off" "$work/err" || fail "cut log: $(cat "$work/err")"
echo "all link commands behaved"
