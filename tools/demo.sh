#!/usr/bin/env bash
# Shows a game working on a machine without a desktop: the robot plays a little of it under Wine on
# a virtual display, and each step is saved as a PNG screenshot whose path is printed.
#   tools/demo.sh scrambolo|pebblix
set -euo pipefail
cd "$(dirname "$0")/.."
case "${1:-}" in
  scrambolo | pebblix) game=$1 ;;
  *) echo "usage: tools/demo.sh scrambolo|pebblix" >&2; exit 2 ;;
esac

tools/setup.sh
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
