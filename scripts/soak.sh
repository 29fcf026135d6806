#!/usr/bin/env bash
# The long soak: tst_plxUndoRestores' random command walk (10 seeds) on the ASan+UBSan build,
# 100,000 steps in all unless given another total; prints the steps per second.
# Usage: scripts/soak.sh [total-steps]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
total=${1:-100000}
seeds=10
export CCACHE_DIR=${CCACHE_DIR:-$root/.ccache}

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON \
      -DORVANTA_SANITIZE=ON -DORVANTA_APP=OFF -DCMAKE_CXX_FLAGS="-O1" >/dev/null
cmake --build build-asan -j "$(nproc)" --target tst_plxUndoRestores

start=$(date +%s.%N)
ORVANTA_SOAK_STEPS=$(( (total + seeds - 1) / seeds )) QT_QPA_PLATFORM=offscreen \
  ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions="$root/tests/lsan.supp" \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  build-asan/tests/tst_plxUndoRestores -silent soak
end=$(date +%s.%N)
awk -v n=$(( (total + seeds - 1) / seeds * seeds )) -v s="$start" -v e="$end" \
  'BEGIN { printf "soak: %d steps in %.1f s, %.0f steps/s\n", n, e - s, n / (e - s) }'
