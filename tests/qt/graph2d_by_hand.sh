#!/usr/bin/env bash
# The 2D graph used with a real mouse: the program under a virtual X server talking to the
# simulated unit, driven by xdotool. Column 3 of the curve is dragged 17 pixels right (from
# 4000 to 4400 rpm, as tests/scenarios/graph2d.play has it), a wheel notch over column 5 raises
# its advance by one degree, and the image the program saves at exit shows both. With a
# folder as third argument it leaves pictures of the curve graph and of the map graph there.
#
# Usage: graph2d_by_hand.sh PROGRAM UNIT_SIM [SCREENSHOT_DIR]
set -euo pipefail
program=${1:?usage: $0 PROGRAM UNIT_SIM [SCREENSHOT_DIR]}
unit_sim=${2:?usage: $0 PROGRAM UNIT_SIM [SCREENSHOT_DIR]}
shots=${3:-}

dir=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$dir"' EXIT
. "$(dirname "$0")/real_window.sh"
start_on_map_page "$program" "$unit_sim"

# GrafAdv's top-left corner inside the window.
graph_x=11 graph_y=99
at() { xdotool mousemove --window "$window" $((graph_x + $1)) $((graph_y + $2)); }
shot() { [ -z "$shots" ] || xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng >"$shots/$1.png"; }

xdotool mousemove --window "$window" 100 532 click 1  # "2D"
sleep 0.5
# Column 3 (4000 rpm, 25 degrees) at (214, 118): pressed, moved 17 pixels right, let go.
at 214 118; sleep 0.2; xdotool mousedown 1; sleep 0.2
for x in 218 223 227 231; do at "$x" 118; sleep 0.1; done
sleep 0.2; xdotool mouseup 1; sleep 0.3
# One notch up over column 5 (6000 rpm, 30 degrees) at (304, 61).
at 304 61; sleep 0.3; xdotool click 4; sleep 0.3
shot graph2d_curve
xdotool mousemove --window "$window" 201 534 click 1  # TPS: the map graph
sleep 0.5
# A selection over the 100 % row's first points, then the pointer on row 9's base point.
at 110 340; xdotool mousedown 1; sleep 0.2; at 200 400; sleep 0.2; xdotool mouseup 1
at 35 352; sleep 0.5
shot graph2d_map
exit_program

# The RPM axis and row 9 of the map in the image dump.
axis=$(sed -n '10p' "$dir/config/zarvell/_Zarvell_v75.ini")
row9=$(sed -n '21p' "$dir/config/zarvell/_Zarvell_v75.ini")
if [ "$axis" != '   15    20    30    44    50    60    70    80    90   100 ' ]; then
  printf 'the RPM axis after the drag: %s\n' "$axis" >&2
  exit 1
fi
if [ "$row9" != '   10    12    15    25    28    31    32    32    32    32 ' ]; then
  printf 'row 9 after the wheel: %s\n' "$row9" >&2
  exit 1
fi
echo "the drag moved column 3 to 4400 rpm and the wheel raised column 5"
