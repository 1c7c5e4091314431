#!/usr/bin/env bash
# Zarvell's two entry points on a fresh Debian 12 machine:
#   ./run.sh demo   install what is needed, build, and start the program talking to a simulated
#                   unit, with settings of its own so the user's are left alone (on a machine
#                   without a display: take pictures of its window instead)
#   ./run.sh test   install what is needed, build, and run every test, normally and under the
#                   address and undefined-behaviour sanitizers, then the Windows programs
#                   cross-built and tested under wine
#   ./run.sh windows
#                   cross-build the Windows programs (zarvell-cli.exe) into build-win
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(build-essential cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev fonts-dejavu-core xvfb xauth xdotool x11-apps netpbm poppler-utils
  g++-mingw-w64-x86-64-posix googletest wine wine64)

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

# The Windows programs, static 64-bit, with MinGW-w64 (the window is not built: no Qt for Windows).
build_windows() {
  build build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
    -DZARVELL_QT=OFF -DZARVELL_BENCH=OFF
}

case "${1:-}" in
  windows)
    install_packages
    build_windows
    echo "Built build-win/zarvell-cli.exe"
    ;;
  test)
    install_packages
    build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    ctest --test-dir build --output-on-failure -j "$(nproc)"
    build build-asan -DCMAKE_BUILD_TYPE=Debug -DZARVELL_SANITIZE=ON -DZARVELL_BENCH=OFF
    ctest --test-dir build-asan --output-on-failure -j "$(nproc)"
    build_windows
    tests/windows/run_under_wine.sh build-win build
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
    echo "usage: ./run.sh demo | test | windows" >&2
    exit 64
    ;;
esac
