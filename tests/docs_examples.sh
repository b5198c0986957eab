#!/usr/bin/env bash
# The examples a reader copies from the manual do what the manual says they do, on the
# simulated probe in place of a board:
# - every "$ COMMAND" of docs/ runs in a folder of its own, and prints what the page shows
#   below it (times and counts of characters received, which no two runs share, aside; a
#   "..." line stands for lines left out). A simulator started in an example ("$
#   wirelark-probe-sim ... &") is started afresh for each later example that watches a port,
#   as the page says;
# - the README's commands for a test rig run on the simulator standing in for the device
#   named, and do their job;
# - the drop-in for one instance of the capture service is one systemd accepts.
#   tests/docs_examples.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source=$1
build=$(cd "$2" && pwd)
export PATH="$build:$PATH" LC_ALL=C.UTF-8
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

work=$(mktemp -d)
simulator=
stop_simulator() {
  [ -z "$simulator" ] || { kill "$simulator" 2>/dev/null || true; wait "$simulator" 2>/dev/null || true; }
  simulator=
}
trap 'stop_simulator; rm -rf "$work"' EXIT

# Starts the simulator as COMMAND (without its "&") says, afresh, and waits for its link.
start_simulator() {
  stop_simulator
  local link
  link=$(grep -o -- '--link [^ ]*' <<<"$1" | cut -d' ' -f2)
  rm -f "$link"
  bash -c "exec $1" >/dev/null 2>&1 &
  simulator=$!
  until [ -e "$link" ]; do
    kill -0 "$simulator" 2>/dev/null || { fail "the simulator did not start: $1"; return 1; }
    sleep 0.05
  done
}

# What no two runs share: times (six decimals), the wall clock, characters received.
mask() {
  sed -E 's/[0-9]+\.[0-9]{6}/T/g; s/"start":"[^"]*"/"start":T/; s/[0-9]+ characters received/N characters received/;
          s/"received":[0-9]+/"received":N/'
}

# Expected lines, in order, in the actual ones; all of them and nothing else unless the
# expected hold a "..." line.
matches() {
  local expected=$1 actual=$2
  mask <"$expected" >"$expected.masked"
  mask <"$actual" >"$actual.masked"
  expected=$expected.masked actual=$actual.masked
  if grep -qx '\.\.\.' "$expected"; then
    awk 'BEGIN { i = 0; n = 0 } NR == FNR { if ($0 != "...") want[n++] = $0; next } i < n && $0 == want[i] { i++ } END { exit i < n }' \
      "$expected" "$actual"
  else
    cmp -s "$expected" "$actual"
  fi
}

# Runs the examples of one page in a folder of its own.
run_page() {
  local page=$1 folder=$work/$(basename "$1" .md)
  mkdir -p "$folder"
  local simulated= status=0 command= expected=$folder/.expected
  : >"$expected"
  # Each command with the lines below it that it prints, until a blank line or the next one.
  finish() {
    [ -n "$command" ] || return 0
    local actual=$folder/.actual
    if [ "$command" = 'echo $?' ]; then
      echo "$status" >"$actual"
    else
      grep -q -- '--port' <<<"$command" && [ -n "$simulated" ] && start_simulator "$simulated"
      status=0
      (cd "$folder" && timeout 60 bash -c "$command") >"$actual" 2>&1 || status=$?
    fi
    sed -i "s|$work/[a-z]*/|/tmp/|g" "$actual"
    if ! matches "$expected" "$actual"; then
      fail "${page#"$source"/}: \$ $command
expected:
$(head -n 20 "$expected")
printed:
$(head -n 20 "$actual")"
    fi
    command=
    : >"$expected"
  }
  while IFS= read -r line; do
    if [[ $line =~ ^\ {4,}\$\ (.*)$ ]]; then
      finish
      command=${BASH_REMATCH[1]//\/tmp\//$folder/}
      if [[ $command =~ ^(wirelark-probe-sim .*)\ \&$ ]]; then
        simulated=${BASH_REMATCH[1]}
        start_simulator "$simulated"
        command=
      fi
    elif [ -n "$command" ] && [[ $line =~ ^\ {4,}(.*)$ ]]; then
      echo "${BASH_REMATCH[1]}" >>"$expected"
    else
      finish
    fi
  done <"$page"
  finish
  stop_simulator
}

for page in "$source"/docs/*.md; do
  run_page "$page"
done

# The README's rig: its device is the simulator, COM3 the third port Wirelark lists.
rig=$work/readme
mkdir -p "$rig"
cp "$source/tools/demo/Filter4.ini" "$rig/"
readme_command() {
  # The example's lines joined, its device the simulator, without what it is piped into.
  awk '/^    / { sub(/^ +/, ""); if (sub(/\\$/, "")) { joined = joined $0; next } print joined $0 } { joined = "" }' \
    "$source/README.md" | grep '^wirelark-scan ' | grep -F -- "$1" | head -n 1 |
    sed -E "s#/dev/serial/by-id/[^ ]*|/dev/ttyUSB0#$rig/probe#g; s/ *\| *wireshark.*//"
}
run_readme() {
  local name=$1 seconds=$2 command
  command=$(readme_command "$name")
  [ -n "$command" ] || { fail "README.md: no wirelark-scan example with $name"; return 1; }
  start_simulator "wirelark-probe-sim --link $rig/probe --seed 7"
  status=0
  (cd "$rig" && WIRELARK_PORTS="/nonexistent/1:/nonexistent/2:$rig/probe" \
     timeout --preserve-status -s TERM "$seconds" bash -c "$command") >"$rig/out" 2>"$rig/err" || status=$?
  stop_simulator
}
# Waits for the EEPROM's busy answer, and keeps the capture.
run_readme "EEPROM busy" 60
[ "$status" = 0 ] && grep -q 'EEPROM busy (NACK)(sA0np)' "$rig/out" && [ -s "$rig/board.log" ] ||
  fail "README.md: the EEPROM example (exit $status): $(head -n 5 "$rig/out" "$rig/err")"
