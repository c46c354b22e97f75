#!/usr/bin/env bash
# Measures the games: the Linux edition's start-up, memory and idle CPU beside other programs in one
# run, the portable code's own benchmarks, and the browser edition's first visit in headless Chromium, with Lighthouse's mobile audit of both pages. Prints numbers; it is not a test and passes or fails nothing.
#   tools/benchmark.sh
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
cmake --preset linux >/dev/null
cmake --build --preset linux >/dev/null
cmake --preset windows >/dev/null
cmake --build --preset windows --target scrambolo >/dev/null
cmake --preset web >/dev/null
cmake --build --preset web >/dev/null

build=build/linux
for benchmark in "$build"/common/common_benchmarks "$build"/scrambolo/scrambolo_benchmarks "$build"/pebblix/pebblix_benchmarks; do
  [ -x "$benchmark" ] && "$benchmark" --benchmark_min_time=0.2
done

scrambolo=$(find "$build/scrambolo" -name scrambolo -type f -perm -u+x | head -n 1)
pebblix=$(find "$build/pebblix" -name pebblix -type f -perm -u+x | head -n 1)
exe=$(find build/windows/scrambolo -name scrambolo.exe -type f | head -n 1)
dbus-run-session -- /usr/bin/python3 tools/benchmark_linux.py "$scrambolo" "$pebblix" "$exe"
node tools/benchmark_web.mjs build/web/site
node tools/lighthouse_web.mjs build/web/site
