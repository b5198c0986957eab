#!/usr/bin/env bash
# The Windows build against the Linux build on the same traffic, and through Wine's serial
# layer. First a capture: the Linux wirelark-scan captures the simulated probe live, and
# wirelark-scan.exe must print from that capture exactly what the Linux build printed live
# and write the same pcapng byte for byte. Then live: Wine's COM1 is linked to the
# simulator, and wirelark-scan.exe --port COM1 must print and save exactly what the Linux
# build prints and saves for the same characters; go on across the probe's line closing
# and coming back (--reconnect); write everything out on Ctrl+C; and take the probe
# sending as fast as it can without losing a character.
#   tests/windows/end_to_end.sh HOST_BUILD WINDOWS_BUILD WINE_PREFIX QT_BIN
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/com1_probe.sh"
work=
simulator=
cleanup() {
  [ -z "$simulator" ] || kill "$simulator" 2>/dev/null || true
  com1_cleanup
  [ -z "$work" ] || rm -rf "$work"
}
trap cleanup EXIT
# Absolute, as the script works in a folder of its own.
host=$(cd "$1" && pwd) app=$(cd "$2" && pwd) prefix=$(cd "$3" && pwd) qt_bin=$(cd "$4" && pwd)
wine_run=("$here/../../cmake/wine-run" "$prefix" "$qt_bin")
export WINEPREFIX=$prefix WINEDEBUG=-all
work=$(mktemp -d)
fail() { echo "FAIL: $*" >&2; exit 1; }
# Waits for the background job PID at most SECONDS, its status then its own; one still
# running is shown (its threads, and their stacks where gdb is installed), killed, and gives
# 124, so that a hang fails here with what it was doing rather than stalling the run.
wait_at_most() {
  local pid=$1 seconds=$2
  for _ in $(seq $((seconds * 10))); do kill -0 "$pid" 2> /dev/null || break; sleep 0.1; done
  if kill -0 "$pid" 2> /dev/null; then
    for task in /proc/"$pid"/task/*; do
      echo "thread $(basename "$task") $(cat "$task/comm") $(cut -d' ' -f3 "$task/stat") $(cat "$task/wchan")" >&2
    done
    ! command -v gdb > /dev/null || timeout 60 gdb -p "$pid" -batch -ex 'thread apply all bt 20' 2>&1 | grep '^#\|^Thread' >&2 || true
    kill -KILL "$pid"
    wait "$pid" 2> /dev/null || true
    return 124
  fi
  wait "$pid"
}

# A new simulated probe on $work/probe: SIMULATOR_OPTIONS...
start_probe() {
  rm -f "$work/probe"
  "$host/wirelark-probe-sim" --link "$work/probe" "$@" > /dev/null 2> "$work/probe.err" &
  simulator=$!
  for _ in $(seq 100); do [ -e "$work/probe" ] && break; sleep 0.05; done
  [ -e "$work/probe" ] || fail "the simulated probe did not start"
}
# A saved monitor log as the characters that were received.
received() { tr -d '\r\n' < "$1"; }
# JSON records without what differs from run to run and system to system: times, the port.
comparable() { sed -E 's/"(t|utc|start)":[^,}]*/"\1":_/g; s/"(port|device|source)":"[^"]*"/"\1":_/g' "$1"; }

entries=(-e "s90a00ar91a;LM75: Temperatur lesen" -e "rA1a??a;EEPROM: Daten lesen" -e "?p;STOP")
cd "$work"

echo "-- the Linux build captures 3 s of the simulated probe"
start_probe --seed 28
"$host/wirelark-scan" --port "$work/probe" --decode --where "${entries[@]}" --save live.log --duration 3 \
  > linux-live.out 2> linux-live.err || { cat linux-live.err >&2; fail "the Linux capture"; }
kill "$simulator"; wait "$simulator" 2>/dev/null || true; simulator=
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

echo "-- wirelark-scan.exe's messages reach a console in code page 850 as text"
# A console as a user has it: Wine's console in a terminal (tmux), its code page set by chcp.
console=(tmux -L "wirelark-console-$$")
"${console[@]}" new-session -d -x 160 -y 10 \
  "LANG=C.UTF-8 ${wine_run[*]} cmd /c 'chcp 850 & $(printf 'Z:%s' "$app/wirelark-scan.exe" | tr / '\\') -e x Grüße.log'; sleep 60"
for _ in $(seq 100); do "${console[@]}" capture-pane -p | grep -q 'not found' && break; sleep 0.2; done
screen=$("${console[@]}" capture-pane -p)
"${console[@]}" kill-server
grep -q "wirelark-scan: Grüße.log: File not found" <<<"$screen" || { echo "$screen" >&2; fail "the console shows the message wrong"; }

com1_link "${wine_run[@]}" -- "$work/probe" || fail "Wine's COM1 does not lead to the simulator"

