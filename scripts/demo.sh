#!/usr/bin/env bash
# Builds the planner and opens the bundled sample plan. Without a display the
# chart and network are rendered to PNG files and the chart is printed into a
# PDF file; their paths are printed.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
scripts/deps.sh
export CCACHE_DIR=${CCACHE_DIR:-$root/.ccache}
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target orvanta-planner
document="${1:-$root/examples/sample-plan.ini}"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec ./build/app/orvanta-planner "$document"
else
  QT_QPA_PLATFORM=offscreen ./build/app/orvanta-planner "$document" --render "$root/build/planner.png" \
    --render-network "$root/build/planner-network.png" --pdf "$root/build/planner.pdf"
fi
