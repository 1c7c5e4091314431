#!/usr/bin/env bash
# The manuals as installed: `cmake --install` puts the four PDFs into the documentation folder,
# each in its own language, and the installed program, started from another working folder,
# hands its manual to the desktop when F1 is pressed (xdg-open stands in for the desktop and
# writes down what it was given).
#
# Usage: installed_manuals.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: $0 BUILD_DIR}

dir=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$dir"' EXIT
cmake --install "$build" --prefix "$dir/prefix" >/dev/null
docs=$dir/prefix/share/doc/zarvell
declare -A title=([en]="Zarvell user manual" [de]="Zarvell Benutzerhandbuch"
  [fr]="Zarvell manuel d'utilisation" [cz]="Zarvell návod k obsluze")
for code in en de fr cz; do
  manual=$docs/manual_Zarvell_$code.pdf
  [ -s "$manual" ] || { echo "not installed: $manual" >&2; exit 1; }
  text=$(pdftotext "$manual" -)
  [[ $text == *"${title[$code]}"* ]] || { echo "$manual: wrong text" >&2; exit 1; }
  # The four pictures of the window.
  pictures=$(pdfimages -list "$manual")
  [ "$(grep -c ' image ' <<<"$pictures")" -eq 4 ] ||
    { echo "$manual: not four pictures" >&2; exit 1; }
done

mkdir -p "$dir/bin" "$dir/elsewhere" "$dir/config/zarvell" && mkdir -m 700 "$dir/runtime"
printf '#!/bin/sh\necho "$@" >>"%s/opened"\n' "$dir" >"$dir/bin/xdg-open"
chmod +x "$dir/bin/xdg-open"
printf '[FORM_HLAV]\r\nComPort=31\r\nLanguage=2\r\n' >"$dir/config/zarvell/Zarvell_v75.ini"
display=:$((90 + RANDOM % 400))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
(cd "$dir/elsewhere" && PATH="$dir/bin:$PATH" XDG_CONFIG_HOME="$dir/config" \
  XDG_RUNTIME_DIR="$dir/runtime" "$dir/prefix/bin/zarvell" >/dev/null 2>&1) &
window=$(xdotool search --sync --onlyvisible --name '^  Zarvell' | head -n 1)
sleep 1
# A click on the live column gives the window the keyboard; there is no window manager.
xdotool mousemove --window "$window" 900 500 click 1
sleep 0.3
xdotool key F1
for _ in $(seq 50); do [ -s "$dir/opened" ] && break; sleep 0.1; done
xdotool key alt+f; sleep 0.3; xdotool key x
expected="file://$docs/manual_Zarvell_fr.pdf"
if [ "$(cat "$dir/opened" 2>/dev/null)" != "$expected" ]; then
  printf 'F1 opened: %s\nexpected: %s\n' "$(cat "$dir/opened" 2>/dev/null)" "$expected" >&2
  exit 1
fi
