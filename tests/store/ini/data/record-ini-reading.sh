#!/usr/bin/env bash
# Records ini-reading.tsv again from ini-reading-cases.tsv: builds read-profile-strings.exe with
# mingw-w64 and runs every case through it under Wine, with code page 936, in a scratch folder
# and a Wine prefix of its own (record-ini-reading.py). Installs what is missing.
set -euo pipefail
cd "$(dirname "$0")"
. ../../../../scripts/common.sh
../../../../scripts/install-deps.sh g++-mingw-w64-x86-64-posix wine64 locales python3
make_wine_locale
use_wine

scratch=$(mktemp -d)
export WINEPREFIX="$scratch/prefix"
trap '"$wineserver" -k >/dev/null 2>&1 || true; rm -rf "$scratch"' EXIT
x86_64-w64-mingw32-gcc-posix -O2 -Wall -Wextra -o "$scratch/read-profile-strings.exe" \
  read-profile-strings.c
"$wine" wineboot --init >/dev/null 2>&1
python3 record-ini-reading.py "$wine" "$scratch/read-profile-strings.exe" "$scratch/cases"
echo "record-ini-reading: $(grep -c '^case' ini-reading.tsv) cases recorded in ini-reading.tsv"
