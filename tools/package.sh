#!/usr/bin/env bash
# Makes the downloads: the Linux .deb in build/linux/packages, and the Windows zips and per-user
# installer in build/windows/packages.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
cmake --preset linux >/dev/null
cmake --build --preset linux
(cd build/linux && cpack --config CPackConfig.cmake)
cmake --preset windows >/dev/null
cmake --build --preset windows --target packages
ls -l build/linux/packages/*.deb build/windows/packages/*.zip build/windows/packages/*.exe
