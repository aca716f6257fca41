#!/usr/bin/env bash
# Builds the fuzz targets with clang (build-fuzz/) and runs each for a number
# of inputs on its seed corpus. Prints per target the inputs run, the time and
# the findings (crash, leak, timeout or out-of-memory inputs, kept in
# build-fuzz/findings/<target>/). Exits 1 when anything was found.
#   scripts/fuzz.sh [inputs per target, default 1000000] [target ...]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-1000000}
shift || true
build=${VELDO_FUZZ_BUILD:-build-fuzz}
jobs=${VELDO_FUZZ_JOBS:-4}
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
  log="$build/fuzz/$t.log"
  start=$(date +%s.%N)
  # Each input reads at most a few small files; 64 KiB covers every format.
  "$build/fuzz/fuzz_$t" -runs="$runs" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix="$findings/" -print_final_stats=1 -seed="$seed" "$corpus" "$build/fuzz/seeds/$t" >"$log" 2>&1 || true
  end=$(date +%s.%N)
  done_runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
  found=$(find "$findings" -type f | wc -l)
  secs=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.1f", b - a }')
  rate=$(awk -v n="${done_runs:-0}" -v s="$secs" 'BEGIN { printf "%d", n / (s + 0.001) }')
  printf '%-20s %10s %9.1f %10s %s\n' "$t" "${done_runs:-0}" "$secs" "$rate" "$found"
  if [ "$found" -gt 0 ] || ! grep -q 'stat::number_of_executed_units' "$log"; then
    status=1
    echo "  see $log" >&2
  fi
done
exit $status
