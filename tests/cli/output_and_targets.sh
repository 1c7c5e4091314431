#!/usr/bin/env bash
# zarvell-cli never reports a lost result or a refused file as success:
#  - every command that prints a result, with standard output on a full disk, fails and says so;
#  - every file named to be read that is no regular file (a pipe with no writer, a folder) is
#    refused at once, and every file named to be written that is one is left alone;
#  - a set holding values the window does not allow is refused before anything is sent.
#   output_and_targets.sh UNIT_SIM CLI
set -euo pipefail
sim=$1
cli=$2
source "$(dirname "$0")/../support/script_support.sh"
export XDG_CONFIG_HOME=$work/config

start_unit unit --rpm 4300 --tps 35

"$cli" new --bike 5 >"$work/a.ign"
"$cli" new --bike 20 >"$work/b.ign"
"$cli" program --port "$work/unit" "$work/a.ign" 2>/dev/null
"$cli" monitor --port "$work/unit" --count 4 --log "$work/run.csv" >/dev/null 2>&1
printf 'print caption\n' >"$work/story.play"

# run STATUS_VAR ARGS...: zarvell-cli with a guard against hanging; 124 when it hung
run() {
  local -n got=$1
  shift
  got=0
  timeout 20 "$cli" "$@" >"$work/out" 2>"$work/err" || got=$?
}

# 1. Standard output on a full disk: each command fails (not by the guard) and says so.
if [ -w /dev/full ]; then
  while read -r line; do
    read -ra args <<<"$line"
    status=0
    timeout 20 "$cli" "${args[@]}" >/dev/full 2>"$work/err" || status=$?
    [ "$status" -ne 0 ] || fail "'$line' to a full disk ended with 0"
    [ "$status" -ne 124 ] || fail "'$line' to a full disk did not end"
    grep -q "standard output" "$work/err" || fail "'$line' to a full disk said: $(cat "$work/err")"
    grep -q "read and verified" "$work/err" && fail "'$line' claimed success: $(cat "$work/err")"
  done <<LINES
new
new --bike 5
bikes
--help
normalize $work/a.ign
image $work/a.ign
diff $work/a.ign $work/b.ign
diff --json $work/a.ign $work/a.ign
diff --port $work/unit $work/a.ign
read --port $work/unit
monitor --port $work/unit --count 2
monitor --port $work/unit
residency $work/run.csv
play $work/story.play
doctor --port $work/unit
LINES
fi

# 2. Reading a pipe with no writer, or a folder: refused at once, named as no regular file.
mkfifo "$work/pipe"
mkdir "$work/folder"
ln -s "$work/pipe" "$work/pipe-link"
for target in pipe pipe-link folder; do
  t=$work/$target
  while read -r line; do
    read -ra args <<<"$line"
    run status "${args[@]}"
    [ "$status" -ne 124 ] || fail "'$line' hung on a $target"
    [ "$status" -eq 1 ] || [ "$status" -eq 2 ] || fail "'$line' ended with $status"
    grep -q "not a regular file" "$work/err" || fail "'$line' said: $(cat "$work/err")"
  done <<LINES
normalize $t
image $t
diff $t $work/a.ign
diff $work/a.ign $t
diff --port $work/unit $t
program --port $work/unit $t
verify --port $work/unit $t
residency $t
residency $work/run.csv --set $t
play $t
monitor --port $work/unit --count 1 --log $work/x.csv --set $t
LINES
done

# 3. Writing onto a pipe, or through a link to one: refused, and the pipe stays a pipe.
for target in pipe pipe-link; do
  t=$work/$target
  run status monitor --port "$work/unit" --count 1 --log "$t"
  [ "$status" -eq 1 ] || fail "monitor --log onto a $target ended with $status"
  grep -q "not a regular file" "$work/err" || fail "monitor --log $target: $(cat "$work/err")"
  run status residency "$work/run.csv" --png "$t"
  [ "$status" -eq 1 ] || fail "residency --png onto a $target ended with $status"
  grep -q "not a regular file" "$work/err" || fail "residency --png $target: $(cat "$work/err")"
  [ -p "$work/pipe" ] || fail "the pipe was replaced through $target"
done
[ -L "$work/pipe-link" ] || fail "the link to the pipe was replaced"
# A link to a regular file is written through and kept.
echo old >"$work/real.png"
ln -s "$work/real.png" "$work/picture.png"
run status residency "$work/run.csv" --png "$work/picture.png"
if [ "$status" -eq 0 ]; then
  [ -L "$work/picture.png" ] || fail "the link to the picture was replaced"
  [ "$(head -c 4 "$work/real.png" | od -An -tx1 | tr -d ' ')" = 89504e47 ] ||
    fail "the picture did not go through the link"
fi

# 4. A set outside the window's limits is refused before anything is sent, field by field.
sed -e 's/^LIMITER .*/LIMITER       255 /' -e 's/^BIKE .*/BIKE          255 /' \
  -e 's/^ADVANCE        10 /ADVANCE       128 /' "$work/a.ign" >"$work/unsafe.ign"
run status program --port "$work/unit" "$work/unsafe.ign"
[ "$status" -eq 2 ] || fail "program of an unsafe set ended with $status: $(cat "$work/err")"
for field in "BIKE 255 (allowed 0 to 37)" "LIMITER 25500 rpm (allowed 999 to 25000 rpm)" \
  "ADVANCE\[0\]\[0\] 128 ° (allowed 0 to 60 °)"; do
  grep -q "$field" "$work/err" || fail "program did not name $field: $(cat "$work/err")"
done
grep -q "Program device\|programmed" "$work/err" && fail "program went ahead: $(cat "$work/err")"
run status verify --port "$work/unit" "$work/a.ign"
[ "$status" -eq 0 ] || fail "the unit's set changed: $(cat "$work/err")"
run status diff --port "$work/unit" "$work/unsafe.ign"
[ "$status" -eq 2 ] || fail "diff --port of an unsafe set ended with $status"
grep -q "LIMITER 25500 rpm" "$work/err" || fail "diff --port: $(cat "$work/err")"
# normalize names what the validation corrected and what stays outside the limits.
sed 's/^TPS .*/TPS           700  5050 /' "$work/unsafe.ign" >"$work/unsafe-tps.ign"
run status normalize "$work/unsafe-tps.ign"
[ "$status" -eq 0 ] || fail "normalize of an unsafe set ended with $status"
for said in "corrected Tps100 from 5050 mV to 5000 mV" \
  "LIMITER 25500 rpm (allowed 999 to 25000 rpm): outside the window's limits; program refuses it"; do
  grep -qF "$said" "$work/err" || fail "normalize did not say $said: $(cat "$work/err")"
done
echo "no failure reported as success"
