#!/usr/bin/env bash
# The Windows build against the Linux build on the same traffic, and through Wine's serial
# layer. The simulated probe runs on a pseudo-terminal and the Linux wirelark-scan captures
# it live; wirelark-scan.exe must print from that capture exactly what the Linux build
# printed live (hits, decoded transactions, places), and write the same pcapng byte for
# byte. Then Wine's COM1 is linked to the simulator: wirelark-scan.exe --port COM1 opens it,
# and Ctrl+C stops the watch cleanly with its summary.
#   tests/windows/end_to_end.sh HOST_BUILD WINDOWS_BUILD WINE_PREFIX QT_BIN
set -euo pipefail
# Absolute, as the script works in a folder of its own.
host=$(cd "$1" && pwd) app=$(cd "$2" && pwd) prefix=$(cd "$3" && pwd) qt_bin=$(cd "$4" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
wine_run=("$here/../../cmake/wine-run" "$prefix" "$qt_bin")
export WINEPREFIX=$prefix WINEDEBUG=-all
work=$(mktemp -d)
simulator=
cleanup() {
  [ -z "$simulator" ] || kill "$simulator" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$host/wirelark-probe-sim" --link "$work/probe" --seed 28 > "$work/probe.path" &
simulator=$!
for _ in $(seq 100); do [ -e "$work/probe" ] && break; sleep 0.05; done
[ -e "$work/probe" ] || fail "the simulated probe did not start"

entries=(-e "s90a00ar91a;LM75: Temperatur lesen" -e "rA1a??a;EEPROM: Daten lesen" -e "?p;STOP")
cd "$work"

echo "-- the Linux build captures 3 s of the simulated probe"
"$host/wirelark-scan" --port "$work/probe" --decode --where "${entries[@]}" --save live.log --duration 3 \
  > linux-live.out 2> linux-live.err || { cat linux-live.err >&2; fail "the Linux capture"; }
[ "$(grep -c '' linux-live.out)" -gt 100 ] || fail "the Linux capture printed too little"
grep -q 'LM75: Temperatur lesen' linux-live.out || fail "no hit in the capture"

echo "-- wirelark-scan.exe prints from the capture what the Linux build printed live"
sed "s|^$work/probe:|live.log:|" linux-live.out > expected.out
"${wine_run[@]}" "$app/wirelark-scan.exe" --decode --where "${entries[@]}" live.log > windows.out 2> windows.err ||
  [ $? = 1 ] || { cat windows.err >&2; fail "wirelark-scan.exe on the capture"; }
cmp expected.out windows.out || { diff expected.out windows.out | head >&2; fail "the Windows build reads the capture differently"; }
"${wine_run[@]}" "$app/wirelark-scan.exe" -j 2 --decode --where "${entries[@]}" - < live.log > windows-stdin.out 2>&1 || true
sed 's|^-:|live.log:|' windows-stdin.out | cmp - expected.out || fail "the capture on standard input, on two cores"

echo "-- pcapng from both builds, byte for byte"
"$host/wirelark-scan" --pcap linux.pcapng live.log > /dev/null || true
"${wine_run[@]}" "$app/wirelark-scan.exe" --pcap windows.pcapng live.log > /dev/null || true
[ -s linux.pcapng ] || fail "the Linux build wrote no pcapng"
cmp linux.pcapng windows.pcapng || fail "the pcapng files differ"

echo "-- wirelark-scan.exe --port COM1 through Wine's serial layer; Ctrl+C stops it"
# Wine's mount manager makes dosdevices/com1 from this setting when its server starts.
"${wine_run[@]}" reg add 'HKLM\Software\Wine\Ports' /v COM1 /t REG_SZ /d "$work/probe" /f > /dev/null 2>&1
/usr/lib/wine/wineserver -k > /dev/null 2>&1 || true
/usr/lib/wine/wineserver -w > /dev/null 2>&1 || true
"${wine_run[@]}" "$app/wirelark-scan.exe" --port COM1 "${entries[@]}" --save watched.log > watched.out 2> watched.err &
watch=$!
for _ in $(seq 150); do [ -e watched.log ] && break; sleep 0.1; done
[ -e watched.log ] || { cat watched.err >&2; fail "the watch on COM1 did not start"; }
[ "$(readlink "$prefix/dosdevices/com1")" = "$work/probe" ] || fail "Wine's COM1 does not lead to the simulator"
sleep 2
kill -INT "$watch"
status=0
wait "$watch" || status=$?
grep -q '^wirelark-scan: COM1: stopped (signal)' watched.err || { cat watched.err >&2; fail "Ctrl+C did not stop the watch cleanly"; }
[ "$status" -le 1 ] || { cat watched.err >&2; fail "after Ctrl+C the watch ended with $status"; }
"${wine_run[@]}" reg delete 'HKLM\Software\Wine\Ports' /v COM1 /f > /dev/null 2>&1 || true
echo "PASS: the Windows build prints what the Linux build prints, and stops on Ctrl+C"
