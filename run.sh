#!/usr/bin/env bash
# Zarvell's two entry points on a fresh Debian 12 machine:
#   ./run.sh demo   install what is needed, build, and start the program (on a machine without a
#                   display: take pictures of its window instead)
#   ./run.sh test   install what is needed, build, and run every test, normally and under the
#                   address and undefined-behaviour sanitizers
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(build-essential cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev fonts-dejavu-core xvfb xauth)

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
      echo "language, as PNG files in ./screenshots."
      scripts/screenshots.sh screenshots build/qt/zarvell
    else
      exec build/qt/zarvell "${@:2}"
    fi
    ;;
  *)
    echo "usage: ./run.sh demo | test" >&2
    exit 64
    ;;
esac
