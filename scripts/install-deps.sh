#!/usr/bin/env bash
# Installs what Wirelark needs to build, run, test and package on Debian 12 (clang for the
# fuzzers, dpkg-dev and the desktop-file and AppStream validators for the package, tshark
# that reads back what wirelark-scan --pcap writes, systemd's tools that check the capture
# service, gcc-avr and avr-libc for the bus probe's firmware and simavr for its emulator
# tests, gcc-arm-none-eabi with newlib and its C++ library for the Pico probe's firmware
# and Node with npm for its emulator tests, Xvfb for the benchmark's virtual desktop). Given
# package names, it installs those instead (scripts/windows.sh names what the Windows build
# needs).
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-translations-l10n
  libgl-dev
  fonts-liberation fonts-comic-neue
  clang-14 libclang-rt-14-dev
  dpkg-dev desktop-file-utils appstream lintian man-db
  tshark systemd xvfb xauth
  gcc-avr avr-libc binutils-avr simavr libsimavr-dev libelf-dev
  gcc-arm-none-eabi libnewlib-arm-none-eabi libstdc++-arm-none-eabi-newlib nodejs
)
# Debian's npm, unless the installed Node brings its own (NodeSource's does, and conflicts).
command -v npm > /dev/null || packages+=(npm)
[ "$#" -eq 0 ] || packages=("$@")

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo)
fi

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ "${#missing[@]}" -gt 0 ]; then
  "${as_root[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
