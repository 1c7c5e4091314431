#!/usr/bin/env bash
# The window on a small screen at a scale factor of 2: a 1024 x 768 virtual X server, where the
# fixed layout (984 x 703 at scale 1) is twice as large as the screen. Stored too large and with
# its title bar above the screen, the window opens within the screen, its content scrollable,
# and the picture of the screen is left for the eye. Then the page keys turn the notebook from
# the keyboard, and the settings the program saves at exit show both.
#
# Usage: small_screen.sh PROGRAM OUTPUT_DIR
set -euo pipefail
program=${1:?usage: $0 PROGRAM OUTPUT_DIR}
out=${2:?usage: $0 PROGRAM OUTPUT_DIR}

dir=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$dir"' EXIT
mkdir -p "$dir/config/zarvell" "$out"
# Saved on a larger monitor at scale 1, the title bar 300 pixels above this screen's top.
printf '[FORM_HLAV]\r\nComPort=31\r\nLeft=700\r\nTop=-300\r\nWidth=984\r\nHeight=703\r\n' \
  >"$dir/config/zarvell/Zarvell_v75.ini"
printf 'PageControl1->ActivePageIndex=1\r\n' >>"$dir/config/zarvell/Zarvell_v75.ini"
export QT_SCALE_FACTOR=2
screen=1024x768x24
. "$(dirname "$0")/real_window.sh"
start_program "$program"

# In the screen's pixels: the window lies wholly on the 1024 x 768 screen.
eval "$(xdotool getwindowgeometry --shell "$window")"
echo "window at $X,$Y, $WIDTH x $HEIGHT"
if ((X < 0 || Y < 0 || X + WIDTH > 1024 || Y + HEIGHT > 768 || WIDTH < 900 || HEIGHT < 600)); then
  echo "the window does not fit the screen: $X,$Y $WIDTH x $HEIGHT" >&2
  exit 1
fi
xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng >"$out/small_screen_scale2.png"

# The page keys, through the window's shortcuts, from the Bike page: Ctrl+Tab twice (Servo),
# Ctrl+Shift+Tab (Advance Map), Ctrl+PgDn (Servo), Ctrl+PgDn round to Miscellaneous,
# Ctrl+PgUp back to Servo, Ctrl+Shift+Tab to Advance Map.
xdotool mousemove --window "$window" 850 400 click 1
sleep 0.3
for keys in ctrl+Tab ctrl+Tab ctrl+shift+Tab ctrl+Next ctrl+Next ctrl+Prior ctrl+shift+Tab; do
  xdotool key "$keys"
  sleep 0.2
done
xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng >"$out/small_screen_scale2_map.png"
exit_program

ini=$(tr -d '\r' <"$dir/config/zarvell/Zarvell_v75.ini")
get() { sed -n "s/^$1=//p" <<<"$ini"; }
echo "saved: Left=$(get Left) Top=$(get Top) Width=$(get Width) Height=$(get Height)"
if (($(get Top) < 0 || $(get Width) > 512 || $(get Height) > 384)); then
  echo "the saved window does not fit the screen at scale 2" >&2
  exit 1
fi
if [ "$(get 'PageControl1->ActivePageIndex')" != 2 ]; then
  echo "the page keys left page $(get 'PageControl1->ActivePageIndex'), not 2" >&2
  exit 1
fi
echo "the window fits the small screen and the page keys turn the notebook"