mv "$rig/board.log" "$rig/night.log"
# Decodes the night's capture with the hits of entries 1 and 3.
run_readme "--decode --where --select 1,3 night.log" 60
[ "$status" = 0 ] && grep -q '^night.log:[0-9]*:[0-9]*: S ' "$rig/out" ||
  fail "README.md: the decoding example (exit $status): $(head -n 5 "$rig/out" "$rig/err")"
# Watches COM3 as JSON into rotated files, until SIGTERM stops it cleanly.
run_readme "--port COM3" 3
{ [ "$status" = 0 ] || [ "$status" = 1 ]; } && grep -q '"type":"open"' "$rig/out" && grep -q '"type":"end"' "$rig/out" &&
  compgen -G "$rig/board-*.log" >/dev/null ||
  fail "README.md: the COM3 example (exit $status): $(head -n 5 "$rig/out" "$rig/err")"
# Hands Wireshark a pcapng stream (here the stream alone: its first block).
run_readme "--pcap -" 3
[ "$(head -c 4 "$rig/out" | od -An -tx1 | tr -d ' ')" = 0a0d0d0a ] ||
  fail "README.md: the Wireshark example wrote no pcapng stream (exit $status): $(cat "$rig/err")"

# The drop-in that gives one instance options of its own: systemd takes it, ExecStart=
# emptied first, where systemd's tools are here.
if command -v systemd-analyze >/dev/null; then
  units=$work/units
  mkdir -p "$units/wirelark-capture@ttyUSB1.service.d"
  sed "s|@CMAKE_INSTALL_FULL_BINDIR@|$build|; s|@CMAKE_INSTALL_FULL_SYSCONFDIR@|$units|" \
    "$source/data/systemd/wirelark-capture@.service.in" >"$units/wirelark-capture@ttyUSB1.service"
  sed -n '/^    \[Service\]/,/^$/p' "$source/docs/scan.md" | sed 's/^    //' | sed "s|/usr/bin/|$build/|" \
    >"$units/wirelark-capture@ttyUSB1.service.d/override.conf"
  grep -qx 'ExecStart=' "$units/wirelark-capture@ttyUSB1.service.d/override.conf" ||
    fail "docs/scan.md: the drop-in does not empty ExecStart= first"
  SYSTEMD_UNIT_PATH="$units:" systemd-analyze verify --man=no "$units/wirelark-capture@ttyUSB1.service" ||
    fail "docs/scan.md: systemd refuses the drop-in"
fi

if [ "$failures" -gt 0 ]; then
  echo "$failures examples of the manual do not do what it says" >&2
  exit 1
fi
echo "the manual's examples do what it says"
