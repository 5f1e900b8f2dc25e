#!/bin/sh
# The accessibility tests' frame: a virtual X display, a private session bus (which starts the
# accessibility bus on demand) and a scratch folder, removed afterwards.
# Arguments: the test script, the directory of the built programs.
set -eu
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
xvfb-run -a -s "-screen 0 1280x1024x24" \
    dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/$1" "$2" "$scratch"
