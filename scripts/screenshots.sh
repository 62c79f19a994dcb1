#!/usr/bin/env bash
# The README's pictures: the demo window in a light and a dark sample theme,
# and the designer, made with `palvex render` from a throw-away store holding
# the sample themes. Needs no display.
#
#   scripts/screenshots.sh [BUILD_DIR]     (default: build)
#
# Writes docs/screenshots/demo-claro.png, demo-oscuro.png and designer.png.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
[ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target palvex_cli palvex-demo >/dev/null

session=$(mktemp -d)
trap 'rm -rf "$session"' EXIT
# Nothing of the user's own configuration reaches the pictures.
export XDG_CONFIG_HOME="$session/config" XDG_CONFIG_DIRS="$session/xdg" PALVEX_INI="$session/Orvane.ini"
unset PALVEX_STORE

palvex() { "$build/apps/palvex/palvex" --store "$session/settings.sqlite" "$@"; }
for theme in examples/themes/*.ini; do palvex import "$theme" >/dev/null; done

out=docs/screenshots
mkdir -p "$out"
palvex render Claro --out "$out/demo-claro.png" --size 900x600
palvex render Oscuro --out "$out/demo-oscuro.png" --size 900x600
palvex render Claro --designer --out "$out/designer.png"
