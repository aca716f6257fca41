#!/usr/bin/env bash
# Builds the program and starts it, with a simulated instrument on ports/COM1.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
build=build
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELDO_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
program_folder="$build/bin"
"$build/bin/instrument-sim" "$program_folder/ports/COM1" &
sim=$!
trap 'kill $sim 2>/dev/null || true; rm -f "$program_folder/ports/COM1"' EXIT
"$build/bin/veldo"
