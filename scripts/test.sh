#!/usr/bin/env bash
# Builds everything and runs every test: unit, widget (offscreen), the
# simulator's own and the end-to-end ones, then a short run of every fuzz
# target. Ends with one line "all: N passed, N failed".
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh || exit 1
export QT_QPA_PLATFORM=offscreen

log=$(mktemp)
trap 'rm -f "$log"' EXIT
ctest --test-dir build --output-on-failure -j "$(nproc)" 2>&1 | tee "$log"
ctest_rc=${PIPESTATUS[0]}
scripts/fuzz.sh "${VELMAR_FUZZ_SECONDS:-20}" 2>&1 | tee -a "$log"
fuzz_rc=${PIPESTATUS[0]}

total=$(sed -n 's/.* tests failed out of \([0-9]*\)$/\1/p' "$log" | tail -n 1)
failed=$(sed -n 's/.*, \([0-9]*\) tests failed out of.*/\1/p' "$log" | tail -n 1)
fuzz_ok=$(grep -c '^fuzz: .* passed$' "$log")
fuzz_bad=$(grep -c '^fuzz: .* FAILED$' "$log")
passed=$(( ${total:-0} - ${failed:-0} + fuzz_ok ))
echo "all: $passed passed, $(( ${failed:-0} + fuzz_bad )) failed"
[ "$ctest_rc" -eq 0 ] && [ "$fuzz_rc" -eq 0 ]
