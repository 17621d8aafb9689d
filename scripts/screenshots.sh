#!/usr/bin/env bash
# Pictures of the programming pages with sample values, of every panel status
# view at rest and in alarm (view-*.png), of the status page and the
# configuration page in the four languages (status-es.png, config-en.png, ...),
# of the account dialog, the circuit search's list and the offline view
# (cloud-*.png, against velmar-sim's cloud, a broker and a module), of the
# "Registro" page with a module's events and its calendar (history*.png),
# of the telecontrol bridge's settings panel (bridge-settings.png),
# of the door view and the doors page (doors-*.png),
# and of the status page connected to the simulated module, drawn under Xvfb:
#
#   scripts/screenshots.sh [DIR]     (default: out/screenshots)
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-out/screenshots}"
mkdir -p "$out"
scripts/build.sh >/dev/null
dir="$(cd "$out" && pwd)"
# Each of these has its pictures as disabled tests named Screenshots.*.
for t in ui/programming/test_ui_programming ui/panels/test_ui_panels ui/shell/test_ui_shell \
         e2e/cloud/test_e2e_circuit_search_window e2e/history/test_e2e_history_window \
         e2e/bridge/test_e2e_bridge e2e/doors/test_e2e_doors_window; do
  VELMAR_SCREENSHOT_DIR="$dir" QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
    "build/tests/$t" --gtest_also_run_disabled_tests --gtest_filter='Screenshots.*' >/dev/null
done
scripts/screenshot-status.sh "$out" >/dev/null
ls "$out"/*.png
