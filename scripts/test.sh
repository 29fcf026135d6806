#!/usr/bin/env bash
# Builds and runs the whole test suite: a normal build, an ASan+UBSan build,
# and a short run of every fuzz target. Exits non-zero on any failure.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
scripts/deps.sh

jobs=$(nproc)
fuzz_seconds=${ORVANTA_FUZZ_SECONDS:-20}
export CCACHE_DIR=${CCACHE_DIR:-$root/.ccache}

echo "== normal build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON >/dev/null
cmake --build build -j "$jobs"
(cd build && ctest --output-on-failure -j "$jobs")

echo "== sanitizer build (ASan + UBSan)"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON \
      -DORVANTA_SANITIZE=ON -DORVANTA_APP=OFF -DCMAKE_CXX_FLAGS="-O1" >/dev/null
cmake --build build-asan -j "$jobs"
(cd build-asan && UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j "$jobs")

echo "== fuzzing (${fuzz_seconds}s per target)"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON -DORVANTA_FUZZ=ON \
      -DORVANTA_APP=OFF -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS="-O1 -g" >/dev/null
targets=$(sed -n 's/^set(ORVANTA_FUZZ_TARGETS \(.*\))$/\1/p' fuzz/CMakeLists.txt)
cmake --build build-fuzz -j "$jobs" --target $targets
for t in $targets; do
  work="build-fuzz/corpus-$t"
  mkdir -p "$work" "build-fuzz/crashes-$t"
  cp -n fuzz/corpus/$t/* "$work"/ 2>/dev/null || true
  if [ "$t" = fuzz_document ]; then
    cp -n examples/sample-plan.ini tests/data/hostile/*.ini "$work"/ 2>/dev/null || true
  fi
  if [ "$t" = fuzz_project_xml ]; then
    cp -n tests/data/document/projectxml/*.xml "$work"/ 2>/dev/null || true
  fi
  # A target with a dictionary of its own uses it; the rest parse INI text.
  dict=fuzz/ini.dict
  [ -f "fuzz/$t.dict" ] && dict="fuzz/$t.dict"
  if ! QT_QPA_PLATFORM=offscreen ./build-fuzz/fuzz/$t "$work" fuzz/regressions/$t \
        -dict="$dict" -max_total_time="$fuzz_seconds" -timeout=30 -rss_limit_mb=4096 \
        -artifact_prefix="$root/build-fuzz/crashes-$t/" -print_final_stats=0 >"build-fuzz/$t.log" 2>&1; then
    tail -n 40 "build-fuzz/$t.log"
    echo "fuzz target $t failed; keep the input in fuzz/regressions/$t:"
    ls build-fuzz/crashes-$t/
    exit 1
  fi
  echo "$t: $(grep -c . <(ls "$work")) corpus inputs, no failure"
done
echo "All test stages passed."
