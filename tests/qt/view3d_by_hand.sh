#!/usr/bin/env bash
# The 3D view used with a real mouse: the program under a virtual X server talking to the
# simulated unit, driven by xdotool. A drag 36 pixels to the right turns the picture and moves
# the X track bar, "ISO" brings back exactly the picture of the start, and a wheel notch over
# the view raises the advance of the cell the engine runs in (4300 rpm: column 3 of the 100 %
# row, 25 to 26 degrees), which the image saved at exit shows. With a folder as third argument
# it leaves pictures of the view from ISO and from TOP, with and without fill and height
# colours, there.
#
# Usage: view3d_by_hand.sh PROGRAM UNIT_SIM [SCREENSHOT_DIR]
set -euo pipefail
program=${1:?usage: $0 PROGRAM UNIT_SIM [SCREENSHOT_DIR]}
unit_sim=${2:?usage: $0 PROGRAM UNIT_SIM [SCREENSHOT_DIR]}
shots=${3:-}

dir=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$dir"' EXIT
. "$(dirname "$0")/real_window.sh"
start_on_map_page "$program" "$unit_sim"

# Graf3DAdv's top-left corner inside the window, and the X track bar's frame.
view_x=11 view_y=95
at() { xdotool mousemove --window "$window" $((view_x + $1)) $((view_y + $2)); }
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.5; }
# A digest of a rectangle of the window (x y width height).
region() { xwd -id "$window" -silent | xwdtopnm 2>/dev/null | pnmcut "$@" | md5sum; }
view() { region $view_x $view_y 461 420; }
trackbar_x() { region 495 383 210 24; }
shot() {
  [ -z "$shots" ] || xwd -id "$window" -silent | xwdtopnm 2>/dev/null | pnmtopng >"$shots/$1.png"
}

click 150 532  # "3D"
sleep 1        # the first live replies: the marker and the legend's pointer settle
shot view3d_iso
start_view=$(view) start_bar=$(trackbar_x)

at 100 200; sleep 0.2; xdotool mousedown 1; sleep 0.2
for x in 109 118 127 136; do at "$x" 200; sleep 0.1; done
sleep 0.2; xdotool mouseup 1; sleep 0.5
shot view3d_dragged
turned_view=$(view) turned_bar=$(trackbar_x)
click 657 107  # "ISO"
back_view=$(view)

at 200 200; sleep 0.3; xdotool click 4; sleep 0.5
if [ -n "$shots" ]; then
  click 657 137  # "TOP"
  shot view3d_top
  click 485 472  # "Fill graph" off
  shot view3d_top_lines
  click 657 107
  shot view3d_iso_lines
  click 485 472  # fill on again, "Height color" off
  click 485 494
  shot view3d_iso_plain
fi
exit_program

fail() { printf '%s\n' "$1" >&2; exit 1; }
[ "$turned_view" != "$start_view" ] || fail "the drag left the picture as it was"
[ "$turned_bar" != "$start_bar" ] || fail "the drag did not move the X track bar"
[ "$back_view" = "$start_view" ] || fail "ISO did not bring back the picture of the start"
row9=$(sed -n '21p' "$dir/config/zarvell/_Zarvell_v75.ini")
[ "$row9" = '   10    12    15    26    28    30    32    32    32    32 ' ] ||
  fail "row 9 after the wheel: $row9"
echo "the drag turned the view, ISO turned it back, the wheel raised the engine's cell"
