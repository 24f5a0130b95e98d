#!/usr/bin/env bash
# Runs a Windows program under Wine for CTest, in the Wine environment of the scripts
# (use_wine in scripts/common.sh):
#   run-under-wine.sh <DLL folders, separated by ":"> <program> [arguments]
# The DLL folders go in front of the program's PATH (WINEPATH), as Windows paths on drive Z:.
# Now and then a Wine start fails before the program runs at all: a nonzero exit with nothing
# printed (seen once in CI, in 0.00 s). Such a start is tried once more and said so on stderr. A
# program that ran prints at least the test framework's banner, so a failure it reports, or a
# crash after its first line, is passed on as it is and never retried.
. "$(dirname "$0")/../scripts/common.sh"
use_wine
IFS=: read -ra folders <<<"$1"
shift
winepath=
for folder in "${folders[@]}"; do
  winepath+="Z:${folder//\//\\};"
done
export WINEPATH="$winepath${WINEPATH:-}"

output=$(mktemp) || exit 1
trap 'rm -f "$output"' EXIT
"$wine" "$@" 2>&1 | tee "$output"
status=${PIPESTATUS[0]}
if [ "$status" -ne 0 ] && [ ! -s "$output" ]; then
  echo "run-under-wine.sh: Wine ended with $status before the program printed anything; starting it once more" >&2
  "$wine" "$@"
  exit $?
fi
exit "$status"
