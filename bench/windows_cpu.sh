#!/usr/bin/env bash
# What the Windows build costs under Wine beside the Linux build, on one virtual desktop, as
# users run them: the window (from the Windows zip, and build/wirelark) switched on with five
# search strings selected, and wirelark-scan --port with five entries and --save, each on
# the simulated probe at the line rate (COM1 under Wine). CPU by the scheduler's clock
# (/proc/PID/task/*/schedstat) over every thread: the program's own, Wine's processes of the
# prefix (wineserver, explorer.exe, services.exe ...) and the X server's, in per cent of one
# core; the median of the rounds. The floor beside them: cat reading the same line. Prints
# figures, judges nothing.
#   bench/windows_cpu.sh [--rounds N] [--seconds S]
# Needs build/ (scripts/build.sh) and build-windows/ (scripts/windows.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=3 seconds=10
while [ $# -gt 0 ]; do
  case $1 in
    --rounds) rounds=$2; shift 2 ;;
    --seconds) seconds=$2; shift 2 ;;
    *) echo "usage: bench/windows_cpu.sh [--rounds N] [--seconds S]" >&2; exit 2 ;;
  esac
done
scripts/install-deps.sh xvfb xauth xdotool wine64 > /dev/null
linux=$PWD/build
windows=$(ls -d "$PWD"/build-windows/package/wirelark-*/ | head -n 1)
[ -x "$linux/wirelark" ] && [ -f "$windows/wirelark.exe" ] ||
  { echo "build first: scripts/build.sh and scripts/windows.sh" >&2; exit 2; }

