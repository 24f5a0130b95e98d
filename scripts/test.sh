#!/usr/bin/env bash
# Installs what is missing, checks the formatting and that each layer includes only the layers it
# links (cmake/Layers.cmake), builds everything and runs every test: the whole suite (window tests
# on the offscreen platform), the program on a headless GNOME Wayland session, the package and a
# fresh install of it, the whole program again under AddressSanitizer and UBSan, Quillot for
# Windows with every test under Wine and its zip checked end to end, and each fuzz target for 30
# seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
# The packages the Wayland session check and the calendar export test need besides the usual
# ones.
scripts/install-deps.sh mutter xwayland x11-utils dbus-daemon qt6-wayland \
  python3-icalendar python3-recurring-ical-events
scripts/check-format.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

# The benchmarks too, each of which CTest runs once so that it keeps working.
cmake --preset default -DQUILLOT_BENCHMARKS=ON
cmake --build --preset default --target check_layers
cmake --build --preset default -j"$jobs"
ctest --preset default -j"$jobs"
tests/app/wayland-session.sh build/default
scripts/test-package.sh build/default

cmake --preset sanitize
cmake --build --preset sanitize -j"$jobs"
ctest --preset sanitize -j"$jobs"
scripts/test-windows.sh
scripts/test-robustness.sh
