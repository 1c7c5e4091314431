#!/usr/bin/env bash
# The Windows programs under wine: the cross-built GoogleTest suite, zarvell-cli.exe against the
# Linux simulated unit on a pseudo-terminal that wine sees as COM1, the play scenarios, and .ign
# files that travel between the two builds.
#   tests/windows/run_under_wine.sh BUILD_WIN BUILD_LINUX
# BUILD_WIN holds zarvell-cli.exe and tests/zarvell_tests.exe (and the wine prefix, made on first
# use);
# BUILD_LINUX holds zarvell-cli and zarvell-unit-sim. Prints one summary line; exit 1 on a failure.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
win=$(cd "$1" && pwd)
linux=$(cd "$2" && pwd)
cli_exe="$win/zarvell-cli.exe"
cli="$linux/zarvell-cli"
sim="$linux/zarvell-unit-sim"

export WINEPREFIX="$win/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
work=$(mktemp -d)
passed=0
failed=0
sim_pid=

cleanup() {
  [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null
  wineserver -k 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

pass() { passed=$((passed + 1)); echo "PASS  $1"; }
fail() { failed=$((failed + 1)); echo "FAIL  $1${2:+: $2}"; }
# check NAME COMMAND...: a step that passes when COMMAND does.
check() {
  local name=$1
  shift
  if "$@"; then pass "$name"; else fail "$name"; fi
}
run_exe() { wine "$cli_exe" "$@"; }

# A prefix of its own in the build folder; the first boot of wine takes a while.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Preparing the wine prefix in $WINEPREFIX (once)"
  wineboot -i >/dev/null 2>&1
  wineserver -w
fi

# 1. The GoogleTest suite.
if wine "$win/tests/zarvell_tests.exe" --gtest_brief=1 >"$work/gtest.log" 2>&1; then
  pass "GoogleTest suite ($(grep -o '[0-9]* tests\? from [0-9]* test suites\? ran' "$work/gtest.log"))"
else
  grep -E '^\[  FAILED|Failure|error' "$work/gtest.log" | head -40
  fail "GoogleTest suite" "$(grep -E '^\[  FAILED  \] [0-9]+ test' "$work/gtest.log")"
fi

# 2. The unit on COM1: the simulated unit's pseudo-terminal entered in wine's registry of ports,
# which wine reads when its server starts.
"$sim" >"$work/sim.out" 2>&1 &
sim_pid=$!
for _ in $(seq 50); do [ -s "$work/sim.out" ] && break; sleep 0.1; done
pts=$(head -1 "$work/sim.out")
# COM12 too, for a number that only the "\\.\COMn" form reaches.
for com in COM1 COM12; do
  wine reg add 'HKLM\Software\Wine\Ports' /v "$com" /t REG_SZ /d "$pts" /f >/dev/null 2>&1
done
wineserver -k
wineserver -w

strip_cr() { tr -d '\r' <"$1"; }
# A set other than the one the unit starts with, so that a program run changes something.
"$cli" new --bike 7 >"$work/bike7.ign"
"$cli" read --port "$pts" >"$work/linux-read.ign" 2>/dev/null

run_exe read --port COM1 >"$work/win-read.ign" 2>"$work/err"
check "read gives what the Linux build reads" cmp -s <(strip_cr "$work/win-read.ign") "$work/linux-read.ign"
check "read writes CR LF to its text output" grep -q $'\r$' "$work/win-read.ign"

run_exe program --port COM1 "$(winepath -w "$work/bike7.ign")" 2>"$work/err"
check "program exits 0" test $? -eq 0
run_exe verify --port COM1 "$(winepath -w "$work/bike7.ign")" 2>>"$work/err"
check "verify exits 0 after program" test $? -eq 0
run_exe read --port COM1 >"$work/back.ign" 2>>"$work/err"
"$cli" normalize "$work/bike7.ign" >"$work/bike7-normal.ign"
check "a programmed set reads back the same" cmp -s <(strip_cr "$work/back.ign") "$work/bike7-normal.ign"
"$cli" read --port "$pts" >"$work/linux-back.ign" 2>/dev/null
check "the Linux build reads the same set back" cmp -s "$work/linux-back.ign" "$work/bike7-normal.ign"

run_exe diff --port COM1 "$(winepath -w "$work/bike7.ign")" >"$work/diff-same.txt" 2>>"$work/err"
check "diff against the unit: equal" test $? -eq 0
"$cli" new --bike 20 >"$work/bike20.ign"
# The file named alike on both systems, so that the reports can be compared.
(cd "$work" && run_exe diff --port COM1 bike20.ign) >"$work/diff-win.txt" 2>>"$work/err"
status=$?
(cd "$work" && "$cli" diff --port "$pts" bike20.ign) >"$work/diff-linux.txt" 2>/dev/null
check "diff against the unit: different, as on Linux" \
  test "$status" -eq 1 -a -s "$work/diff-linux.txt"
# The same report, but for the port's name: COM1 here, the terminal's path there.
unit_named() { tr -d '\r' <"$1" | sed 's|the unit on .*|the unit on PORT|'; }
check "diff output equals the Linux build's" \
  cmp -s <(unit_named "$work/diff-win.txt") <(unit_named "$work/diff-linux.txt")

run_exe monitor --port COM1 --count 3 >"$work/monitor.txt" 2>>"$work/err"
check "monitor prints three live lines" test "$(grep -c '^rpm=.*version=75' "$work/monitor.txt")" -eq 3

# A second program on the same port is refused while the first has it.
run_exe monitor --port COM1 --count 40 >"$work/holder.txt" 2>&1 &
holder=$!
for _ in $(seq 100); do grep -q '^rpm=' "$work/holder.txt" 2>/dev/null && break; sleep 0.2; done
run_exe read --port COM1 >/dev/null 2>"$work/second.err"
status=$?
check "a second open of COM1 is refused with exit 3" test "$status" -eq 3
check "... saying Com opening error!" grep -q 'Com opening error!' "$work/second.err"
wait "$holder"

run_exe read --port COM12 >"$work/com12.ign" 2>>"$work/err"
check "COM12 reaches the unit too" cmp -s <(strip_cr "$work/com12.ign") "$work/bike7-normal.ign"

# doctor: the ports the system knows, the unit on them, and a port another program holds.
run_exe doctor >"$work/doctor.txt" 2>&1
status=$?
check "doctor lists COM1 and COM12 and finds the unit on both" \
  test "$status" -eq 0 -a "$(grep -cE '^  COM(1|12): a unit answers' "$work/doctor.txt")" -eq 2 \
  -a "$(grep -cE '^  COM(1|12) +\\Device' "$work/doctor.txt")" -eq 2
run_exe monitor --port COM1 --count 40 >"$work/holder.txt" 2>&1 &
holder=$!
for _ in $(seq 100); do grep -q '^rpm=' "$work/holder.txt" 2>/dev/null && break; sleep 0.2; done
run_exe doctor --port COM1 >"$work/doctor-held.txt" 2>&1
status=$?
check "doctor names the port another program holds" \
  grep -q '^  COM1: another Zarvell has it open' "$work/doctor-held.txt"
check "... and finds no unit there (exit 1)" test "$status" -eq 1
wait "$holder"

# The verbs without a unit print what the Linux build prints.
for verb in "bikes" "new --bike 12" "image bike7.ign" "normalize bike7.ign"; do
  # shellcheck disable=SC2086 # the verb's words
  (cd "$work" && run_exe $verb) >"$work/verb-win.txt" 2>&1
  (cd "$work" && "$cli" $verb) >"$work/verb-linux.txt" 2>&1
  check "$verb gives the Linux output" cmp -s <(strip_cr "$work/verb-win.txt") "$work/verb-linux.txt"
done

# 3. The play scenarios give the Linux output.
for script in "$root"/tests/scenarios/*.play; do
  name=$(basename "$script" .play)
  args=()
  first=$(head -1 "$script")
  [[ $first == "# args: "* ]] && args=("${first#\# args: }")
  (cd "$root/tests/scenarios" && run_exe play "$name.play" "${args[@]}") >"$work/$name.out" 2>"$work/$name.err"
  check "play $name gives the Linux output" \
    cmp -s <(strip_cr "$work/$name.out") "$root/tests/scenarios/$name.expected"
done

# 4. A .ign saved by the Windows build, under a Czech name: CR LF on disk, the same set on Linux.
mkdir -p "$work/sets"
saved="$work/sets/Zapalování-Žďár.ign"
cat >"$work/save.play" <<PLAY
set EditOmez2 9500
dialog $(winepath -w "$work/sets")\\Zapalování-Žďár.ign
key F2
print caption
dialog $(winepath -w "$work/sets")\\Zapalování-Žďár.ign
key F3
print EditOmez2 text
PLAY
run_exe play "$(winepath -w "$work/save.play")" >"$work/save.out" 2>&1
check "the Czech name is in the caption" grep -q 'Zapalování-Žďár.ign' "$work/save.out"
# Every line end is CR LF: as many lines end in CR as there are LFs.
crlf_only() { [ -f "$1" ] && [ "$(grep -c $'\r$' "$1")" -eq "$(tr -cd '\n' <"$1" | wc -c)" ] &&
  [ "$(tr -cd '\n' <"$1" | wc -c)" -gt 10 ]; }
check "the saved .ign has CR LF line ends" crlf_only "$saved"
"$cli" normalize "$saved" >"$work/saved-on-linux.ign" 2>/dev/null
run_exe normalize "$(winepath -w "$saved")" >"$work/saved-on-windows.ign" 2>/dev/null
check "it reads on Linux to the set the Windows build reads" \
  cmp -s <(strip_cr "$work/saved-on-windows.ign") "$work/saved-on-linux.ign"
check "... with the limiter set before saving" grep -q '95' "$work/saved-on-linux.ign"
check "the file opens again under its name" grep -q '^9500' <(strip_cr "$work/save.out")

echo "Windows under wine: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
