#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh -DBUILD_TESTING=ON
ctest --test-dir "${WIRELARK_BUILD:-build}" --output-on-failure -j2
