#!/usr/bin/env bash
# Builds with warnings as errors and the sanitizers, then runs the whole suite.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
build=build-test
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DVELDO_WERROR=ON -DVELDO_SANITIZE=ON >/dev/null
cmake --build "$build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
