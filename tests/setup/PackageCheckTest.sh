#!/usr/bin/env bash
# The package check must catch a list that lacks a package the build used: without
# libqt6opengl6-dev, Qt's UiTools cannot be found on a fresh machine.
set -uo pipefail
root=$1 build=$2
out=$("$root/scripts/check-packages.sh" "$build" --leave-out libqt6opengl6-dev 2>&1)
rc=$?
echo "$out"
[ "$rc" -eq 1 ] || { echo "expected exit 1, got $rc"; exit 1; }
grep -q '^  libqt6opengl6-dev ' <<<"$out" || { echo "libqt6opengl6-dev not named"; exit 1; }
