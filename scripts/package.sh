#!/usr/bin/env bash
# Builds the Debian packages wirelark_<version>_<arch>.deb (the window),
# wirelark-scan_<version>_<arch>.deb (the command-line tools) and
# wirelark-probe-firmware_<version>_all.deb (the probe's firmware) in build-package/ with one
# run of CPack, and checks them: metadata and contents, manual pages, run-time dependencies (the
# tools' package pulls no Qt Gui, Widgets or X library), the desktop entry and AppStream
# metainfo. With --install it also installs both on this machine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build=build-package
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DCMAKE_INSTALL_PREFIX=/usr
cmake --build "$build" -j2
(cd "$build" && rm -f ./*.deb && cpack -G DEB)
window=$(ls "$build"/wirelark_*.deb)
tools=$(ls "$build"/wirelark-scan_*.deb)
firmware=$(ls "$build"/wirelark-probe-firmware_*_all.deb)
fail() { echo "$*" >&2; exit 1; }

# What each holds. The desktop name comes from the package itself: it is defined once, in
# CMakeLists.txt.
contents=$(dpkg-deb --contents "$window")
desktop=$(grep -o '/usr/share/applications/[^ ]*\.desktop$' <<<"$contents" | head -n 1)
[ -n "$desktop" ] || fail "$window holds no desktop entry"
name=$(basename "$desktop" .desktop)
for wanted in ./usr/bin/wirelark ./usr/share/man/man1/wirelark.1.gz \
              ".$desktop" "./usr/share/metainfo/$name.metainfo.xml" \
              "./usr/share/icons/hicolor/scalable/apps/$name.svg" \
              "./usr/share/icons/hicolor/16x16/apps/$name.png" \
              "./usr/share/icons/hicolor/256x256/apps/$name.png"; do
  grep -q " $wanted\$" <<<"$contents" || fail "$window lacks $wanted"
done
contents=$(dpkg-deb --contents "$tools")
for wanted in ./usr/bin/wirelark-scan ./usr/bin/wirelark-probe-sim \
              ./usr/share/man/man1/wirelark-scan.1.gz ./usr/share/man/man1/wirelark-probe-sim.1.gz \
              ./usr/share/doc/wirelark-scan/copyright ./usr/lib/systemd/system/wirelark-capture@.service \
              ./etc/wirelark/capture.conf ./usr/share/bash-completion/completions/wirelark-scan \
              ./usr/lib/x86_64-linux-gnu/wireshark/extcap/wirelark-i2c; do
  grep -q " $wanted\$" <<<"$contents" || fail "$tools lacks $wanted"
done
dpkg-deb --ctrl-tarfile "$tools" | tar -xO ./conffiles | grep -qx /etc/wirelark/capture.conf ||
  fail "$tools does not keep /etc/wirelark/capture.conf as a conffile"
contents=$(dpkg-deb --contents "$firmware")
for wanted in ./usr/share/wirelark/wirelark-probe.hex ./usr/share/wirelark/wirelark-probe-pico.uf2 \
              ./usr/share/doc/wirelark-probe-firmware/copyright; do
  grep -q " $wanted\$" <<<"$contents" || fail "$firmware lacks $wanted"
done
for package in "$window" "$tools"; do
  grep -q wirelark-probe-firmware <<<"$(dpkg-deb --field "$package" Recommends)" ||
    fail "$package does not recommend wirelark-probe-firmware"
done
for package in "$window" "$tools" "$firmware"; do
  echo "== $package"
  dpkg-deb --info "$package"
done

depends=$(dpkg-deb --field "$window" Depends)
for wanted in libqt6widgets6 libqt6serialport6 qt6-qpa-plugins fonts-liberation fonts-comic-neue; do
  grep -q "$wanted" <<<"$depends" || fail "wirelark's Depends lacks $wanted: $depends"
done
depends=$(dpkg-deb --field "$tools" Depends)
for wanted in libqt6core6 libqt6serialport6; do
  grep -q "$wanted" <<<"$depends" || fail "wirelark-scan's Depends lacks $wanted: $depends"
done
# Everything the tools' package can pull in, whatever this machine already has: no Qt Gui,
# Widgets, platform plugins or X library.
names=$(tr ',|' '\n\n' <<<"$depends" | sed 's/(.*)//; s/ //g' | grep -v '^$')
closure=$(apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks \
            --no-replaces --no-enhances $names | grep -v '^ ' | sort -u)
echo "== wirelark-scan pulls at most these $(wc -l <<<"$closure") packages:" $closure
if grep -E '^(libqt6gui|libqt6widgets|libqt6dbus|qt6-qpa-plugins|libx11|libxcb|libgl1|libglx|libopengl|libegl|libwayland)' <<<"$closure"; then
  fail "wirelark-scan would pull in a display library (above)"
fi

# Unpacked into a throwaway root: the installed desktop entry and metainfo are valid, the
# manual pages render, and every library the programs need is named or on this system.
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb --extract "$window" "$root"
dpkg-deb --extract "$tools" "$root"
dpkg-deb --extract "$firmware" "$root"
desktop-file-validate "$root$desktop"
appstreamcli validate --no-net --explain "$root/usr/share/metainfo/$name.metainfo.xml"
for page in "$root"/usr/share/man/man1/*.1.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
done
for program in wirelark wirelark-scan wirelark-probe-sim; do
  if LD_LIBRARY_PATH= ldd "$root/usr/bin/$program" | grep "not found"; then exit 1; fi
done
for program in usr/bin/wirelark-scan usr/lib/x86_64-linux-gnu/wireshark/extcap/wirelark-i2c; do
  if LD_LIBRARY_PATH= ldd "$root/$program" | grep -E 'Qt6(Gui|Widgets)|libX|libxcb'; then
    fail "$program links a display library"
  fi
done
bash -n "$root/usr/share/bash-completion/completions/wirelark-scan" || fail "the bash completion does not parse"
for program in wirelark wirelark-scan wirelark-probe-sim; do
  "$root/usr/bin/$program" --version | grep -qx "$program $(dpkg-deb --field "$tools" Version)" ||
    fail "$program --version does not say the package's version"
done
# The capture service, where systemd's tools are here: systemd accepts the unit (an
# instance of it, with the installed program), and rates its hardening.
if command -v systemd-analyze >/dev/null; then
  unit="$root/usr/lib/systemd/system/wirelark-capture@.service"
  grep -q '^ExecStart=/usr/bin/wirelark-scan .* --config /etc/wirelark/capture.conf$' "$unit" ||
    fail "wirelark-capture@.service does not run the installed program on the installed options"
  sed "s|/usr/bin/wirelark-scan|$root/usr/bin/wirelark-scan|" "$unit" >"$root/wirelark-capture@ttyUSB0.service"
  systemd-analyze verify --man=no "$root/wirelark-capture@ttyUSB0.service" ||
    fail "systemd-analyze verify refuses wirelark-capture@.service"
  exposure=$(systemd-analyze security --offline=true "$root/wirelark-capture@ttyUSB0.service" | tail -n 1)
  echo "== wirelark-capture@.service: $exposure"
  grep -qE 'level for .*: (0|1)\.[0-9] ' <<<"$exposure" || fail "wirelark-capture@.service is not hardened enough"
fi
# Debian's own checks: every program has its manual page.
for package in "$window" "$tools" "$firmware"; do
  if lintian --tag-display-limit 0 "$package" 2>&1 | tee "$root/lintian.txt" | grep -E 'no-manual-page|manpage-'; then
    fail "lintian: $(basename "$package") lacks a sound manual page"
  fi
done

# apt resolves what the packages need from Debian's archive.
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
"${as_root[@]}" apt-get install --simulate "./$tools" "./$window" "./$firmware" >/dev/null
if [ "${1:-}" = "--install" ]; then
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y "./$tools" "./$window" "./$firmware"
fi
echo "== $(basename "$window"), $(basename "$tools") and $(basename "$firmware") are sound"
