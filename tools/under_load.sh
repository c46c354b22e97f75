#!/usr/bin/env bash
# Runs test selections again and again with both cores kept busy, as on a player's busy machine, and prints each test's passes.
#   tools/under_load.sh [-n RUNS] [PRESET:SELECTION ...]
# Each selection is a build preset and ctest's own selection for it, as in "linux:-L orca",
# "web:-L browser" or "web:-R ^orca.firefox_"; without any, every Orca scenario and browser suite:
# "linux:-L orca" "web:-L orca" "web:-L browser". Each selection runs RUNS times (10 unless told)
# while one busy loop per core runs beside it; the loops are stopped however the runs end. The
# builds must be there (tools/test.sh, or cmake --build --preset PRESET). Every run's output is kept
# in build/under-load/; what is printed at the end is each test's passes out of RUNS, and the
# script fails when any test failed once.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=10
if [ "${1:-}" = "-n" ]; then
  runs=$2
  shift 2
fi
selections=("$@")
[ ${#selections[@]} -gt 0 ] || selections=("linux:-L orca" "web:-L orca" "web:-L browser")

loops=()
stop_loops() {
  for pid in "${loops[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  for pid in "${loops[@]}"; do
    wait "$pid" 2>/dev/null || true
  done
  loops=()
}
trap stop_loops EXIT
trap 'exit 130' INT TERM
for _ in $(seq "$(nproc)"); do
  bash -c 'while :; do :; done' &
  loops+=($!)
done
echo "busy loops running: ${loops[*]}"

logs=build/under-load/$(date +%Y%m%d-%H%M%S)
mkdir -p "$logs"
results=$logs/results.txt
: >"$results"
started=$SECONDS
for selection in "${selections[@]}"; do
  preset=${selection%%:*}
  read -r -a select <<<"${selection#*:}"
  for run in $(seq "$runs"); do
    log=$logs/$preset-$(echo "${select[*]}" | tr -c 'A-Za-z0-9_.\n' '_')-$run.log
    echo "$(date +%H:%M:%S) $preset ${select[*]}: run $run of $runs"
    ctest --preset "$preset" "${select[@]}" --output-on-failure >"$log" 2>&1 || true
    # ctest's line per test: "  3/22 Test  #45: orca.pebblix_menus ......   Passed   9.50 sec".
    sed -nE 's/^ *[0-9]+\/[0-9]+ +Test +#[0-9]+: ([^ ]+) \.+[* ]*([A-Za-z]+).*/\1 \2/p' "$log" >>"$results"
  done
done
stop_loops

echo
echo "Passes of $runs runs each, with $(nproc) busy loops, in $(((SECONDS - started) / 60)) minutes (logs: $logs):"
failed=0
while read -r name count; do
  printf '  %-50s %s/%s\n' "$name" "$count" "$runs"
  [ "$count" -eq "$runs" ] || failed=1
done < <(awk '{ passed[$1] += ($2 == "Passed") } END { for (name in passed) print name, passed[name] }' "$results" | sort)
exit $failed
