#!/usr/bin/env bash
# Builds the Debian package wirelark_<version>_<arch>.deb in build-package/ and checks it:
# its metadata and contents, its run-time dependencies, and the desktop entry and AppStream
# metainfo it installs. With --install it also installs the package on this machine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build=build-package
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build "$build" -j2
(cd "$build" && rm -f wirelark_*.deb && cpack -G DEB)
package=$(ls "$build"/wirelark_*.deb)
echo "== $package"
dpkg-deb --info "$package"

# What it holds: the programs, the desktop entry, the metainfo, the icon at every size.
contents=$(dpkg-deb --contents "$package")
for wanted in ./usr/bin/wirelark ./usr/bin/wirelark-scan ./usr/bin/wirelark-probe-sim \
              ./usr/share/applications/de.wirelark.Wirelark.desktop \
              ./usr/share/metainfo/de.wirelark.Wirelark.metainfo.xml \
              ./usr/share/icons/hicolor/scalable/apps/de.wirelark.Wirelark.svg \
              ./usr/share/icons/hicolor/16x16/apps/de.wirelark.Wirelark.png \
              ./usr/share/icons/hicolor/256x256/apps/de.wirelark.Wirelark.png; do
  grep -q " $wanted\$" <<<"$contents" || { echo "package lacks $wanted" >&2; exit 1; }
done
depends=$(dpkg-deb --field "$package" Depends)
for wanted in libqt6widgets6 libqt6serialport6 qt6-qpa-plugins fonts-liberation fonts-comic-neue; do
  grep -q "$wanted" <<<"$depends" || { echo "Depends lacks $wanted: $depends" >&2; exit 1; }
done

# Unpacked into a throwaway root: the installed desktop entry and metainfo are valid.
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb --extract "$package" "$root"
desktop-file-validate "$root/usr/share/applications/de.wirelark.Wirelark.desktop"
appstreamcli validate --no-net --explain "$root/usr/share/metainfo/de.wirelark.Wirelark.metainfo.xml"
# Every library the programs need is named by the package's dependencies or is on this system.
if LD_LIBRARY_PATH= ldd "$root/usr/bin/wirelark" | grep "not found"; then exit 1; fi

# apt resolves what the package needs from Debian's archive.
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
"${as_root[@]}" apt-get install --simulate "./$package" >/dev/null
if [ "${1:-}" = "--install" ]; then
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y "./$package"
fi
echo "== $package is sound"
