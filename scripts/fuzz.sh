#!/usr/bin/env bash
# Builds the libFuzzer targets in the clang sanitizer tree (build-san/) and
# runs each for the given number of seconds (default 60) on its corpus in
# fuzz/corpus/<target>.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
scripts/build.sh --sanitize --target velmar_fuzzers
export QT_QPA_PLATFORM=offscreen
shopt -s nullglob
status=0
for bin in build-san/fuzz/fuzz_*; do
  [ -f "$bin" ] && [ -x "$bin" ] || continue
  name=$(basename "$bin")
  work="build-san/corpus/$name"
  mkdir -p "$work"
  seeds=()
  [ -d "fuzz/corpus/$name" ] && seeds=("fuzz/corpus/$name")
  echo "fuzz: $name for ${seconds}s"
  if ! "$bin" -max_total_time="$seconds" -max_len=30000 -print_final_stats=0 \
       -artifact_prefix="build-san/" "$work" "${seeds[@]}" >"build-san/$name.log" 2>&1; then
    echo "fuzz: $name FAILED"; tail -40 "build-san/$name.log"; status=1
  else
    echo "fuzz: $name passed"
  fi
done
exit $status
