#!/usr/bin/env bash
# Installs what is needed, builds, and starts Wirelark on the simulated bus probe, in a demo
# folder of its own with a sample Filter4.ini. Arguments go to the simulator (--seed, --rate).
# With --firmware first, the probe is the real firmware on an emulated board instead: the
# simulator's traffic as I2C waveforms at the chip's pins, on the Nano (wirelark-probe-emu,
# the default) or with --firmware pico on the Pico (wirelark-probe-pico-emu, over its
# emulated USB); their arguments (--seed, --load) follow.
#   scripts/start.sh [--firmware [nano|pico]] [PROBE OPTIONS...]
set -euo pipefail
cd "$(dirname "$0")/.."
probe=wirelark-probe-sim
if [ "${1:-}" = --firmware ]; then
  shift
  probe=wirelark-probe-emu
  case "${1:-}" in
    nano) shift ;;
    pico) probe=wirelark-probe-pico-emu; shift ;;
  esac
fi
scripts/install-deps.sh
build=${WIRELARK_BUILD:-build}
# Only what it starts: the program and the probe.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j2 --target wirelark "$probe"
build=$(cd "$build" && pwd)
program=$build/$probe
[ "$probe" = wirelark-probe-sim ] || program=$build/firmware/$probe
demo="$build/demo"
mkdir -p "$demo"
[ -f "$demo/Filter4.ini" ] || cp tools/demo/Filter4.ini "$demo/Filter4.ini"

rm -f "$demo/probe"
"$program" --link "$demo/probe" "$@" > "$demo/probe.path" &
simulator=$!
trap 'kill "$simulator" 2>/dev/null || true; wait "$simulator" 2>/dev/null || true' EXIT
for _ in $(seq 100); do
  [ -e "$demo/probe" ] && break
  sleep 0.05
done
echo "Bus probe ($probe) on $(cat "$demo/probe.path") (COM1). Click \"Öffnen\" and select search strings."
cd "$demo"
WIRELARK_PORTS="$demo/probe" "$build/wirelark"
