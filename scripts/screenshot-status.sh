#!/usr/bin/env bash
# Takes a picture of the status page ("Estado") connected to the simulated
# module, under Xvfb: out/status-page.png.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
unset DISPLAY WAYLAND_DISPLAY
VELMAR_DEMO_SECONDS="${VELMAR_DEMO_SECONDS:-8}" scripts/run.sh \
  --sim-args "--scenario $root/scripts/status-page.scenario --period 1000"
mv "$root/out/demo.png" "$root/out/status-page.png"
echo "Status page: $root/out/status-page.png"
