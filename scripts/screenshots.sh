#!/usr/bin/env bash
# Pictures of the main window for the eye: every notebook page in each of the four languages, taken
# from the real program under a virtual X server, with its settings in a throw-away folder.
#
# Usage: scripts/screenshots.sh OUTPUT_DIR [PROGRAM]
#   PROGRAM defaults to build/qt/zarvell. Writes english-1.png .. english-4.png, a few
#   configurations (english-bike22-synchro0.png, ...) and english-about.png, and the same for
#   deutsch, france and cesky, into OUTPUT_DIR.
set -euo pipefail

out=${1:?usage: $0 OUTPUT_DIR [PROGRAM]}
program=${2:-$(dirname "$0")/../build/qt/zarvell}
[[ -x $program ]] || { echo "no program at $program; build it first" >&2; exit 1; }
mkdir -p "$out"
out=$(cd "$out" && pwd)

config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
mkdir -m 700 "$config/runtime"

for language in ENGLISH DEUTSCH FRANCE CESKY; do
  # Every language starts afresh, not from the set the previous run left in its dump. The
  # automatic port search stays silent when no unit is attached; a fixed port that cannot be
  # opened would stop the start-up with a message box.
  rm -rf "$config/zarvell"
  mkdir -p "$config/zarvell"
  printf '[FORM_HLAV]\r\nComPort=31\r\n' >"$config/zarvell/Zarvell_v75.ini"
  XDG_CONFIG_HOME="$config" XDG_RUNTIME_DIR="$config/runtime" ZARVELL_SCREENSHOT="$out" timeout 120 \
    xvfb-run -a -s "-screen 0 1280x1024x24" "$program" "$language"
done
ls -1 "$out"
