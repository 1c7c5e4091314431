# Sourced by the test scripts: a work folder that goes with the run, the processes to end with
# it (with $cleanup_signal, TERM unless the script sets another), a failure that says why, and
# the simulated unit ($sim) on a pseudo-terminal.
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "-${cleanup_signal:-TERM}" "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# start_unit NAME [OPTIONS...]: a simulated unit reachable at $work/NAME
start_unit() {
  local name=$1
  shift
  "$sim" --link "$work/$name" "$@" >/dev/null &
  pids+=($!)
  for _ in $(seq 50); do
    [ -e "$work/$name" ] && return 0
    sleep 0.1
  done
  fail "the simulated unit did not come up"
}
