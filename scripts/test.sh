#!/usr/bin/env bash
# Builds everything and runs every test. Usage: scripts/test.sh [--sanitize]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

build=build
flags=(-DPALVEX_WARNINGS_AS_ERRORS=ON)
if [ "${1:-}" = "--sanitize" ]; then
  build=build-asan
  # Benchmarks are not run under the sanitizers; building them there only costs time.
  flags+=(-DPALVEX_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DPALVEX_BUILD_BENCH=OFF)
fi
cmake -S . -B "$build" -G Ninja "${flags[@]}" >/dev/null
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j2
