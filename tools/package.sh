#!/usr/bin/env bash
# Makes the Windows downloads: a zip per game and the per-user installer, in build/windows/packages.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target packages
ls -l build/windows/packages/*.zip build/windows/packages/*.exe
