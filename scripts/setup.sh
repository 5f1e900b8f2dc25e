#!/usr/bin/env bash
# Installs what building, running and testing Fernzahl needs on Debian 12, and
# generates the two locales the tests run under. Safe to run again: it only
# installs what is missing.
set -euo pipefail

# One list for the set-up and for the package check of scripts/test.sh.
mapfile -t packages < <(sed 's/#.*//; s/[[:space:]]*$//; /^$/d' "$(dirname "$0")/packages.txt")

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

have_locale() { locale -a 2>/dev/null | grep -qix "$1"; }
for loc in en_US de_DE; do
    if ! have_locale "$loc.utf8"; then
        echo "Generating locale $loc.UTF-8"
        as_root localedef -i "$loc" -f UTF-8 "$loc.UTF-8"
    fi
done
