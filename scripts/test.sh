#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds everything and runs every test: the
# whole suite (window tests on the offscreen platform), then the core again under AddressSanitizer
# and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/check-format.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

cmake --preset default
cmake --build --preset default -j"$jobs"
ctest --preset default -j"$jobs"

cmake --preset sanitize
cmake --build --preset sanitize -j"$jobs"
ctest --preset sanitize -j"$jobs"
scripts/test-robustness.sh
