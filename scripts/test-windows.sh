#!/usr/bin/env bash
# Quillot for Windows: builds Qt for Windows once (scripts/build-qt-windows.sh, cached), cross-builds
# the whole program and every test with mingw-w64 (the windows presets), runs the tests under Wine
# in code page 936 on a virtual X display, the windows on Qt's own windows platform, then packs the
# portable zip and the installer and checks both end to end (tests/windows/zip-under-wine.sh,
# tests/windows/installer-under-wine.sh). Installs what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh

scripts/install-deps.sh g++-mingw-w64-x86-64-posix wine64 locales zip unzip nsis icoutils \
  python3-pefile
make_wine_locale
QUILLOT_QT_WINDOWS=$(scripts/build-qt-windows.sh)
export QUILLOT_QT_WINDOWS

# The Wine environment of the tests (cmake/run-under-wine.sh sets it for each), in the windows test
# preset's prefix, on a display of its own.
start_wine_display
export WINEPREFIX="$PWD/build/windows/wine"
mkdir -p "$WINEPREFIX"

# A wineserver that stays up, and Wine's background processes started once, all with their output
# away from the terminal: otherwise every test waits for them to let go of CTest's output pipe.
"$wineserver" -p >/dev/null 2>&1 || true  # already running for this prefix
"$wine" wineboot >/dev/null 2>&1

jobs=$(nproc)
cmake --preset windows
cmake --build --preset windows -j"$jobs"
ctest --preset windows -j"$jobs"

packages=$(scripts/package-windows.sh build/windows)
zip=$(sed -n 1p <<<"$packages")
setup=$(sed -n 2p <<<"$packages")
tests/windows/zip-under-wine.sh "$zip"
tests/windows/installer-under-wine.sh "$setup" "$zip"
