#!/usr/bin/env bash
# Proves that scripts/packages.txt names every Debian package whose files a build used, so the
# set-up works on a fresh machine and not only on one where something was installed by hand.
#
#   scripts/check-packages.sh BUILD_DIR [--leave-out PACKAGE]...
#
# --leave-out drops a package from the list (the test of this check uses it).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$1; shift
leave_out=()
while [ $# -gt 0 ]; do
    [ "$1" = --leave-out ] && [ $# -ge 2 ] || { echo "usage: $0 BUILD_DIR [--leave-out PACKAGE]..." >&2; exit 2; }
    leave_out+=("$2"); shift 2
done
# The checker comes with the workplace, beside the checkout; a clone elsewhere finds it there too.
checker=""
for candidate in "${CHECK_SETUP_PACKAGES:-}" "$root/../shared/tools/check-setup-packages" \
    /work/shared/tools/check-setup-packages; do
    if [ -n "$candidate" ] && [ -x "$candidate" ]; then checker=$candidate; break; fi
done
[ -n "$checker" ] || { echo "check-setup-packages is missing (set CHECK_SETUP_PACKAGES)" >&2; exit 2; }
mapfile -t packages < <(sed 's/#.*//; s/[[:space:]]*$//; /^$/d' "$root/scripts/packages.txt" |
    grep -vxF -f <(printf '%s\n' "${leave_out[@]}" "#none#"))
exec "$checker" "$build" "${packages[@]}"
