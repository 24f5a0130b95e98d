#!/usr/bin/env bash
# Builds the core and its tests for Windows with mingw-w64 and runs them under Wine, in a Chinese
# locale so that the ANSI code page is 936 (the windows-cross presets). Installs what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh g++-mingw-w64-x86-64-posix wine64 locales
if ! locale -a 2>/dev/null | grep -qix 'zh_CN\.utf-\?8'; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi

# The same environment as the windows-cross test preset.
export WINEPREFIX="$PWD/build/windows-cross/wine"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=zh_CN.UTF-8
wineserver=/usr/lib/wine/wineserver
mkdir -p "$WINEPREFIX"

# A wineserver that stays up, and Wine's background processes started once, all with their output
# away from the terminal: otherwise every test waits for them to let go of CTest's output pipe.
trap '"$wineserver" -k >/dev/null 2>&1 || true' EXIT
"$wineserver" -p >/dev/null 2>&1 || true  # already running for this prefix
/usr/lib/wine/wine64 wineboot >/dev/null 2>&1

jobs=$(nproc)
cmake --preset windows-cross
cmake --build --preset windows-cross -j"$jobs"
ctest --preset windows-cross -j"$jobs"
