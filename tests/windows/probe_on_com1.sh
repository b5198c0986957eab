#!/usr/bin/env bash
# Runs a command with the simulated probe on Wine's COM1, as a user's probe stands on a COM
# port: the simulator sends WIRELARK_TEST_PROBE_COUNT characters of seed
# WIRELARK_TEST_PROBE_SEED to whoever opens COM1, closes its line, and is started afresh,
# so that every test that opens COM1 sees a probe and the same traffic.
#   tests/windows/probe_on_com1.sh HOST_BUILD WINE_PREFIX QT_BIN COMMAND [ARGUMENTS...]
# The command finds the link's path (a Windows path, on drive Z:) in
# WIRELARK_TEST_PROBE_ON_COM1 and the Unix one in WIRELARK_TEST_PROBE_LINK.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/com1_probe.sh"
work=
trap 'com1_cleanup; [ -z "$work" ] || rm -rf "$work"' EXIT

host=$(cd "$1" && pwd) prefix=$(cd "$2" && pwd) qt_bin=$(cd "$3" && pwd)
shift 3
export WINEPREFIX=$prefix WINEDEBUG=-all
work=$(mktemp -d)
link=$work/probe
export WIRELARK_TEST_PROBE_SEED=${WIRELARK_TEST_PROBE_SEED:-28}
export WIRELARK_TEST_PROBE_COUNT=${WIRELARK_TEST_PROBE_COUNT:-30000}
export WIRELARK_TEST_PROBE_LINK=$link
export WIRELARK_TEST_PROBE_ON_COM1="Z:${link//\//\\}"

com1_link "$here/../../cmake/wine-run" "$prefix" "$qt_bin" -- "$link"
com1_respawn "$link" "$host/wirelark-probe-sim" --seed "$WIRELARK_TEST_PROBE_SEED" --count "$WIRELARK_TEST_PROBE_COUNT"
"$@"
