#!/usr/bin/env bash
# Installs, from Debian's packages (and the browser tests' driver and page checker from npm), what one edition needs to be built and played, or everything to build and test them all.
#   tools/setup.sh            everything: all editions, their tests, packages and benchmarks
#   tools/setup.sh linux      to build and play the Linux edition
#   tools/setup.sh linux-demo the Linux edition played on a virtual display while Orca listens
#   tools/setup.sh wine       to build the Windows edition and play it under Wine
#   tools/setup.sh wine-demo  the Windows edition played by the robot on a virtual display
#   tools/setup.sh web        to build the browser edition and serve it here
set -euo pipefail
cd "$(dirname "$0")/.."

build=(cmake ninja-build g++ pkg-config)
linux=(qt6-base-dev libpulse-dev)
# A private desktop with the screen reader: Orca, its bus, a window manager, keys and screenshots.
desktop=(xvfb xauth x11-utils imagemagick dbus dbus-x11 at-spi2-core orca python3-pyatspi python3-gi xdotool openbox)
wine=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64)
web=(emscripten python3)
# What only the tests, the downloads and the benchmarks need.
tests=(libgtest-dev libgmock-dev googletest libbenchmark-dev pulseaudio sox zip unzip nsis faketime
  dpkg-dev desktop-file-utils appstream chromium firefox-esr webkit2gtk-driver)

case "${1:-all}" in
  linux) packages=("${build[@]}" "${linux[@]}") ;;
  linux-demo) packages=("${build[@]}" "${linux[@]}" "${desktop[@]}") ;;
  wine) packages=("${build[@]}" "${wine[@]}") ;;
  wine-demo) packages=("${build[@]}" "${wine[@]}" googletest xvfb xauth x11-utils imagemagick) ;;
  web) packages=("${build[@]}" "${web[@]}") ;;
  all) packages=("${build[@]}" "${linux[@]}" "${desktop[@]}" "${wine[@]}" "${web[@]}" "${tests[@]}") ;;
  *) echo "usage: tools/setup.sh [linux|linux-demo|wine|wine-demo|web|all]" >&2; exit 2 ;;
esac
# npm, for the browser tests' driver: Debian's own, unless a Node.js that brings its own is installed.
if [ "${1:-all}" = all ] && ! command -v npm >/dev/null; then
  packages+=(npm)
fi

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing with apt-get: ${missing[*]}"
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -q
  "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The browser tests drive Debian's Chromium with playwright-core, at the version the lock file pins.
if [ "${1:-all}" = all ]; then
  tests_folder=e2e/web
  if [ ! -f "$tests_folder/node_modules/playwright-core/package.json" ] ||
     [ ! -f "$tests_folder/node_modules/axe-core/axe.min.js" ] ||
     [ "$tests_folder/package-lock.json" -nt "$tests_folder/node_modules/.package-lock.json" ]; then
    echo "Installing the browser tests' driver (npm ci in $tests_folder)"
    (cd "$tests_folder" && npm ci --no-audit --no-fund --loglevel=error)
  fi
fi
