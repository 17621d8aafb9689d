#!/usr/bin/env bash
# Builds everything twice, with gcc (build/) and with clang under
# AddressSanitizer and UndefinedBehaviorSanitizer (build-san/, which also holds
# the fuzz targets), and runs every test in both: unit, widget (offscreen), the
# simulator's own and the end-to-end ones. A leak, an overflow or undefined
# behaviour in any program fails its test. Then a short run of every fuzz
# target. Ends with one line "all: N passed, N failed" over all of it.
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh || exit 1
scripts/build.sh --sanitize || exit 1
export QT_QPA_PLATFORM=offscreen

logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
status=0
total=0
failed=0
for tree in build build-san; do
  echo "ctest: $tree"
  ctest --test-dir "$tree" --output-on-failure -j "$(nproc)" 2>&1 | tee "$logs/$tree"
  [ "${PIPESTATUS[0]}" -eq 0 ] || status=1
  t=$(sed -n 's/.* tests failed out of \([0-9]*\)$/\1/p' "$logs/$tree" | tail -n 1)
  f=$(sed -n 's/.*, \([0-9]*\) tests failed out of.*/\1/p' "$logs/$tree" | tail -n 1)
  # A run that did not even reach its summary counts as one failure.
  [ -n "$t" ] || { t=1; f=1; status=1; }
  total=$(( total + t ))
  failed=$(( failed + f ))
done
scripts/fuzz.sh "${VELMAR_FUZZ_SECONDS:-20}" 2>&1 | tee "$logs/fuzz"
[ "${PIPESTATUS[0]}" -eq 0 ] || status=1

fuzz_ok=$(grep -c '^fuzz: .* passed$' "$logs/fuzz")
fuzz_bad=$(grep -c '^fuzz: .* FAILED$' "$logs/fuzz")
# The fuzz targets did not build: one failure.
[ "$status" -eq 0 ] || [ "$fuzz_ok$fuzz_bad" != "00" ] || fuzz_bad=1
echo "all: $(( total - failed + fuzz_ok )) passed, $(( failed + fuzz_bad )) failed"
exit "$status"
