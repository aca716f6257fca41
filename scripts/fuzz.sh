#!/usr/bin/env bash
# Builds the fuzz targets with clang (build-fuzz/) and runs each for a number
# of inputs on its seed corpus. Prints per target the inputs run, the time and
# the findings (crash, leak, timeout or out-of-memory inputs, kept in
# build-fuzz/findings/<target>/). Exits 1 when anything was found.
#   scripts/fuzz.sh [inputs per target, default 1000000] [target ...]
# VELDO_FUZZ_WORKERS=n shares each target's inputs among n processes on one corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-1000000}
shift || true
build=${VELDO_FUZZ_BUILD:-build-fuzz}
jobs=${VELDO_FUZZ_JOBS:-4}
workers=${VELDO_FUZZ_WORKERS:-1}
# 0 lets libFuzzer pick; CI fixes it so a pass repeats exactly.
seed=${VELDO_FUZZ_SEED:-0}

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DVELDO_FUZZ=ON -DVELDO_TESTS=OFF -DVELDO_BENCH=OFF >/dev/null
cmake --build "$build" -j"$jobs" --target veldo_fuzz >/dev/null

targets=("$@")
[ ${#targets[@]} -gt 0 ] || mapfile -t targets < "$build/fuzz/targets.txt"

export QT_QPA_PLATFORM=offscreen
# The file targets write every input to a temporary folder: in memory, the disk
# does not set their pace.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
  export TMPDIR=/dev/shm
fi
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
printf '%-20s %10s %9s %10s %s\n' target inputs seconds inputs/s findings
for t in "${targets[@]}"; do
  corpus="$build/fuzz/corpus/$t"
  findings="$build/fuzz/findings/$t"
  rm -rf "$findings"
  mkdir -p "$corpus" "$findings"
  rm -f "$build/fuzz/$t".*log
  start=$(date +%s.%N)
  # Each input reads at most a few small files; 64 KiB covers every format.
  per=$(( (runs + workers - 1) / workers ))
  for w in $(seq 1 "$workers"); do
    worker_seed=$seed
    [ "$seed" = 0 ] || worker_seed=$((seed + w - 1))
    "$build/fuzz/fuzz_$t" -runs="$per" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$findings/" -print_final_stats=1 -seed="$worker_seed" "$corpus" "$build/fuzz/seeds/$t" \
        >"$build/fuzz/$t.$w.log" 2>&1 &
  done
  wait || true
  end=$(date +%s.%N)
  done_runs=$(cat "$build/fuzz/$t".*.log | grep -o 'stat::number_of_executed_units: *[0-9]*' | grep -o '[0-9]*$' \
              | awk '{ n += $1 } END { print n + 0 }' || true)
  finished=$(cat "$build/fuzz/$t".*.log | grep -c 'stat::number_of_executed_units' || true)
  found=$(find "$findings" -type f | wc -l)
  secs=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.1f", b - a }')
  rate=$(awk -v n="${done_runs:-0}" -v s="$secs" 'BEGIN { printf "%d", n / (s + 0.001) }')
  printf '%-20s %10s %9.1f %10s %s\n' "$t" "${done_runs:-0}" "$secs" "$rate" "$found"
  if [ "$found" -gt 0 ] || [ "$finished" -lt "$workers" ]; then
    status=1
    echo "  see $build/fuzz/$t.*.log" >&2
  fi
done
exit $status
