#!/usr/bin/env bash
# Builds with warnings as errors and the sanitizers, the benchmarks too (not
# run), then runs the whole suite with leak detection.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
build=build-test
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DVELDO_WERROR=ON -DVELDO_SANITIZE=ON -DVELDO_BENCH=ON >/dev/null
cmake --build "$build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1
# Only leaks of the system libraries, each named there with the reason.
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
