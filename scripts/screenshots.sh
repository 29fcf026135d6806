#!/usr/bin/env bash
# Takes the README's pictures of the planner's real windows under a virtual X
# server (Debian's xvfb): the Gantt and Network tabs, the print preview and
# the property form of a task, into docs/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
scripts/deps.sh
command -v xvfb-run >/dev/null || { SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo;
  $SUDO apt-get install -y -qq --no-install-recommends xvfb xauth; }
export CCACHE_DIR=${CCACHE_DIR:-$root/.ccache}
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target orvanta-planner
xvfb-run -a -s "-screen 0 1400x900x24" env QT_QPA_PLATFORM=xcb \
  ./build/app/orvanta-planner examples/sample-plan.ini --screenshots "$root/docs"
