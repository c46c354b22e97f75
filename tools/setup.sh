#!/usr/bin/env bash
# Installs, from Debian's packages (and the browser tests' driver and page checker from npm), everything the games need to be built, tested and played here.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 xvfb xauth x11-utils imagemagick
  sox zip unzip nsis
  qt6-base-dev libpulse-dev pulseaudio
  dbus dbus-x11 at-spi2-core orca python3-pyatspi python3-gi xdotool openbox
  faketime
  dpkg-dev desktop-file-utils appstream
  emscripten chromium firefox-esr webkit2gtk-driver
)
# npm, for the browser tests' driver: Debian's own, unless a Node.js that brings its own is installed.
command -v npm >/dev/null || packages+=(npm)

# The browser tests drive Debian's Chromium with playwright-core, at the version the lock file pins.
install_browser_driver() {
  local tests=e2e/web
  if [ ! -f "$tests/node_modules/playwright-core/package.json" ] || [ ! -f "$tests/node_modules/axe-core/axe.min.js" ] ||
     [ "$tests/package-lock.json" -nt "$tests/node_modules/.package-lock.json" ]; then
    echo "Installing the browser tests' driver (npm ci in $tests)"
    (cd "$tests" && npm ci --no-audit --no-fund --loglevel=error)
  fi
}
cd "$(dirname "$0")/.."

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -q
  "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
install_browser_driver
