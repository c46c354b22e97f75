#!/usr/bin/env bash
# Sets everything up, builds every platform's preset (natively, for Windows and for the browser) and runs every test suite.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup.sh

# The presets of CMakePresets.json that build a platform of cmake/platforms/, in their order there.
presets=$(python3 - <<'PRESETS'
import json, pathlib
platforms = {path.stem for path in pathlib.Path("cmake/platforms").glob("*.cmake")}
for preset in json.loads(pathlib.Path("CMakePresets.json").read_text())["configurePresets"]:
    if preset.get("cacheVariables", {}).get("GAME_PLATFORM") in platforms:
        print(preset["name"])
PRESETS
)

for preset in $presets; do
  echo "==> Building the $preset preset"
  cmake --preset "$preset" -DBUILD_TESTING=ON
  cmake --build --preset "$preset"
done

status=0
for preset in $presets; do
  echo "==> Testing the $preset preset"
  ctest --preset "$preset" || status=1
done
exit $status
