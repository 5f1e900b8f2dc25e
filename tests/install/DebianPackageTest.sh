#!/usr/bin/env bash
# cpack -G DEB makes a package of the installation whose dependencies were read from the shared
# libraries the programs link, and which lintian passes without an error or a warning.
#
#   DebianPackageTest.sh BUILD_DIR
set -uo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || fail "$(cat "$work/cpack.log")"
deb=$(ls "$work"/fernzahl_*.deb) || fail "no package"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for library in libc6 libqt6core6 libqt6widgets6 libcanberra0; do
    grep -qE "(^|, )$library( |,|$)" <<<"$depends" || fail "Depends lacks $library"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
for package in xdg-utils qt6-translations-l10n fonts-liberation2; do
    grep -qE "(^|, )$package( |,|$)" <<<"$recommends" || fail "Recommends lacks $package"
done
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in ./usr/bin/fernzahl ./usr/bin/fernzahl-cli ./usr/share/fernzahl/Fernzahl.dll; do
    grep -qxF "$file" <<<"$contents" || fail "$file is not in the package"
done
# lintian says once that it runs as root; that is no finding about the package.
findings=$(lintian --fail-on error,warning "$deb" 2>&1) || fail "lintian: $findings"
