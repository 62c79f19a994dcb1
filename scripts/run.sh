#!/usr/bin/env bash
# The main job: builds the demo and the palvex tool, then shows Palvex at
# work. With a display, palvex-demo opens a customer and invoice window themed
# by the engine (pick a theme in its toolbar, or "Editar tema…" for the
# designer). Without one, it renders the window in every sample theme, a
# contact sheet and the designer to PNG files and prints where they are.
# Either way it works in a throw-away store seeded with examples/themes: your
# own settings are not touched.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target palvex-demo palvex_cli >/dev/null
exec ./build/apps/palvex-demo/palvex-demo "$@"
