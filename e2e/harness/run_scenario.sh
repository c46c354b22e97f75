#!/usr/bin/env bash
# Plays one end-to-end scenario: fresh copy of the game, its own files, the game and the robot under Wine, files checked after.
#
# usage: run_scenario.sh SCENARIO GAME_EXE ROBOT_EXE OUTPUT_DIR
#   GAME_EXE is the built game (its wave and help files are taken from beside it) or a command
#   Wine knows, such as notepad. OUTPUT_DIR keeps the scenario's folder, logs and screenshot.
set -euo pipefail

if [ $# -ne 4 ]; then
  sed -n '4,6p' "$0" >&2
  exit 2
fi
scenario=$1 game=$2 robot=$3
mkdir -p "$4"
output=$(cd "$4" && pwd)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# Keys sent from the robot need a display; when none is given, bring our own.
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a --server-args="-screen 0 1280x1024x24" "$0" "$@"
fi

export WINEPREFIX="$output/wineprefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# shellcheck source=e2e/harness/prefix.sh
source "$here/prefix.sh"
# shellcheck source=e2e/harness/files.sh
source "$here/files.sh"
# shellcheck source=e2e/harness/scenarios.sh
source "$here/scenarios.sh"

work="$output/$scenario"
rm -rf "$work"
# A scenario may name the folder, inside its own, that the game is copied into (folder_NAME).
game_folder=game
if declare -F "folder_$scenario" >/dev/null; then
  game_folder=$("folder_$scenario")
fi
mkdir -p "$work/$game_folder"
robot_log="$work/robot.log"
screenshot="$work/screen.png"
game_pid=""
status=1

finish() {
  if [ "$status" -ne 0 ]; then
    import -window root "$screenshot" 2>/dev/null || xwd -root -silent -out "$work/screen.xwd" 2>/dev/null || true
    echo "scenario $scenario FAILED"
    echo "log:        $robot_log"
    echo "game log:   $work/game.log"
    echo "screenshot: $screenshot"
  fi
  wineserver -k 2>/dev/null || true
  if [ -n "$game_pid" ]; then
    wait "$game_pid" 2>/dev/null || true
  fi
  wineserver -w 2>/dev/null || true
  exit "$status"
}
trap finish EXIT

make_prefix_once
system32="$WINEPREFIX/drive_c/windows/system32"
game_dir="$work/$game_folder"

# The game's own copy: the exe and the wave and help files beside it, never saved files from earlier runs.
if [ -f "$game" ]; then
  game_source=$(dirname "$game")
  cp "$game" "$game_dir/"
  find "$game_source" -maxdepth 1 -type f \( -iname '*.wav' -o -iname '*.txt' \) -exec cp {} "$game_dir/" \;
  launch=(wine "$game_dir/$(basename "$game")")
else
  launch=(wine "$game")
fi

game_must_end=yes
"prepare_$scenario"

wineserver -w 2>/dev/null || true
# Wine traces the game's sound calls into its log, where the robot hears which cue played when.
(cd "$game_dir" && WINEDEBUG=-all,trace+winmm exec "${launch[@]}") >"$work/game.log" 2>&1 &
game_pid=$!

# windows_path PATH: the path as Wine's programs see it, on the drive Z: that holds the whole tree.
windows_path() {
  local path=${1//\//\\}
  printf 'Z:%s' "$path"
}
export E2E_GAME_FOLDER E2E_CUE_TRACE
E2E_GAME_FOLDER=$(windows_path "$game_dir")
E2E_CUE_TRACE=$(windows_path "$work/game.log")

echo "scenario $scenario: robot started"
robot_status=0
# From the game's folder, so the robot can name the paths the game speaks of (Wine starts a program
# in its Windows folder instead when the path is too long to be a current folder).
(cd "$game_dir" && timeout 600 wine "$robot" "$scenario") >"$robot_log" 2>&1 || robot_status=$?
cat "$robot_log"
if [ "$robot_status" -ne 0 ]; then
  echo "the robot failed with exit code $robot_status"
  exit 1
fi

if [ "$game_must_end" = yes ]; then
  if ! wait_for_exit "$game_pid" 20; then
    echo "the game was still running 20 s after the scenario's last step"
    exit 1
  fi
  game_pid=""
fi

"verify_$scenario"
status=0
echo "harness: scenario $scenario passed, saved files as expected"
