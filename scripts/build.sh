#!/usr/bin/env bash
# Configures and builds Wirelark into build/ (or the folder given as $WIRELARK_BUILD).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${WIRELARK_BUILD:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build" -j2
