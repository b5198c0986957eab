#!/usr/bin/env bash
# Runs a command with the simulated probe on Wine's COM1, as a user's probe stands on a COM
# port: the simulator sends WIRELARK_TEST_PROBE_COUNT characters of seed
# WIRELARK_TEST_PROBE_SEED to whoever opens COM1, closes its line, and is started afresh,
# so that every test that opens COM1 sees a probe and the same traffic.
#   tests/windows/probe_on_com1.sh HOST_BUILD WINE_PREFIX QT_BIN COMMAND [ARGUMENTS...]
# The command finds the link's path (a Windows path, on drive Z:) in
# WIRELARK_TEST_PROBE_ON_COM1 and the Unix one in WIRELARK_TEST_PROBE_LINK.
set -euo pipefail
host=$(cd "$1" && pwd) prefix=$(cd "$2" && pwd) qt_bin=$(cd "$3" && pwd)
shift 3
here=$(cd "$(dirname "$0")" && pwd)
wine_run=("$here/../../cmake/wine-run" "$prefix" "$qt_bin")
export WINEPREFIX=$prefix WINEDEBUG=-all

work=$(mktemp -d)
link=$work/probe
export WIRELARK_TEST_PROBE_SEED=${WIRELARK_TEST_PROBE_SEED:-28}
export WIRELARK_TEST_PROBE_COUNT=${WIRELARK_TEST_PROBE_COUNT:-30000}
export WIRELARK_TEST_PROBE_LINK=$link
export WIRELARK_TEST_PROBE_ON_COM1="Z:${link//\//\\}"

# Wine's mount manager makes dosdevices/com1 from this setting when its server starts.
"${wine_run[@]}" reg add 'HKLM\Software\Wine\Ports' /v COM1 /t REG_SZ /d "$link" /f > /dev/null 2>&1
/usr/lib/wine/wineserver -k > /dev/null 2>&1 || true
/usr/lib/wine/wineserver -w > /dev/null 2>&1 || true
# One server for all the command's Wine programs, not one each.
/usr/lib/wine/wineserver --persistent=60 > /dev/null 2>&1 || true
"${wine_run[@]}" reg query 'HKLM\Software\Wine\Ports' /v COM1 > /dev/null 2>&1
[ "$(readlink "$prefix/dosdevices/com1")" = "$link" ] || { echo "Wine's COM1 does not lead to $link" >&2; exit 1; }

(
  trap 'kill $simulator 2>/dev/null; exit 0' TERM
  while :; do
    "$host/wirelark-probe-sim" --link "$link" --seed "$WIRELARK_TEST_PROBE_SEED" \
      --count "$WIRELARK_TEST_PROBE_COUNT" > /dev/null 2>&1 &
    simulator=$!
    wait "$simulator" || true
  done
) &
probes=$!
cleanup() {
  kill "$probes" 2>/dev/null || true
  wait "$probes" 2>/dev/null || true
  "${wine_run[@]}" reg delete 'HKLM\Software\Wine\Ports' /v COM1 /f > /dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 100); do [ -e "$link" ] && break; sleep 0.05; done
[ -e "$link" ] || { echo "the simulated probe did not start" >&2; exit 1; }
"$@"
