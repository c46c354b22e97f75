#!/usr/bin/env bash
# Makes the Windows downloads: one zip per game (exe, waves, help, word list, read-me-first) and the
# per-user installer for both.
#   make_packages.sh <scrambolo folder> <pebblix folder> <output folder>
# Each game folder is its build output: the exe with its data files beside it.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
scrambolo_dir=$1 pebblix_dir=$2 out=$3

stage="$out/stage"
rm -rf "$stage"
mkdir -p "$stage/Scrambolo" "$stage/Pebblix"

copy_game() {  # from to read-me files...
  local from=$1 to=$2 readme=$3 file
  shift 3
  for file in "$@"; do
    cp "$from/$file" "$to/$file"
  done
  cp "$here/$readme" "$to/READ-ME-FIRST.txt"
}
copy_game "$scrambolo_dir" "$stage/Scrambolo" READ-ME-FIRST-scrambolo.txt \
  scrambolo.exe bell.wav buzzer.wav click.wav scrambolo.TXT jmsit32.dll
copy_game "$pebblix_dir" "$stage/Pebblix" READ-ME-FIRST-pebblix.txt \
  pebblix.exe right.wav wrong.wav gameover.wav readme.txt mswnby32.dll

for game in Scrambolo Pebblix; do
  rm -f "$out/$game-1.0-win64.zip"
  (cd "$stage" && zip -q -X -r "$out/$game-1.0-win64.zip" "$game")
done

makensis -V2 -DSTAGE="$stage" -DOUTFILE="$out/LanternfoldWordGames-1.0-setup.exe" "$here/installer.nsi"

echo "Packages in $out:"
(cd "$out" && ls -l ./*.zip ./*.exe | awk '{print "  " $NF "  " $5 " bytes"}')
