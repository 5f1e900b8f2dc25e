#!/usr/bin/env bash
# Sets up the machine, builds Fernzahl and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default
exec build/bin/fernzahl "$@"
