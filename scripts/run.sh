#!/usr/bin/env bash
# The main job: builds the palvex tool, then runs a short session on a theme
# it sets up itself, in a temporary store and configuration directory (your
# own settings are not touched).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target palvex_cli >/dev/null

session=$(mktemp -d)
trap 'rm -rf "$session"' EXIT
export XDG_CONFIG_HOME="$session/config" XDG_CONFIG_DIRS="$session/xdg"
unset PALVEX_STORE PALVEX_INI COLORTERM

palvex() {
  echo "\$ palvex $*"
  ./build/apps/palvex/palvex "$@"
  echo
}

palvex import examples/themes/Oscuro.ini
palvex list
palvex set Oscuro CForm MenuColor 0x8000001E
palvex show Oscuro
