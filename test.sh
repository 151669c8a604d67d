#!/usr/bin/env bash
# Installs what is missing, configures, builds and runs every test through CTest.
#   ./test.sh             normal build in build/
#   ./test.sh --sanitize  AddressSanitizer + UndefinedBehaviorSanitizer build in build-sanitize/
set -euo pipefail
cd "$(dirname "$0")"

build_dir=build
cmake_args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
  build_dir=build-sanitize
  # Benchmarks are no tests, and their timings mean nothing under the sanitizers.
  cmake_args+=(-DVELK_SANITIZE=ON -DVELK_BUILD_BENCH=OFF)
fi

bash scripts/ensure-packages.sh
cmake -S . -B "$build_dir" -G Ninja "${cmake_args[@]}"
cmake --build "$build_dir"
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"
