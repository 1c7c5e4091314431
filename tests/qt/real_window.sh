# Sourced by the tests that drive the real program with xdotool: a virtual X server of its own
# and the program on it, with its settings in "$dir/config" (which the caller fills first).
#   start_program PROGRAM   sets DISPLAY, $window (the main window) and $program_pid, on a
#                           screen of $screen (1280x1024x24 when unset)
#   start_on_map_page PROGRAM UNIT_SIM
#                           the same on the map page, with a simulated unit held at 4300 rpm
#                           and 35 % throttle on COM1
#   exit_program            File, Exit: the program saves its image and ends

start_program() {
  local display=:$((90 + RANDOM % 400))
  Xvfb "$display" -screen 0 "${screen:-1280x1024x24}" -nolisten tcp >/dev/null 2>&1 &
  export DISPLAY=$display
  for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
  mkdir -p -m 700 "$dir/runtime"
  XDG_CONFIG_HOME="$dir/config" XDG_RUNTIME_DIR="$dir/runtime" "$1" ENGLISH >/dev/null 2>&1 &
  program_pid=$!
  window=$(xdotool search --sync --onlyvisible --name '^  Zarvell' | head -n 1)
  sleep 1
}

exit_program() {
  xdotool key alt+f; sleep 0.3; xdotool key x
  for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
}

start_on_map_page() {
  mkdir -p "$dir/config/zarvell"
  "$2" --link "$dir/unit" --rpm 4300 --tps 35 >/dev/null &
  for _ in $(seq 50); do [ -e "$dir/unit" ] && break; sleep 0.1; done
  printf '[FORM_HLAV]\r\nComPort=1\r\nPageControl1->ActivePageIndex=2\r\n[PORTS]\r\nCOM1=%s\r\n' \
    "$dir/unit" >"$dir/config/zarvell/Zarvell_v75.ini"
  start_program "$1"
}