work=$(mktemp -d)
export WINEPREFIX=$work/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
link=$work/probe
display=
for n in $(seq 90 160); do
  [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { display=":$n"; break; }
done
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp > /dev/null 2>&1 &
xserver=$!
export DISPLAY=$display
simulator=
program=
cleanup() {
  for pid in $program $simulator; do kill "$pid" 2>/dev/null || true; done
  $wineserver -k > /dev/null 2>&1 || true
  kill "$xserver" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Five search strings that hit now and then in the probe's traffic.
entries=("s90a00ar91a1Aa;LM75 26 Grad" "sA0np;EEPROM besch$(printf '\xe4')ftigt" "sD0a00arD1a00a;RTC volle Minute"
         "rA1a??a??a??a??n;EEPROM liest 4 Bytes" "sA0a00a;EEPROM Adresse 00")
cd "$work"
printf '%s\r\n' "${entries[@]}" > Filter4.ini
scan_entries=()
for entry in "${entries[@]}"; do scan_entries+=(-e "$entry"); done

echo "Setting up a Wine prefix with COM1 on the simulated probe ..."
$wine wineboot --init > /dev/null 2>&1
$wineserver -w
$wine reg add 'HKLM\Software\Wine\Ports' /v COM1 /t REG_SZ /d "$link" /f > /dev/null 2>&1
$wineserver -k > /dev/null 2>&1; $wineserver -w
# Wine's own processes stay between the rounds, as on a desktop where Wine already runs.
$wineserver --persistent > /dev/null 2>&1
$wine reg query 'HKLM\Software\Wine\Ports' > /dev/null 2>&1

# Nanoseconds each thread of the given processes has run: lines of "pid/thread nanoseconds".
ran() {
  local pid task
  for pid in "$@"; do
    for task in /proc/"$pid"/task/*/schedstat; do
      echo "${task#/proc/} $(cut -d' ' -f1 "$task" 2>/dev/null || echo 0)"
    done
  done
}
# What the threads of two such readings ran in between (those that ran through it).
ran_between() { join <(sort "$1") <(sort "$2") | awk '{ total += $3 - $2 } END { printf "%d", total }'; }
# Wine's processes of this prefix, the program's own aside.
wine_processes() {
  local pid
  for pid in $(pgrep -f 'wineserver|\.exe' || true); do
    [ "$pid" != "$1" ] && grep -qz "^WINEPREFIX=$WINEPREFIX$" /proc/"$pid"/environ 2>/dev/null && echo "$pid"
  done
}
start_probe() {
  rm -f "$link"
  "$linux/wirelark-probe-sim" --link "$link" --seed 42 > /dev/null 2>&1 &
  simulator=$!
  for _ in $(seq 100); do [ -e "$link" ] && break; sleep 0.05; done
}
stop_probe() {
  kill "$simulator"; wait "$simulator" 2>/dev/null || true; simulator=
}
# Five entries selected, then "Öffnen": clicks where the window has them.
switch_on() {
  local window=
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name '^Wirelark$' 2>/dev/null | tail -n 1 || true)
    [ -n "$window" ] && xdotool getwindowname "$window" > /dev/null 2>&1 && break
    sleep 0.2
  done
  sleep 1
  for y in 330 348 366 384 402; do xdotool mousemove --window "$window" 700 "$y" click 1; sleep 0.2; done
  xdotool mousemove --window "$window" 187 20 click 1
  sleep 1
}

declare -A figures
# One round of one configuration: NAME KIND COMMAND... (KIND: window, tool or floor).
measure() {
  local name=$1 kind=$2 others=()
  shift 2
  start_probe
  "$@" > /dev/null 2>&1 &
  program=$!
  if [ "$kind" = window ]; then switch_on; else sleep 2; fi
  mapfile -t others < <(wine_processes "$program")
  local t0 t1
  ran "$program" > p0; ran "${others[@]}" > w0; ran "$xserver" > x0; t0=$(date +%s%N)
  sleep "$seconds"
  ran "$program" > p1; ran "${others[@]}" > w1; ran "$xserver" > x1; t1=$(date +%s%N)
  kill "$program" 2>/dev/null || true
  wait "$program" 2>/dev/null || true
  program=
  # The window gone from the screen before the next one comes.
  for _ in $(seq 50); do
    xdotool search --onlyvisible --name '^Wirelark$' > /dev/null 2>&1 || break
    sleep 0.2
  done
  stop_probe
  local elapsed=$(( t1 - t0 ))
  figures[$name,program]+="$(( $(ran_between p0 p1) * 1000 / elapsed )) "
  if [[ $name == windows-* ]]; then
    figures[$name,wine]+="$(( $(ran_between w0 w1) * 1000 / elapsed )) "
  fi
  if [ "$kind" = window ]; then
    figures[$name,x]+="$(( $(ran_between x0 x1) * 1000 / elapsed )) "
  fi
}
# The median of per-mille figures, as per cent with one decimal.
median() {
  [ -n "${1:-}" ] || { echo "-"; return; }
  tr ' ' '\n' <<<"$1" | grep . | sort -n | awk '{ v[NR] = $1 } END { m = v[int((NR + 1) / 2)]; printf "%.1f %%", m / 10 }'
}

configurations=(floor linux-window windows-window linux-scan windows-scan)
for round in $(seq "$rounds"); do
  echo "Round $round of $rounds ($seconds s each) ..."
  measure floor floor cat "$link"
  measure linux-window window env WIRELARK_PORTS="$link" QT_QPA_PLATFORM=xcb "$linux/wirelark"
  measure windows-window window $wine "$windows/wirelark.exe"
  measure linux-scan tool "$linux/wirelark-scan" --port "$link" "${scan_entries[@]}" --save linux.log --force
  measure windows-scan tool $wine "$windows/wirelark-scan.exe" --port COM1 "${scan_entries[@]}" --save windows.log --force
done

echo
echo "CPU at the line rate (11,520 characters a second), five search strings, median of $rounds rounds of $seconds s:"
printf '%-44s %10s %10s %10s\n' "" program Wine "X server"
label() {
  case $1 in
    floor) echo "floor: cat reading the line" ;;
    linux-window) echo "wirelark (Linux)" ;;
    windows-window) echo "wirelark.exe under Wine" ;;
    linux-scan) echo "wirelark-scan --port --save (Linux)" ;;
    windows-scan) echo "wirelark-scan.exe --port COM1 --save (Wine)" ;;
  esac
}
for name in "${configurations[@]}"; do
  printf '%-44s %10s %10s %10s\n' "$(label "$name")" "$(median "${figures[$name,program]}")" \
    "$(median "${figures[$name,wine]:-}")" "$(median "${figures[$name,x]:-}")"
done
echo "(Wine: wineserver and Wine's other processes of the prefix, which the Linux builds do not need)"
