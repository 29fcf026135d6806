#!/usr/bin/env bash
# Installs the built library into a scratch prefix and builds and runs a
# consumer that finds it with find_package(Orvanta).
set -euo pipefail
build_dir=$1
source_dir=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cmake --install "$build_dir" --prefix "$scratch/prefix" >/dev/null
cmake -S "$source_dir" -B "$scratch/consumer" -G Ninja -DCMAKE_PREFIX_PATH="$scratch/prefix" >/dev/null
cmake --build "$scratch/consumer" >/dev/null
QT_QPA_PLATFORM=offscreen LD_LIBRARY_PATH="$scratch/prefix/lib:$scratch/prefix/lib/x86_64-linux-gnu" \
  "$scratch/consumer/consumer" "$source_dir/../../examples/sample-plan.ini" "$scratch/saved.ini"
# The form designer plugin, when built, finds the library installed beside it.
plugin=$(find "$scratch/prefix" -name 'liborvanta-designer.so')
if [ -n "$plugin" ] && ldd "$plugin" | grep -q 'liborvanta-charts.*not found'; then
  echo "installed designer plugin does not find liborvanta-charts" >&2
  exit 1
fi
