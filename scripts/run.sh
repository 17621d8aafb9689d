#!/usr/bin/env bash
# Builds what is needed and starts the program. By default it starts the
# simulated module on a pseudo-terminal and points the program at it; pass
# --port NAME to use a real module instead. Without a display the program
# runs under Xvfb for a few seconds and a screenshot is saved.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh >/dev/null
exec build/src/app/velmar "$@"
