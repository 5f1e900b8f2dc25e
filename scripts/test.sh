#!/usr/bin/env bash
# Sets up the machine, builds Fernzahl and runs every test: the normal build,
# then the core and platform tests again under AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset default
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan
