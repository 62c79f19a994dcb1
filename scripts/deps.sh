#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing.
# Usage: scripts/deps.sh [fuzz]   (fuzz: also clang and its libFuzzer runtime)
set -euo pipefail

packages=(g++ cmake ninja-build pkg-config libsqlite3-dev libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev
  qt6-base-dev qt6-tools-dev libqt6opengl6-dev libgl-dev libxkbcommon-dev fonts-dejavu-core
  dpkg-dev file)  # dpkg-shlibdeps and file: cpack -G DEB
[ "${1:-}" = "fuzz" ] && packages+=(clang-14 libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}" >&2
if [ "$(id -u)" -ne 0 ]; then
  echo "Run as root (or install these packages first): apt-get install ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
