#!/usr/bin/env bash
# Renders the windows offscreen into docs/screenshots (after a build with the default preset).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build --preset default --target fernzahl_screenshots fernzahl_resources
LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 build/bin/fernzahl_screenshots docs/screenshots
