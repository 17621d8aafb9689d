#!/usr/bin/env bash
# A picture of the status page ("Estado") of the program connected to the
# simulated module, taken under Xvfb:
#
#   scripts/screenshot-status.sh [DIR]     (default: out/screenshots)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
out="${1:-out/screenshots}"
mkdir -p "$out"
unset DISPLAY WAYLAND_DISPLAY
VELMAR_DEMO_SECONDS="${VELMAR_DEMO_SECONDS:-8}" scripts/run.sh \
  --sim-args "--scenario $root/scripts/status-page.scenario --period 1000" >/dev/null
mv "$root/out/demo.png" "$out/status-page.png"
echo "$out/status-page.png"
