#!/usr/bin/env bash
# An installation into a fresh prefix is a desktop program: both programs run from there and find
# the resource library and the user guide in that prefix, the icon comes in every size, and the
# desktop entry, the AppStream metadata and the manual pages pass their checkers; the licence and
# the changelog are where Debian has them.
#
#   InstallLayoutTest.sh BUILD_DIR
set -uo pipefail
build=$1
work=$(mktemp -d)
program=
trap '[ -n "$program" ] && kill "$program" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
id=org.fernzahl.Fernzahl
for file in bin/fernzahl bin/fernzahl-cli share/fernzahl/Fernzahl.dll share/fernzahl/help/index.html share/fernzahl/help/de/index.html \
    share/applications/$id.desktop share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg \
    share/man/man1/fernzahl.1.gz share/man/man1/fernzahl-cli.1.gz share/man/de/man1/fernzahl.1.gz share/man/de/man1/fernzahl-cli.1.gz \
    share/doc/fernzahl/copyright \
    share/doc/fernzahl/changelog.gz; do
    [ -f "$prefix/$file" ] || fail "$file is not installed"
done
# The meter without a window as a user unit, starting the installed fernzahl-cli.
grep -qx "ExecStart=$prefix/bin/fernzahl-cli run" "$prefix/share/systemd/user/fernzahl.service" ||
    fail "fernzahl.service does not start $prefix/bin/fernzahl-cli run"
# Only the two programs: nothing built for testing, benchmarking or fuzzing.
[ "$(ls "$prefix/bin" | tr '\n' ' ')" = "fernzahl fernzahl-cli " ] || fail "bin holds $(ls "$prefix/bin")"
for size in 16 22 24 32 48 64 128 256; do
    file -b "$prefix/share/icons/hicolor/${size}x$size/apps/$id.png" | grep -q "PNG image data, $size x $size," ||
        fail "no $size px icon"
done

# Not even a hint about the desktop entry.
hints=$(desktop-file-validate "$prefix/share/applications/$id.desktop" 2>&1) && [ -z "$hints" ] || fail "$hints"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || fail "AppStream metadata"
appstreamcli validate-tree --no-net "$prefix" >/dev/null || fail "AppStream metadata with its desktop entry"
for page in man1/fernzahl man1/fernzahl-cli de/man1/fernzahl de/man1/fernzahl-cli; do
    warnings=$(zcat "$prefix/share/man/$page.1.gz" | preconv | groff -man -Tutf8 -ww -z 2>&1)
    [ -z "$warnings" ] || fail "$page.1: $warnings"
done

cd "$work"
env=(env FERNZAHL_HOME="$work/home" XDG_RUNTIME_DIR="$work" FERNZAHL_NONINTERACTIVE=1 QT_QPA_PLATFORM=offscreen
    FERNZAHL_NM_BUS=none FERNZAHL_SYSFS_ROOT="$work/sys" FERNZAHL_RUN_ROOT="$work/run" FERNZAHL_PROC_ROOT="$work/proc"
    FERNZAHL_PEERS_DIR="$work/peers" FERNZAHL_SERIAL_DIR="$work/dev")
mkdir -p "$work/sys/class/net" "$work/run" "$work/proc" "$work/peers" "$work/dev"
"${env[@]}" "$prefix/bin/fernzahl-cli" --help | grep -q "^  2  wrong use" || fail "fernzahl-cli --help"
# The texts of the log's columns come from the resource library: found, the command lists the (empty) log.
"${env[@]}" "$prefix/bin/fernzahl-cli" log list 2>"$work/cli.err"
[ $? -eq 0 ] && ! grep -q "not found" "$work/cli.err" || fail "fernzahl-cli log list: $(cat "$work/cli.err")"

# The first start of the desktop program opens the user guide at its first steps, from the prefix.
"${env[@]}" "$prefix/bin/fernzahl" 2>"$work/fernzahl.err" &
program=$!
for _ in $(seq 300); do
    grep -q "help page $prefix/share/fernzahl/help/first-steps.html" "$work/fernzahl.err" && break
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
grep -q "help page $prefix/share/fernzahl/help/first-steps.html" "$work/fernzahl.err" ||
    fail "fernzahl did not come up: $(cat "$work/fernzahl.err")"
kill -TERM "$program"
wait "$program"
status=$?
program=
[ "$status" -eq 0 ] || fail "fernzahl ended with $status after SIGTERM"
echo "installed: programs, resource library, help, desktop entry, icons, metadata, manual pages"
