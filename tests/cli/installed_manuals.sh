#!/usr/bin/env bash
# The manuals as installed: `cmake --install` puts the four PDFs into the documentation folder,
# each in its own language, and the installed program, started from another working folder,
# hands its manual to the desktop when F1 is pressed (xdg-open stands in for the desktop and
# writes down what it was given). The program in the build folder, started from elsewhere,
# finds the manuals its build wrote; and where the desktop has no program to open them, a
# message box names the file.
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
# press_f1 PROGRAM PATH: the program, started from another folder with PATH, gets F1.
press_f1() {
  (cd "$dir/elsewhere" && PATH="$2" XDG_CONFIG_HOME="$dir/config" \
    XDG_RUNTIME_DIR="$dir/runtime" exec "$1" >/dev/null 2>&1) &
  program_pid=$!
  window=$(xdotool search --sync --onlyvisible --name '^  Zarvell' | head -n 1)
  sleep 1
  # A click on the live column gives the window the keyboard; there is no window manager.
  xdotool mousemove --window "$window" 900 500 click 1
  sleep 0.3
  xdotool key F1
}
# The window is in French, whose menus have other letters: the program is simply ended.
quit() {
  kill "$program_pid"
  for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
}
expect_opened() {
  for _ in $(seq 50); do [ -s "$dir/opened" ] && break; sleep 0.1; done
  if [ "$(cat "$dir/opened" 2>/dev/null)" != "$1" ]; then
    printf 'F1 opened: %s\nexpected: %s\n' "$(cat "$dir/opened" 2>/dev/null)" "$1" >&2
    exit 1
  fi
  rm -f "$dir/opened"
}

press_f1 "$dir/prefix/bin/zarvell" "$dir/bin:$PATH"
expect_opened "file://$docs/manual_Zarvell_fr.pdf"
quit
# The program in its build folder finds the manuals the build wrote beside it.
press_f1 "$build/qt/zarvell" "$dir/bin:$PATH"
expect_opened "file://$(cd "$build" && pwd -P)/manual_Zarvell_fr.pdf"
quit
# No desktop launcher at all: a message box, which Enter closes, instead of nothing.
mkdir -p "$dir/empty"
press_f1 "$dir/prefix/bin/zarvell" "$dir/empty"
# The box has the program's name for its caption; the main window's begins with blanks.
timeout 5 xdotool search --sync --onlyvisible --name '^Zarvell$' >/dev/null || {
  echo "F1 without a desktop launcher showed no message" >&2
  exit 1
}
if [ -s "$dir/opened" ]; then echo "the launcher was not off the PATH" >&2; exit 1; fi
xdotool key Return; sleep 0.3
quit
