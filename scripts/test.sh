#!/usr/bin/env bash
# Sets up the machine, builds Fernzahl and runs every test: the normal build,
# the core and platform tests again under AddressSanitizer and UBSan, and each
# fuzz target for FUZZ_SECONDS (default 30) on the record files.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset default
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
for target in log tariff counter; do
    mkdir -p "$corpus/$target"
    build-fuzz/bin/fuzz_$target -max_total_time="${FUZZ_SECONDS:-30}" -print_final_stats=0 \
        "$corpus/$target" "fuzz/corpus/$target" 2>&1 | tail -n 1
    echo "fuzz_$target: no crash in ${FUZZ_SECONDS:-30} s"
done
