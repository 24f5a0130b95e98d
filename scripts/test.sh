#!/usr/bin/env bash
# Installs what is missing, checks the formatting and that each layer includes only the layers it
# links (cmake/Layers.cmake), builds everything and runs every test: the whole suite (window tests
# on the offscreen platform), the package and a fresh install of it, the whole program again under
# AddressSanitizer and UBSan, the core cross-built for Windows under Wine, and each fuzz target for
# 30 seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/check-format.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

cmake --preset default
cmake --build --preset default --target check_layers
cmake --build --preset default -j"$jobs"
ctest --preset default -j"$jobs"
scripts/test-package.sh build/default

cmake --preset sanitize
cmake --build --preset sanitize -j"$jobs"
ctest --preset sanitize -j"$jobs"
scripts/test-windows.sh
scripts/test-robustness.sh
