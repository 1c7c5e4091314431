#!/usr/bin/env bash
# Pictures of the main window for the eye: every notebook page in each of the four languages, taken
# from the real program under a virtual X server, with its settings in a throw-away folder.
#
# Usage: scripts/screenshots.sh OUTPUT_DIR [PROGRAM [UNIT_SIM]]
#   PROGRAM defaults to build/qt/zarvell, UNIT_SIM to build/zarvell-unit-sim. Writes
#   english-1.png .. english-4.png, a few configurations (english-bike22-synchro0.png, ...),
#   english-about.png and, with the simulated unit attached, english-live.png, the 3D view
#   (english-3d-iso.png, english-3d-top.png, english-3d-top-lines.png, english-3d-iso-lines.png,
#   english-3d-iso-plain.png), english-programming.png and english-saving.png, and the same for
#   deutsch, france and cesky, into OUTPUT_DIR.
set -euo pipefail

out=${1:?usage: $0 OUTPUT_DIR [PROGRAM]}
program=${2:-$(dirname "$0")/../build/qt/zarvell}
unit_sim=${3:-$(dirname "$0")/../build/zarvell-unit-sim}
[[ -x $program ]] || { echo "no program at $program; build it first" >&2; exit 1; }
[[ -x $unit_sim ]] || { echo "no simulated unit at $unit_sim; build it first" >&2; exit 1; }
mkdir -p "$out"
out=$(cd "$out" && pwd)

config=$(mktemp -d)
unit_pid=
trap '[ -n "$unit_pid" ] && kill "$unit_pid"; rm -rf "$config"' EXIT
mkdir -m 700 "$config/runtime"

# run LANGUAGE: the program under a virtual X server, with the settings in $config
run() {
  XDG_CONFIG_HOME="$config" XDG_RUNTIME_DIR="$config/runtime" ZARVELL_SCREENSHOT="$out" timeout 120 \
    xvfb-run -a -s "-screen 0 1280x1024x24" "$program" "$1"
}

for language in ENGLISH DEUTSCH FRANCE CESKY; do
  # Every language starts afresh, not from the set the previous run left in its dump. The
  # automatic port search stays silent when no unit is attached; a fixed port that cannot be
  # opened would stop the start-up with a message box.
  rm -rf "$config/zarvell"
  mkdir -p "$config/zarvell"
  printf '[FORM_HLAV]\r\nComPort=31\r\n' >"$config/zarvell/Zarvell_v75.ini"
  run "$language"
done

# A fresh simulated unit on a pseudo-terminal as COM1 for each language, held at one operating
# point so that the marked map cell stays put.
for language in ENGLISH DEUTSCH FRANCE CESKY; do
  "$unit_sim" --link "$config/unit" --rpm 4300 --tps 35 >/dev/null &
  unit_pid=$!
  for _ in $(seq 50); do [ -e "$config/unit" ] && break; sleep 0.1; done
  rm -rf "$config/zarvell"
  mkdir -p "$config/zarvell"
  printf '[FORM_HLAV]\r\nComPort=1\r\n[PORTS]\r\nCOM1=%s\r\n' "$config/unit" \
    >"$config/zarvell/Zarvell_v75.ini"
  ZARVELL_SCREENSHOT_UNIT=1 run "$language"
  kill "$unit_pid"
  wait "$unit_pid" 2>/dev/null || true
  unit_pid=
done
ls -1 "$out"
