#!/usr/bin/env bash
# Builds the libFuzzer targets (the fuzz preset: clang-14, AddressSanitizer and UBSan) and runs each
# from its seed corpus with its dictionary for FUZZ_SECONDS seconds (30 unless set). A crash, a
# sanitizer report or a failed check stops that target, keeps the input under build/fuzz/findings/
# and fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
scripts/install-deps.sh clang-14 libclang-rt-14-dev llvm-14
seconds=${FUZZ_SECONDS:-30}
export ASAN_SYMBOLIZER_PATH=/usr/bin/llvm-symbolizer-14

cmake --preset fuzz
cmake --build --preset fuzz -j"$(nproc)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
findings="$root/build/fuzz/findings"
mkdir -p "$findings"
failed=0
for target in ini status number cp936; do
  cp -r "fuzz/corpus/$target" "$work/$target"
  log="$work/$target.log"
  if (cd "$work" && "$root/build/fuzz/fuzz/${target}_fuzz" -max_total_time="$seconds" \
        -dict="$root/fuzz/$target.dict" -artifact_prefix="$findings/$target-" \
        -print_final_stats=1 "$target" >"$log" 2>&1); then
    echo "$target: $(grep -Eo 'Done [0-9]+ runs in [0-9]+ second' "$log"), $(grep -Eo 'cov: [0-9]+ ft: [0-9]+' "$log" | tail -1)"
  else
    echo "$target: FINDING (input kept in $findings)"
    tail -n 60 "$log"
    failed=1
  fi
done
exit "$failed"
