#!/usr/bin/env bash
# The long gesture soak: tst_plxGestureSoak's random mouse and key walk on a generated plan
# of 10,000 tasks, on the ASan+UBSan build, 100,000 gestures unless given another count;
# prints the gestures per second.
# Usage: scripts/gesture-soak.sh [gestures] [tasks]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
steps=${1:-100000}
tasks=${2:-10000}
export CCACHE_DIR=${CCACHE_DIR:-$root/.ccache}

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON \
      -DORVANTA_SANITIZE=ON -DORVANTA_APP=OFF -DCMAKE_CXX_FLAGS="-O1" >/dev/null
cmake --build build-asan -j "$(nproc)" --target tst_plxGestureSoak

start=$(date +%s.%N)
status=0
# A long walk takes hours; the test framework's watchdog would end it after five minutes.
ORVANTA_GESTURE_STEPS=$steps ORVANTA_GESTURE_TASKS=$tasks QT_QPA_PLATFORM=offscreen QTEST_FUNCTION_TIMEOUT=2000000000 \
  ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions="$root/tests/lsan.supp" \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  build-asan/tests/tst_plxGestureSoak -silent soak || status=$?
end=$(date +%s.%N)
awk -v n="$steps" -v t="$tasks" -v s="$start" -v e="$end" \
  'BEGIN { printf "gesture soak: %d gestures on %d tasks in %.1f s, %.1f gestures/s\n", n, t, e - s, n / (e - s) }'
exit $status
