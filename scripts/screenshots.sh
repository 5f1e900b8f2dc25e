#!/usr/bin/env bash
# Renders the windows offscreen into docs/screenshots (after a build with the default preset), in
# English and, as a German desktop shows them, into docs/screenshots/de.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build --preset default --target fernzahl_screenshots fernzahl_resources
LANGUAGE= LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 build/bin/fernzahl_screenshots docs/screenshots
LANGUAGE= LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 build/bin/fernzahl_screenshots docs/screenshots/de
