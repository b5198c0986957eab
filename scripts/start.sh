#!/usr/bin/env bash
# Installs what is needed, builds, and starts Wirelark.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
exec "${WIRELARK_BUILD:-build}/wirelark" "$@"
