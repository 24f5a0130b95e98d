#!/usr/bin/env bash
# Runs a Windows program under Wine for CTest: run-under-wine.sh <wine> <program> [arguments].
# Now and then a Wine start fails before the program runs at all: a nonzero exit with nothing
# printed (seen once in CI, in 0.00 s). Such a start is tried once more and said so on stderr. A
# program that ran prints at least the test framework's banner, so a failure it reports, or a
# crash after its first line, is passed on as it is and never retried.
output=$(mktemp) || exit 1
trap 'rm -f "$output"' EXIT
"$@" 2>&1 | tee "$output"
status=${PIPESTATUS[0]}
if [ "$status" -ne 0 ] && [ ! -s "$output" ]; then
  echo "run-under-wine.sh: Wine ended with $status before the program printed anything; starting it once more" >&2
  "$@"
  exit $?
fi
exit "$status"
