#!/usr/bin/env bash
# Configures and builds the program, velmarctl, the simulator, the tests and the benchmarks
# with gcc into build/.
# --sanitize: the same (benchmarks aside) plus the fuzz targets with clang under
# AddressSanitizer and UndefinedBehaviorSanitizer into build-san/.
# Further arguments go to "cmake --build" (e.g. --target velmar_fuzzers).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
dir=build
options=()
if [ "${1:-}" = "--sanitize" ]; then
  shift
  dir=build-san
  export CC=clang CXX=clang++
  options=(-DVELMAR_SANITIZE=ON -DVELMAR_FUZZ=ON)
fi
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)" "$@"
