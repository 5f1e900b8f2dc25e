#!/usr/bin/env bash
# Sets up the machine, builds Fernzahl and runs every test: the check that the set-up's package
# list is complete, the normal build,
# the core and platform tests again under AddressSanitizer and UBSan, and each
# fuzz target for FUZZ_SECONDS (default 30) on the record files, the settings file and a tariff text, and the
# round trip of the text forms.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

log=$(mktemp)
corpus=$(mktemp -d)
trap 'rm -rf "$log" "$corpus"' EXIT
passed=0
skipped=0

# CTest counts a skipped test among the passed ones; here it is counted apart. On CI, where the
# set-up has installed everything, a test that skips has lost what it needs to run: that fails.
run_ctest() {
    ctest --preset "$1" | tee "$log"
    local ran skips
    ran=$(grep -oE 'tests passed, 0 tests failed out of [0-9]+' "$log" | grep -oE '[0-9]+$')
    skips=$(grep -cE '\(Skipped\)$' "$log" || true)
    passed=$((passed + ran - skips))
    skipped=$((skipped + skips))
    if [ "${CI:-}" = true ] && [ "$skips" -gt 0 ]; then
        echo "on CI every test must run; these were skipped:" >&2
        grep -E '\(Skipped\)$' "$log" >&2
        exit 1
    fi
}

cmake --preset default >/dev/null
cmake --build --preset default
# Everything the build used must come from the set-up's package list.
scripts/check-packages.sh build
passed=$((passed + 1))
run_ctest default

cmake --preset asan >/dev/null
cmake --build --preset asan
run_ctest asan

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
for target in log tariff counter settings roundtrip tariff_text; do
    mkdir -p "$corpus/$target"
    build-fuzz/bin/fuzz_$target -max_total_time="${FUZZ_SECONDS:-30}" -print_final_stats=0 \
        "$corpus/$target" "fuzz/corpus/$target" 2>&1 | tail -n 1
    echo "fuzz_$target: no crash in ${FUZZ_SECONDS:-30} s"
    passed=$((passed + 1))
done

echo "all: $passed passed, $skipped skipped, 0 failed"
