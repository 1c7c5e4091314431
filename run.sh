#!/usr/bin/env bash
# Zarvell's two entry points on a fresh Debian 12 machine:
#   ./run.sh demo   install what is needed, build, and start the program talking to a simulated
#                   unit, with settings of its own so the user's are left alone (on a machine
#                   without a display: take pictures of its window instead)
#   ./run.sh test   install what is needed, build, and run every test, normally and under the
#                   address and undefined-behaviour sanitizers
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(build-essential cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev fonts-dejavu-core xvfb xauth xdotool x11-apps netpbm poppler-utils)

install_packages() {
  local missing=() package
  for package in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    "${missing[@]}"
}

# build DIR [cmake options...]
build() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" -j "$(nproc)"
}

case "${1:-}" in
  test)
    install_packages
    build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    ctest --test-dir build --output-on-failure -j "$(nproc)"
    build build-asan -DCMAKE_BUILD_TYPE=Debug -DZARVELL_SANITIZE=ON -DZARVELL_BENCH=OFF
    ctest --test-dir build-asan --output-on-failure -j "$(nproc)"
    ;;
  demo)
    install_packages
    build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
      echo "There is no display here, so the window is pictured instead: every page in each"
      echo "language, and the window talking to a simulated unit, as PNG files in ./screenshots."
      scripts/screenshots.sh screenshots build/qt/zarvell build/zarvell-unit-sim
    else
      demo=$(mktemp -d)
      build/zarvell-unit-sim --link "$demo/unit" >/dev/null &
      unit=$!
      trap 'kill "$unit" 2>/dev/null; rm -rf "$demo"' EXIT
      mkdir -p "$demo/config/zarvell"
      printf '[FORM_HLAV]\nComPort=1\n[PORTS]\nCOM1=%s\n' "$demo/unit" \
        >"$demo/config/zarvell/Zarvell_v75.ini"
      for _ in $(seq 50); do [ -e "$demo/unit" ] && break; sleep 0.1; done
      echo "A simulated unit answers on COM1 ($demo/unit); this run's settings stay in $demo."
      XDG_CONFIG_HOME="$demo/config" build/qt/zarvell "${@:2}"
    fi
    ;;
  *)
    echo "usage: ./run.sh demo | test" >&2
    exit 64
    ;;
esac
