#!/usr/bin/env bash
# The map grid used with a real mouse and keyboard: the program under a virtual X server,
# driven by xdotool. A drag through the gaps of the grid selects the cells from row 2, column 1
# to row 4, column 3, Ctrl and Shift come from the keyboard, "+" typed on "Select/All" raises
# the selected cells, and the image the program saves at exit shows it.
#
# Usage: map_grid_by_hand.sh PROGRAM
set -euo pipefail
program=${1:?usage: $0 PROGRAM}

dir=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$dir"' EXIT
mkdir -p "$dir/config/zarvell"
# The map page, the automatic port search (silent without a unit).
printf '[FORM_HLAV]\r\nComPort=31\r\nPageControl1->ActivePageIndex=2\r\n' \
  >"$dir/config/zarvell/Zarvell_v75.ini"
. "$(dirname "$0")/real_window.sh"
start_program "$program"

# Positions inside the window: ImageSelect's top-left corner, the "TPS" and "Select/All" boxes.
select_x=45 select_y=121
at() { xdotool mousemove --window "$window" $((select_x + $1)) $((select_y + $2)); }
drag() {  # drag X0 Y0 X1 Y1, in ImageSelect's pixels
  at "$1" "$2"; xdotool mousedown 1; sleep 0.2
  at $(($1 + ($3 - $1) / 2)) $(($2 + ($4 - $2) / 2)); sleep 0.1
  at "$3" "$4"; sleep 0.2
  xdotool mouseup 1; sleep 0.3
}

xdotool mousemove --window "$window" 201 534 click 1  # TPS: all ten throttle rows
sleep 0.5
# From the gap above and left of row 2, column 1 to the gap below and right of row 4, column 3.
drag 66 78 240 172
# With Ctrl the cell in row 9, column 9 joins the selection, and a second time leaves it.
xdotool keydown ctrl; drag 538 305 560 320; xdotool keyup ctrl
xdotool keydown ctrl; drag 538 305 560 320; xdotool keyup ctrl
xdotool mousemove --window "$window" 291 534 click 1  # "Select/All", which takes the focus
sleep 0.3
xdotool key plus
sleep 0.5
exit_program

# Rows 2 to 4 of the map in the image dump: the nine cells one degree higher, the rest as the
# start-up set has them.
actual=$(sed -n '14,16p' "$dir/config/zarvell/_Zarvell_v75.ini")
expected='   10    25    36    45    45    45    43    41    41    41 
   10    20    33    40    45    47    46    43    43    43 
   10    13    16    26    31    33    32    32    32    31 '
if [ "$actual" != "$expected" ]; then
  printf 'map rows 2..4 after the drag and "+":\n%s\nexpected:\n%s\n' "$actual" "$expected" >&2
  exit 1
fi
last=$(sed -n '21p' "$dir/config/zarvell/_Zarvell_v75.ini")
if [ "$last" != '   10    12    15    25    28    30    32    32    32    32 ' ]; then
  printf 'row 9 changed: %s\n' "$last" >&2
  exit 1
fi
echo "the drag selected the nine cells and + raised them"
