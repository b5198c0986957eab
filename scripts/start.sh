#!/usr/bin/env bash
# Installs what is needed, builds, and starts Wirelark on the simulated bus probe, in a demo
# folder of its own with a sample Filter4.ini. Arguments go to the simulator (--seed, --rate).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build=${WIRELARK_BUILD:-build}
# Only what it starts: the program and the simulated probe.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j2 --target wirelark wirelark-probe-sim
build=$(cd "$build" && pwd)
demo="$build/demo"
mkdir -p "$demo"
[ -f "$demo/Filter4.ini" ] || cp tools/demo/Filter4.ini "$demo/Filter4.ini"

rm -f "$demo/probe"
"$build/wirelark-probe-sim" --link "$demo/probe" "$@" > "$demo/probe.path" &
simulator=$!
trap 'kill "$simulator" 2>/dev/null || true; wait "$simulator" 2>/dev/null || true' EXIT
for _ in $(seq 100); do
  [ -e "$demo/probe" ] && break
  sleep 0.05
done
echo "Simulated bus probe on $(cat "$demo/probe.path") (COM1). Click \"Öffnen\" and select search strings."
cd "$demo"
WIRELARK_PORTS="$demo/probe" "$build/wirelark"
