#!/usr/bin/env bash
# Shows a game working on a machine without a desktop, saving a PNG screenshot of each step:
#   tools/demo.sh linux scrambolo|pebblix   the Linux edition played while Orca listens; its words are printed
#   tools/demo.sh wine scrambolo|pebblix    the Windows edition played by the robot under Wine
set -euo pipefail
cd "$(dirname "$0")/.."
case "${1:-}:${2:-}" in
  linux:scrambolo | linux:pebblix | wine:scrambolo | wine:pebblix) edition=$1 game=$2 ;;
  *) echo "usage: tools/demo.sh linux|wine scrambolo|pebblix" >&2; exit 2 ;;
esac

tools/setup.sh

if [ "$edition" = linux ]; then
  cmake --preset linux >/dev/null
  cmake --build --preset linux --target "$game" >/dev/null
  build=$(pwd)/build/linux
  program=$(find "$build" -name "$game" -type f -perm -u+x | head -n 1)
  output="$build/demo"
  mkdir -p "$output"
  env -u DISPLAY /usr/bin/python3 e2e/orca/run.py "$program" demo "$output" >"$output/$game.log" 2>&1 || {
    cat "$output/$game.log" >&2
    echo "The demo did not finish; its log is above and in $output/$game.log." >&2
    exit 1
  }
  echo "Orca heard $game say:"
  grep "Orca said" "$output/$game.log" | sed 's/^ *Orca said /  /'
  echo "A screenshot of each step:"
  ls "$output/demo/shots"/*.png | sed 's/^/  /'
  exit 0
fi

cmake --preset windows >/dev/null
cmake --build --preset windows --target "$game" robot >/dev/null

build=$(pwd)/build/windows
exe=$(find "$build/$game" -name "$game.exe" -type f | head -n 1)
output="$build/demo"
# The harness starts its own virtual display when none is set, and ends Wine when it is done.
env -u DISPLAY bash e2e/harness/run_scenario.sh "demo_$game" "$exe" "$build/e2e/robot.exe" "$output" >"$output.log" 2>&1 || {
  cat "$output.log" >&2
  echo "The demo did not finish; its log is above and in $output.log." >&2
  exit 1
}

shots="$output/screenshots/$game"
rm -rf "$shots"
mkdir -p "$shots"
for bitmap in "$output/demo_$game/game/shots"/*.bmp; do
  convert "$bitmap" "$shots/$(basename "${bitmap%.bmp}").png"
done
echo "The robot played $game; a screenshot of each step:"
ls "$shots"/*.png | sed 's/^/  /'
