#!/usr/bin/env bash
# Plays one of the games on this machine's desktop: the native Linux edition, or the Windows one under Wine.
#   tools/play.sh scrambolo|pebblix                  the Linux edition, read by Orca
#   tools/play.sh --wine scrambolo|pebblix           the Windows edition under Wine
#   tools/play.sh --demo [--wine] scrambolo|pebblix  watch a little play on a virtual display
#   tools/play.sh --web scrambolo|pebblix            the browser edition, served on 127.0.0.1
set -euo pipefail
cd "$(dirname "$0")/.."

demo=no edition=linux
while [ $# -gt 1 ]; do
  case "$1" in
    --demo) demo=yes ;;
    --wine) edition=wine ;;
    --web) edition=web ;;
    *) break ;;
  esac
  shift
done
case "${1:-}" in
  scrambolo) game=Scrambolo exe=scrambolo.exe words=jmsit32.dll ;;
  pebblix) game=Pebblix exe=pebblix.exe words=mswnby32.dll ;;
  *) echo "usage: tools/play.sh [--demo] [--wine|--web] scrambolo|pebblix" >&2; exit 2 ;;
esac

if [ "$edition" = web ]; then
  tools/setup.sh
  cmake --preset web >/dev/null
  cmake --build --preset web >/dev/null
  port=8000
  while python3 -c "import socket,sys; s=socket.socket(); s.bind(('127.0.0.1',$port))" 2>/dev/null; [ $? -ne 0 ]; do
    port=$((port + 1))
  done
  address="http://127.0.0.1:$port/$1/index.html"
  echo "Serving $game at $address (Ctrl+C stops it). Its scores and settings are kept in the browser's storage."
  if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && command -v xdg-open >/dev/null; then
    (sleep 1; xdg-open "$address" >/dev/null 2>&1) &
  fi
  exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build/web/site
fi
if [ "$demo" = yes ]; then
  exec tools/demo.sh "$edition" "$1"
fi
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "There is no display to show the game on; 'tools/play.sh --demo $1' plays a little of it on a virtual display and saves screenshots." >&2
  exit 2
fi

tools/setup.sh

if [ "$edition" = linux ]; then
  cmake --preset linux >/dev/null
  cmake --build --preset linux --target "$1" >/dev/null
  program=$(find build/linux -name "$1" -type f -perm -u+x | head -n 1)
  echo "Starting $game. Its scores and settings are kept in ${XDG_DATA_HOME:-$HOME/.local/share}/$1."
  exec "$program"
fi

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