# The same characters into both builds: the probe sends 20,000 characters and closes its line,
# and each watch ends there. Then the JSON records of the same.
for format in decode json; do
  options=(--decode)
  [ "$format" = json ] && options=(--json)
  echo "-- wirelark-scan.exe --port COM1 --$format prints and saves what the Linux build does"
  start_probe --seed 35 --count 20000
  "$host/wirelark-scan" --port "$work/probe" "${options[@]}" "${entries[@]}" --save "linux-$format.log" \
    > "linux-$format.out" 2> "linux-$format.err" || [ $? = 2 ] || { cat "linux-$format.err" >&2; fail "the Linux watch"; }
  wait "$simulator" || true
  start_probe --seed 35 --count 20000
  "${wine_run[@]}" "$app/wirelark-scan.exe" --port COM1 "${options[@]}" "${entries[@]}" --save "windows-$format.log" \
    > "windows-$format.out" 2> "windows-$format.err" || [ $? = 2 ] || { cat "windows-$format.err" >&2; fail "the watch on COM1"; }
  wait "$simulator" || true
  simulator=
  [ "$(received "linux-$format.log" | wc -c)" = 20000 ] || fail "the Linux watch did not receive all 20,000 characters"
  cmp "linux-$format.log" "windows-$format.log" || fail "the files saved from COM1 differ from the Linux build's"
  grep -q 'device gone\|"type":"gone"' "windows-$format.err" "windows-$format.out" ||
    { cat "windows-$format.err" >&2; fail "the probe closing its line was not told"; }
  if [ "$format" = json ]; then
    cmp <(comparable linux-json.out) <(comparable windows-json.out) ||
      { diff <(comparable linux-json.out) <(comparable windows-json.out) | head >&2; fail "the JSON records differ"; }
  else
    cmp linux-decode.out windows-decode.out || { diff linux-decode.out windows-decode.out | head >&2; fail "the output differs"; }
  fi
done

echo "-- --reconnect goes on across the probe's line closing and coming back"
rm -f "$work/probe"
com1_respawn "$work/probe" "$host/wirelark-probe-sim" --seed 35 --count 20000 || fail "the simulated probe did not start"
"${wine_run[@]}" "$app/wirelark-scan.exe" --port COM1 --reconnect --json "${entries[@]}" --save reconnect.log \
  --duration 12 > reconnect.out 2> reconnect.err || true
com1_stop_respawning
grep -q '"type":"gone"' reconnect.out || { cat reconnect.err >&2; fail "--reconnect: the line closing was not told"; }
grep -q '"type":"back"' reconnect.out || { cat reconnect.err >&2; fail "--reconnect: the probe coming back was not seen"; }
once=$(received linux-json.log)
[ "$(received reconnect.log | cut -c1-40000)" = "$once$once" ] ||
  fail "--reconnect: the characters of the probe's two runs are not saved one after the other"

echo "-- Ctrl+C writes everything out"
start_probe --seed 35
"${wine_run[@]}" "$app/wirelark-scan.exe" --port COM1 "${entries[@]}" --save watched.log > watched.out 2> watched.err &
watch=$!
for _ in $(seq 150); do [ -s watched.log ] && break; sleep 0.1; done
[ -s watched.log ] || { cat watched.err >&2; fail "the watch on COM1 did not start"; }
sleep 2
kill -INT "$watch"
status=0
wait_at_most "$watch" 60 || status=$?
[ "$status" != 124 ] || { cat watched.err >&2; fail "the watch did not end within 60 s of Ctrl+C"; }
kill "$simulator"; wait "$simulator" 2>/dev/null || true; simulator=
grep -q '^wirelark-scan: COM1: stopped (signal)' watched.err || { cat watched.err >&2; fail "Ctrl+C did not stop the watch cleanly"; }
[ "$status" -le 1 ] || { cat watched.err >&2; fail "after Ctrl+C the watch ended with $status"; }
count=$(received watched.log | wc -c)
grep -q ": [0-9]* hits, $count characters received" watched.err || { cat watched.err >&2; fail "Ctrl+C: not all $count characters received were saved"; }
[ "$(received linux-json.log | cut -c1-"$((count < 20000 ? count : 20000))")" = "$(received watched.log | cut -c1-20000)" ] ||
  fail "Ctrl+C: what was saved is not what the probe sent"

echo "-- the probe as fast as it can send, through COM1 into --save"
# The rate: the characters over the watch's time, less the two seconds the simulator waits
# after its last character before it closes the line.
fast=2000000
rate() { sed -n 's/^{"type":"end","t":\([0-9.]*\),.*/\1/p' "$1" | awk -v n=$fast '{ printf "%.0f", n / ($1 - 2) }'; }
start_probe --seed 36 --fast --count $fast
"$host/wirelark-scan" --port "$work/probe" -e "?p;STOP" --json --save linux-fast.log > linux-fast.out 2>&1 || true
wait "$simulator" || true
start_probe --seed 36 --fast --count $fast
"${wine_run[@]}" "$app/wirelark-scan.exe" --port COM1 -e "?p;STOP" --json --save windows-fast.log > windows-fast.out 2> fast.err || true
wait "$simulator" || true
simulator=
[ "$(received linux-fast.log | wc -c)" = $fast ] || fail "the Linux watch lost characters of the fast probe"
cmp linux-fast.log windows-fast.log || { cat fast.err >&2; fail "characters of the fast probe were lost or changed on COM1"; }
! grep -q '"type":"loss"' windows-fast.out || fail "the fast probe: loss reported"
echo "   $fast characters, none lost: about $(rate windows-fast.out) a second through Wine's COM1," \
     "$(rate linux-fast.out) on Linux (the line rate: 11,520)"

echo "PASS: the Windows build prints and saves what the Linux build does, live on COM1 too"
