#!/usr/bin/env bash
# Builds the program and starts it, with a simulated instrument on ports/COM1.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
build=build
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELDO_LTO=ON -DVELDO_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
program_folder="$build/bin"
rm -f "$program_folder/ports/COM1"
"$build/bin/instrument-sim" "$program_folder/ports/COM1" >/dev/null &
sim=$!
trap 'kill $sim 2>/dev/null || true; wait $sim 2>/dev/null || true; rm -f "$program_folder/ports/COM1"' EXIT
# The program looks for the instrument as soon as it starts: wait for the link.
for _ in $(seq 50); do
  [ -L "$program_folder/ports/COM1" ] && break
  sleep 0.1
done
"$build/bin/veldo"
