#!/usr/bin/env bash
# The main job: builds the library and its tools, then runs a short session
# against a store in a temporary directory (your own settings are not touched).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target palvex_demo >/dev/null

demo_home=$(mktemp -d)
trap 'rm -rf "$demo_home"' EXIT
export XDG_CONFIG_HOME="$demo_home"
./build/apps/palvex_demo "${1:-Oscuro}"
