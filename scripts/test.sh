#!/usr/bin/env bash
# Builds everything and runs every test: unit, widget (offscreen), the
# simulator's own and the end-to-end ones, then a short run of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j "$(nproc)"
scripts/fuzz.sh "${VELMAR_FUZZ_SECONDS:-20}"
