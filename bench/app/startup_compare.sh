#!/usr/bin/env bash
# Start-up time to the first painted window and resident memory when idle, Quillot beside a Qt
# window showing its two labels in their fonts and colours (two_label_window.cpp), started
# alternately in one run; then the whole run of `quillot --status`, which opens no window.
# Usage: bench/app/startup_compare.sh [build folder, default build/release] [runs, default 10]
# Runs on Qt's offscreen platform unless QT_QPA_PLATFORM says otherwise.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build/release}
runs=${2:-10}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export QUILLOT_REPORT_FIRST_PAINT=1

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# Quillot keeps GM.ini beside itself: a copy in the scratch folder, started once so that every
# measured run reads an existing file.
cp "$build/app/quillot" "$build/bench/app/two_label_window" "$scratch/"

# Prints "<milliseconds from exec to first paint> <VmRSS kB after 1 s idle>" for one start.
measure() {
  local out="$scratch/out" pid
  # The monotonic clock is read just before exec; the program reads it again at its first paint.
  (cd "$scratch" && exec python3 -c 'import os, sys, time
print("start", time.monotonic_ns(), flush=True)
os.execv(sys.argv[1], sys.argv[1:])' "./$1") >"$out" 2>/dev/null &
  pid=$!
  for _ in $(seq 200); do grep -q '^first-paint' "$out" && break; sleep 0.05; done
  sleep 1
  local rss
  rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  awk -v rss="$rss" '/^start/ {s = $2} /^first-paint/ {p = $2}
    END {if (!p) exit 1; printf "%.2f %d\n", (p - s) / 1e6, rss}' "$out"
}

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

measure quillot >/dev/null
measure two_label_window >/dev/null
: >"$scratch/quillot.txt"
: >"$scratch/two_label_window.txt"
for ((i = 0; i < runs; i++)); do
  if ((i % 2)); then order=(two_label_window quillot); else order=(quillot two_label_window); fi
  for program in "${order[@]}"; do measure "$program" >>"$scratch/$program.txt"; done
done

q_ms=$(cut -d' ' -f1 "$scratch/quillot.txt" | median)
b_ms=$(cut -d' ' -f1 "$scratch/two_label_window.txt" | median)
q_kb=$(cut -d' ' -f2 "$scratch/quillot.txt" | median)
b_kb=$(cut -d' ' -f2 "$scratch/two_label_window.txt" | median)
echo "platform $QT_QPA_PLATFORM, $runs starts each, medians"
printf '%-16s %10s %12s\n' program "first paint" "VmRSS idle"
printf '%-16s %7.1f ms %9d kB\n' quillot "$q_ms" "$q_kb" two_label_window "$b_ms" "$b_kb"
awk -v qm="$q_ms" -v bm="$b_ms" -v qk="$q_kb" -v bk="$b_kb" \
  'BEGIN {printf "ratio            %7.2f x    %9.2f x   (goal: at most 1.1 x)\n", qm / bm, qk / bk}'

# The same copy's GM.ini, read by a whole process that prints the status and ends.
status_ms=$(cd "$scratch" && python3 -c 'import statistics, subprocess, sys, time
times = []
for _ in range(int(sys.argv[1])):
    start = time.monotonic_ns()
    subprocess.run(["./quillot", "--status"], check=True, stdout=subprocess.DEVNULL)
    times.append((time.monotonic_ns() - start) / 1e6)
print("%.1f" % statistics.median(times))' "$runs")
printf '%-16s %7.1f ms   (quillot --status, the whole process)\n' "--status" "$status_ms"
