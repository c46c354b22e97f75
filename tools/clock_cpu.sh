#!/usr/bin/env bash
# Measures the processor time a running Scrambolo takes in 10 s with its clock ticking under Wine,
# beside Wine's own editor as a bare window that does nothing. Prints ticks of 1/100 s.
#   tools/clock_cpu.sh [SCRAMBOLO_EXE]     (default: the build in build/windows)
# It is a measurement, not a test: the numbers depend on the machine and what else runs on it.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a --server-args="-screen 0 1280x1024x24" "$0" "$@"
fi

exe=${1:-$(find "$root/build/windows/scrambolo" -name scrambolo.exe -type f | head -n 1)}
if [ ! -f "$exe" ]; then
  echo "no scrambolo.exe: build the windows preset first, or name one" >&2
  exit 2
fi
seconds=10

work="$root/build/windows/clock-cpu"
export WINEPREFIX="$work/wineprefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# shellcheck source=e2e/harness/prefix.sh
source "$root/e2e/harness/prefix.sh"
make_prefix_once

game="$work/game"
rm -rf "$game"
mkdir -p "$game"
cp "$exe" "$game/scrambolo.exe"
cp "$root"/data/sounds/*.wav "$game/"
cp "$root/data/jmsit32.dll" "$WINEPREFIX/drive_c/windows/system32/jmsit32.dll"
printf -- '-1\r\n' >"$game/diff.dat"

pids=()
finish() {
  for pid in "${pids[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
}
trap finish EXIT

# ticks PID: user plus system time of the process so far, in clock ticks (fields 14 and 15).
ticks() {
  awk '{ print $14 + $15 }' "/proc/$1/stat"
}

wine notepad >/dev/null 2>&1 &
pids+=($!)
editor=$!
(cd "$game" && exec wine "$game/scrambolo.exe") >/dev/null 2>&1 &
pids+=($!)
scrambolo=$!

# Let both finish starting (the first Wine start of a prefix takes longest) before counting.
sleep 8
for pid in "$editor" "$scrambolo"; do
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "a program under measurement did not keep running" >&2
    exit 1
  fi
done
editor_before=$(ticks "$editor")
scrambolo_before=$(ticks "$scrambolo")
sleep "$seconds"
editor_ticks=$(($(ticks "$editor") - editor_before))
scrambolo_ticks=$(($(ticks "$scrambolo") - scrambolo_before))

echo "processor time in $seconds s, in ticks of 1/$(getconf CLK_TCK) s:"
echo "  bare window (the editor): $editor_ticks"
echo "  Scrambolo, clock running: $scrambolo_ticks"
