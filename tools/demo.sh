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
stage() { echo "==> $*"; }

stage "Installing what the demo needs (tools/setup.sh $edition-demo)"
tools/setup.sh "$edition-demo"

if [ "$edition" = linux ]; then
  build=$(pwd)/build/play/linux
  stage "Configuring the build in $build"
  cmake --preset linux -B "$build" -DBUILD_TESTING=OFF >/dev/null
  stage "Building $game"
  cmake --build "$build" --target "$game"
  program=$(find "$build/$game" -name "$game" -type f -perm -u+x | head -n 1)
  # Each game's demo in a folder of its own, so one's pictures never replace the other's.
  output="$build/demo/$game"
  rm -rf "$output"
  mkdir -p "$output"
  stage "Playing $game on a virtual display while Orca listens (about half a minute)"
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

# The robot is one of the end-to-end tests' programs, so the Windows demo builds with them.
build=$(pwd)/build/windows
stage "Configuring the build in $build"
cmake --preset windows >/dev/null
stage "Building $game and the robot that plays it"
cmake --build --preset windows --target "$game" robot
exe=$(find "$build/$game" -name "$game.exe" -type f | head -n 1)
output="$build/demo/$game"
rm -rf "$output"
mkdir -p "$output"
stage "Playing $game under Wine on a virtual display (about half a minute)"
# The harness starts its own virtual display when none is set, and ends Wine when it is done.
env -u DISPLAY bash e2e/harness/run_scenario.sh "demo_$game" "$exe" "$build/e2e/robot.exe" "$output" >"$output.log" 2>&1 || {
  cat "$output.log" >&2
  echo "The demo did not finish; its log is above and in $output.log." >&2
  exit 1
}

shots="$output/screenshots"
mkdir -p "$shots"
for bitmap in "$output/demo_$game/game/shots"/*.bmp; do
  convert "$bitmap" "$shots/$(basename "${bitmap%.bmp}").png"
done
echo "The robot played $game; a screenshot of each step:"
ls "$shots"/*.png | sed 's/^/  /'
