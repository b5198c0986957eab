# Sourced by the Windows tests that need the simulated probe on Wine's COM1. Defines:
#   com1_link WINE_RUN... -- LINK   COM1 leads to LINK (a Unix path) from the next start of
#                                   Wine's server on; that server is started here
#   com1_respawn LINK SIMULATOR_ARGUMENTS...
#                                   the simulator on LINK, started afresh each time it closes
#                                   its line, in the background until com1_cleanup
#   com1_cleanup                    stops the simulators and takes COM1's setting away
# The caller sets its EXIT trap to call com1_cleanup before it makes anything.
com1_wine_run=()
com1_probes=

com1_link() {
  com1_wine_run=()
  while [ "$1" != -- ]; do com1_wine_run+=("$1"); shift; done
  local link=$2
  # Wine's mount manager makes dosdevices/com1 from this setting when its server starts
  # (a bare dosdevices link is reset then).
  "${com1_wine_run[@]}" reg add 'HKLM\Software\Wine\Ports' /v COM1 /t REG_SZ /d "$link" /f > /dev/null 2>&1
  /usr/lib/wine/wineserver -k > /dev/null 2>&1 || true
  /usr/lib/wine/wineserver -w > /dev/null 2>&1 || true
  # One server for all the Wine programs that follow, not one each.
  /usr/lib/wine/wineserver --persistent=60 > /dev/null 2>&1 || true
  "${com1_wine_run[@]}" reg query 'HKLM\Software\Wine\Ports' /v COM1 > /dev/null 2>&1
  [ "$(readlink "$WINEPREFIX/dosdevices/com1")" = "$link" ] || { echo "Wine's COM1 does not lead to $link" >&2; return 1; }
}

com1_respawn() {
  local link=$1 simulator=$2
  shift 2
  (
    trap 'kill $probe 2>/dev/null; exit 0' TERM
    while :; do
      "$simulator" --link "$link" "$@" > /dev/null 2>&1 &
      probe=$!
      wait "$probe" || true
    done
  ) &
  com1_probes=$!
  for _ in $(seq 100); do [ -e "$link" ] && break; sleep 0.05; done
  [ -e "$link" ] || { echo "the simulated probe did not start" >&2; return 1; }
}

com1_stop_respawning() {
  [ -z "$com1_probes" ] || { kill "$com1_probes" 2>/dev/null || true; wait "$com1_probes" 2>/dev/null || true; }
  com1_probes=
}

com1_cleanup() {
  com1_stop_respawning
  [ "${#com1_wine_run[@]}" -eq 0 ] ||
    "${com1_wine_run[@]}" reg delete 'HKLM\Software\Wine\Ports' /v COM1 /f > /dev/null 2>&1 || true
}
