#!/usr/bin/env bash
# Plays one of the games under Wine on this machine's display, keeping its scores between plays.
#   tools/play.sh scrambolo|pebblix          play on your desktop
#   tools/play.sh --demo scrambolo|pebblix   watch the robot play a little on a virtual display
set -euo pipefail
cd "$(dirname "$0")/.."

demo=no
if [ "${1:-}" = "--demo" ]; then
  demo=yes
  shift
fi
case "${1:-}" in
  scrambolo) game=Scrambolo exe=scrambolo.exe words=jmsit32.dll ;;
  pebblix) game=Pebblix exe=pebblix.exe words=mswnby32.dll ;;
  *) echo "usage: tools/play.sh [--demo] scrambolo|pebblix" >&2; exit 2 ;;
esac

if [ "$demo" = yes ]; then
  exec tools/demo.sh "$1"
fi
if [ -z "${DISPLAY:-}" ]; then
  echo "There is no display to show the game on; 'tools/play.sh --demo $1' plays a little of it on a virtual display and saves screenshots." >&2
  exit 2
fi

tools/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target packages >/dev/null

# The player's own prefix and game folder live outside the build folder, so a rebuild or a fresh
# clone keeps the saved scores and settings.
state="${XDG_DATA_HOME:-$HOME/.local/share}/lanternfold-word-games"
export WINEPREFIX="$state/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Preparing Wine for the games (once, about half a minute)..."
  mkdir -p "$state"
  wineboot --init >/dev/null 2>&1
  wineserver -w
fi

folder="$WINEPREFIX/drive_c/Games/$game"
mkdir -p "$folder"
cp build/windows/packages/stage/"$game"/* "$folder/"
cp "$folder/$words" "$WINEPREFIX/drive_c/windows/system32/$words"

echo "Starting $game. Its scores and settings are kept in $folder."
cd "$folder"
exec wine "$exe"
