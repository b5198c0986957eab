#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test: the plain build, the same suite under
# AddressSanitizer and UndefinedBehaviorSanitizer, a short run of each fuzz target, the
# Debian packages built and checked, and the Windows build with its tests under Wine and its
# packages (scripts/windows.sh; Qt for Windows is built once per machine).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

WIRELARK_BUILD=build scripts/build.sh -DBUILD_TESTING=ON
ctest --test-dir build --output-on-failure -j2

WIRELARK_BUILD=build-sanitize scripts/build.sh -DBUILD_TESTING=ON -DWIRELARK_SANITIZE=ON
ctest --test-dir build-sanitize --output-on-failure -j2

CC=clang-14 CXX=clang++-14 WIRELARK_BUILD=build-fuzz scripts/build.sh -DBUILD_TESTING=ON \
  -DWIRELARK_SANITIZE=ON -DWIRELARK_FUZZ=ON
ctest --test-dir build-fuzz --output-on-failure -j2 -R '^fuzz_'

scripts/package.sh

scripts/windows.sh
