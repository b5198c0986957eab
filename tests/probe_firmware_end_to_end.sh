#!/usr/bin/env bash
# A probe's firmware end to end (the Nano's or the Pico's): the emulated board on a
# pseudo-terminal, wirelark-scan --port on it with five entries and --decode, must print the
# same hits and transactions as the simulated probe's same text does.
#   tests/probe_firmware_end_to_end.sh WIRELARK_PROBE_EMU WIRELARK_PROBE_SIM WIRELARK_SCAN
set -euo pipefail
emulator=$(realpath "$1") simulator=$(realpath "$2") scan=$(realpath "$3")
work=$(mktemp -d)
probe=
cleanup() {
  [ -z "$probe" ] || kill "$probe" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
cd "$work"
entries=(-e "s90a00ar91a;LM75: Temperatur lesen" -e "sA0np;EEPROM besch$(printf '\xe4')ftigt (NACK)"
         -e "sD0a00arD1a;RTC: Uhrzeit lesen" -e "rA1a??a??a;EEPROM: 2 Bytes gelesen" -e "?p;STOP")

# Each probe sends its text and closes its line: the watch then ends (exit 2, the device gone).
"$emulator" --link "$work/board" --seed 21 --transactions 150 --load 0.9 --text driven.txt > /dev/null 2> board.err &
probe=$!
for _ in $(seq 100); do [ -e board ] && break; sleep 0.05; done
[ -e board ] || { cat board.err >&2; fail "the emulated board did not start"; }
status=0
"$scan" --port "$work/board" --decode "${entries[@]}" > board.out 2> board.scan.err || status=$?
wait "$probe" || fail "the emulated board failed: $(cat board.err)"
probe=
[ "$status" = 2 ] && grep -q 'device gone' board.scan.err || { cat board.scan.err >&2; fail "the watch on the board"; }

count=$(wc -c < driven.txt)
[ "$count" -gt 3000 ] || fail "the board drove too little: $count characters"
"$simulator" --link "$work/simulated" --seed 21 --count "$count" > /dev/null 2> simulated.err &
probe=$!
for _ in $(seq 100); do [ -e simulated ] && break; sleep 0.05; done
status=0
"$scan" --port "$work/simulated" --decode "${entries[@]}" > simulated.out 2> simulated.scan.err || status=$?
wait "$probe" || true
probe=

[ "$(grep -c '^S ' board.out)" -ge 150 ] || fail "fewer transactions than the board drove: $(grep -c '^S ' board.out)"
grep -q 'LM75: Temperatur lesen' board.out || fail "no hit from the board"
cmp simulated.out board.out || { diff simulated.out board.out | head >&2; fail "the board's hits and transactions differ from the simulated probe's"; }
echo "PASS: $(grep -c '^S ' board.out) transactions and $(grep -vc '^S ' board.out) hits from the emulated board, as from the simulated probe"
