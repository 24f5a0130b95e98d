#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds everything and runs every test: the
# whole suite (window tests on the offscreen platform), the package and a fresh install of it, then
# the core again under AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/check-format.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

cmake --preset default
cmake --build --preset default -j"$jobs"
ctest --preset default -j"$jobs"
scripts/test-package.sh build/default

cmake --preset sanitize
cmake --build --preset sanitize -j"$jobs"
ctest --preset sanitize -j"$jobs"
scripts/test-windows.sh
