#!/usr/bin/env bash
# Installs the Debian packages the build needs, skipping what is already there.
set -euo pipefail
packages=(cmake ninja-build g++ clang libclang-rt-14-dev ccache pkg-config
          qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-tools-dev libqt6opengl6-dev libgl-dev libbenchmark-dev fonts-dejavu-core)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
