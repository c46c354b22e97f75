#!/usr/bin/env bash
# Plays one of the games on this machine: the native Linux edition, the Windows one under Wine, or the browser edition served here; without a desktop, a little of it played on a virtual display.
#   tools/play.sh scrambolo|pebblix                  the Linux edition, read by Orca (start Orca first)
#   tools/play.sh --wine scrambolo|pebblix           the Windows edition under Wine (Orca hears nothing there)
#   tools/play.sh --demo [--wine] scrambolo|pebblix  watch a little play on a virtual display
#   tools/play.sh --web scrambolo|pebblix            the browser edition, served on 127.0.0.1
set -euo pipefail
cd "$(dirname "$0")/.."

usage() {
  echo "usage: tools/play.sh [--demo] [--wine|--web] scrambolo|pebblix" >&2
  exit 2
}
stage() { echo "==> $*"; }

demo=no edition=linux
while [ $# -gt 1 ]; do
  case "$1" in
    --demo) demo=yes ;;
    --wine | --web)
      if [ "$edition" != linux ]; then
        echo "tools/play.sh: --wine and --web are two editions; choose one." >&2
        exit 2
      fi
      edition=${1#--}
      ;;
    *)
      echo "tools/play.sh: unknown option $1" >&2
      usage
      ;;
  esac
  shift
done
case "${1:-}" in
  scrambolo) game=Scrambolo ;;
  pebblix) game=Pebblix ;;
  *) usage ;;
esac
if [ "$demo" = yes ]; then
  if [ "$edition" = web ]; then
    echo "tools/play.sh: the browser edition has no demo here; 'tools/play.sh --web $1' serves it to your own browser." >&2
    exit 2
  fi
  exec tools/demo.sh "$edition" "$1"
fi
if [ "$edition" != web ] && [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "tools/play.sh: there is no display to show the game on; 'tools/play.sh --demo $1' plays a little of it on a virtual display and saves screenshots." >&2
  exit 2
fi

# A build of its own for playing, without the tests, kept apart from the developers' presets.
build=build/play/$edition
preset=$edition
[ "$edition" = wine ] && preset=windows
stage "Installing what the $edition edition needs (tools/setup.sh $edition)"
tools/setup.sh "$edition"
stage "Configuring the build in $build"
NODE_PATH=/usr/share/nodejs cmake --preset "$preset" -B "$build" -DBUILD_TESTING=OFF >/dev/null

if [ "$edition" = web ]; then
  stage "Building the site (both games) in $build/site"
  # Debian's emscripten finds its own Node.js modules there, as the web preset tells it.
  NODE_PATH=/usr/share/nodejs cmake --build "$build"
  port=8000
  while ! python3 -c "import socket; socket.socket().bind(('127.0.0.1', $port))" 2>/dev/null; do
    port=$((port + 1))
  done
  address="http://127.0.0.1:$port/$1/index.html"
  stage "Serving $game at $address (Ctrl+C stops it). Its scores and settings are kept in the browser's storage."
  if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && command -v xdg-open >/dev/null; then
    (sleep 1; xdg-open "$address" >/dev/null 2>&1) &
  fi
  exec python3 -m http.server "$port" --bind 127.0.0.1 --directory "$build/site"
fi

stage "Building $game"
cmake --build "$build" --target "$1"

if [ "$edition" = linux ]; then
  program=$(find "$build/$1" -name "$1" -type f -perm -u+x | head -n 1)
  stage "Starting $game. Its scores and settings are kept in ${XDG_DATA_HOME:-$HOME/.local/share}/$1."
  exec "$program"
fi

# The player's own prefix and game folder live outside the build folder, so a rebuild or a fresh
# clone keeps the saved scores and settings.
state="${XDG_DATA_HOME:-$HOME/.local/share}/lanternfold-word-games"
export WINEPREFIX="$state/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  stage "Preparing Wine for the games in $WINEPREFIX (once, about half a minute)"
  mkdir -p "$state"
  wineboot --init >/dev/null 2>&1
  wineserver -w
fi

# The exe and its data files, as the build puts them beside it; the word list also in Wine's
# system directory, where the game looks first.
exe=$(find "$build/$1" -name "$1.exe" -type f | head -n 1)
folder="$WINEPREFIX/drive_c/Games/$game"
mkdir -p "$folder"
for file in "$(dirname "$exe")"/*; do
  case "$file" in
    *.exe | *.wav | *.TXT | *.txt | *.dll) cp "$file" "$folder/" ;;
  esac
done
words=$( [ "$1" = scrambolo ] && echo jmsit32.dll || echo mswnby32.dll)
cp "$folder/$words" "$WINEPREFIX/drive_c/windows/system32/$words"

stage "Starting $game under Wine. Its scores and settings are kept in $folder."
cd "$folder"
exec wine "$1.exe"
