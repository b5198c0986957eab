#!/usr/bin/env bash
# Builds Wirelark for 64-bit Windows on Debian 12, tests it under Wine and packages it:
#   build-windows/package/wirelark-<version>-win64.zip        unzip and run
#   build-windows/package/wirelark-<version>-setup.exe        the installer
# Qt 6.4.2 for Windows is built once per machine from Debian's own qt6-base source package,
# with Debian's MinGW-w64, and kept outside the checkout
# in $WIRELARK_WINDOWS_CACHE (~/.cache/wirelark-windows); it is built again only when what
# goes into it changes.
#   scripts/windows.sh [--no-tests]
set -euo pipefail
cd "$(dirname "$0")/.."
source=$PWD
run_tests=1
for argument in "$@"; do
  case $argument in
    --no-tests) run_tests=0 ;;
    *) echo "usage: scripts/windows.sh [--no-tests]" >&2; exit 2 ;;
  esac
done

scripts/install-deps.sh \
  g++-mingw-w64-x86-64-posix cmake ninja-build dpkg-dev xz-utils \
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n \
  gcc-avr avr-libc binutils-avr \
  gcc-arm-none-eabi libnewlib-arm-none-eabi libstdc++-arm-none-eabi-newlib \
  wine64 nsis zip unzip xvfb xauth tmux fonts-liberation fonts-comic-neue fonts-dejavu-core

qt_version=6.4.2
qt_base_package="qt6-base=$qt_version+dfsg-10"
cache=${WIRELARK_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/wirelark-windows}
toolchain=$source/cmake/mingw-w64-x86_64.cmake

# Only what Wirelark uses: Core, Gui, Widgets and Test, the Windows platform plugin (and
# offscreen, for the tests) and the styles. The serial port is read with Win32 itself.
qt_features=(
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF
  -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
  -DFEATURE_vulkan=OFF -DFEATURE_direct2d=OFF
  # Only the Direct2D plugin's font database needs DirectWrite 3; Qt's platform plugin uses
  # GDI's unless told otherwise.
  -DFEATURE_directwrite3=OFF
  # Debian's source leaves out the tablet header (wintab.h, under a non-free licence) that
  # tablet events on Windows need.
  -DFEATURE_tabletevent=OFF
)

# The Qt for Windows in the cache is built again when anything that goes into it changes.
qt_recipe=$( {
  echo "$qt_base_package"
  printf '%s\n' "${qt_features[@]}"
  cat "$toolchain"
  x86_64-w64-mingw32-g++-posix --version | head -n 1
  sed -n '/^# BEGIN QT BUILD/,/^# END QT BUILD/p' "$0"
} | sha256sum | cut -c1-16)
qt=$cache/qt-$qt_version-mingw

# BEGIN QT BUILD
# A deb-src line for every archive that this machine's apt takes Debian 12's main from.
debian_source_list() {
  local codename
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  apt-get indextargets --format '$(REPO_URI) $(RELEASE) $(COMPONENT)' 'Created-By: Packages' |
    awk -v release="$codename" '$2 == release && $3 == "main" { print "deb-src " $1 " " $2 " main" }' |
    sort -u | grep . || { echo "apt has no archive for Debian's $codename main (apt-get update?)" >&2; return 1; }
}

# Qt is built in $WIRELARK_QT_WORK ($cache/work by default), which is kept until the build
# has succeeded: a build that was stopped, or whose options changed, goes on from there.
build_qt() {
  local work=${WIRELARK_QT_WORK:-$cache/work}
  mkdir -p "$work/apt/lists/partial" "$work/apt/cache/archives/partial"
  local qtbase
  qtbase=$(find "$work" -maxdepth 1 -type d -name "qt6-base-*" | head -n 1)
  if [ -z "$qtbase" ]; then
    # Debian's source package, from the archive this machine's apt already uses (its
    # mirror, proxy and keys), through a sources list of our own: the machine's apt setup
    # stays as it is.
    debian_source_list > "$work/apt/sources.list"
    local apt=(apt-get -o Dir::Etc::SourceList="$work/apt/sources.list" -o Dir::Etc::SourceParts=/nonexistent
               -o Dir::State::Lists="$work/apt/lists" -o Dir::Cache="$work/apt/cache"
               -o APT::Sandbox::User=root)
    "${apt[@]}" update
    (cd "$work" && "${apt[@]}" source "$qt_base_package")
    qtbase=$(find "$work" -maxdepth 1 -type d -name "qt6-base-*" | head -n 1)
  fi

  # The toolchain goes with the Qt it built: Qt's own toolchain file loads it from there.
  rm -rf "$qt" && mkdir -p "$qt"
  cp "$toolchain" "$qt/mingw-w64-x86_64.cmake"
  cmake -G Ninja -S "$qtbase" -B "$work/qtbase-build" \
    -DCMAKE_TOOLCHAIN_FILE="$qt/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$qt" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DBUILD_SHARED_LIBS=ON \
    "${qt_features[@]}"
  cmake --build "$work/qtbase-build" --parallel "$(nproc)"
  cmake --install "$work/qtbase-build"
  rm -rf "$work"
  echo "$qt_recipe" > "$qt/built"
}
# END QT BUILD

if [ "$(cat "$qt/built" 2>/dev/null)" != "$qt_recipe" ]; then
  echo "== Building Qt $qt_version for Windows into $qt (once per machine)"
  start=$(date +%s)
  build_qt
  echo "== Qt for Windows built in $(( $(date +%s) - start )) s"
fi

build=$source/build-windows
wine_prefix=$build/wine
wine_run=("$source/cmake/wine-run" "$wine_prefix" "$qt/bin")

# The icons are drawn at build time by a program of this machine's own; the simulated probe
# and the Linux wirelark-scan are what the Windows build is tested against.
echo "== wirelark-make-icons, the simulated probe, wirelark-scan and the probe's firmware on this machine"
cmake -S . -B "$build/host" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF > /dev/null
cmake --build "$build/host" --parallel "$(nproc)" --target wirelark-make-icons wirelark-probe-sim wirelark-scan \
  wirelark-probe-firmware wirelark-probe-pico

echo "== Wirelark for Windows"
cmake -S . -B "$build/app" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DWIRELARK_HOST_MAKE_ICONS="$build/host/wirelark-make-icons" \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$(IFS=';'; echo "${wine_run[*]}")" \
  -DBUILD_TESTING=ON
cmake --build "$build/app" --parallel "$(nproc)"

if [ "$run_tests" = 1 ]; then
  echo "== Tests under Wine"
  if [ ! -f "$wine_prefix/system.reg" ]; then
    "${wine_run[@]}" wineboot --init > /dev/null 2>&1 || true
    WINEPREFIX=$wine_prefix /usr/lib/wine/wineserver --wait || true
  fi
  # The tests' offscreen platform reads fonts from Qt's lib/fonts: there go the faces that
  # the window asks for on Debian.
  mkdir -p "$qt/lib/fonts"
  for face in /usr/share/fonts/truetype/liberation/*.ttf /usr/share/fonts/opentype/comic-neue/*.otf \
              /usr/share/fonts/truetype/dejavu/*.ttf; do
    ln -sf "$face" "$qt/lib/fonts/"
  done
  # Qt's German texts, where the tests' Qt looks for them.
  mkdir -p "$qt/translations"
  ln -sf /usr/share/qt6/translations/{qt_de,qtbase_de,qtmultimedia_de}.qm "$qt/translations/"
  trap 'WINEPREFIX=$wine_prefix /usr/lib/wine/wineserver --kill 2>/dev/null || true' EXIT
  # The window's tests on COM1 want the simulated probe there.
  tests/windows/probe_on_com1.sh "$build/host" "$wine_prefix" "$qt/bin" \
    ctest --test-dir "$build/app" --output-on-failure -j2
  tests/windows/end_to_end.sh "$build/host" "$build/app" "$wine_prefix" "$qt/bin"
fi

echo "== Packages"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/app/CMakeCache.txt")
package=$build/package
staging=$package/wirelark-$version
rm -rf "$package" && mkdir -p "$staging/platforms" "$staging/styles" "$staging/translations"
strip=x86_64-w64-mingw32-strip
for program in wirelark wirelark-scan; do
  $strip -o "$staging/$program.exe" "$build/app/$program.exe"
done
for library in Qt6Core Qt6Gui Qt6Widgets; do
  $strip -o "$staging/$library.dll" "$qt/bin/$library.dll"
done
$strip -o "$staging/platforms/qwindows.dll" "$qt/plugins/platforms/qwindows.dll"
$strip -o "$staging/styles/qwindowsvistastyle.dll" "$qt/plugins/styles/qwindowsvistastyle.dll"
for runtime in /usr/lib/gcc/x86_64-w64-mingw32/12-posix/libstdc++-6.dll \
               /usr/lib/gcc/x86_64-w64-mingw32/12-posix/libgcc_s_seh-1.dll \
               /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll; do
  cp "$runtime" "$staging/"
done
# Qt's German texts (the Save As dialog, Qt's wording of file errors).
# qt_de.qm is a catalogue of catalogues: it loads qtbase_de.qm and qtmultimedia_de.qm.
cp /usr/share/qt6/translations/{qt_de,qtbase_de,qtmultimedia_de}.qm "$staging/translations/"
# Qt finds its plugins and translations beside the programs.
printf '[Paths]\r\nPrefix = .\r\nPlugins = .\r\nTranslations = translations\r\n' > "$staging/qt.conf"
cp data/windows/LIESMICH.txt "$staging/LIESMICH.txt"
# The bus probes' firmware: the Nano's for avrdude, the Pico's to copy onto its drive (docs/probe.md).
cp "$build/host/firmware/wirelark-probe.hex" "$staging/wirelark-probe.hex"
cp "$build/host/firmware/pico/wirelark-probe-pico.uf2" "$staging/wirelark-probe-pico.uf2"
cp data/copyright "$staging/copyright.txt"
# The licences of what ships beside Wirelark: Qt (built from the same Debian source as this
# machine's Qt, whose copyright file lists every part and licence), the compiler's run-time
# libraries, and avr-libc, the Pico SDK and TinyUSB in the probes' firmware.
mkdir -p "$staging/licences"
cp -L /usr/share/doc/libqt6core6/copyright "$staging/licences/Qt.txt"
cp -L /usr/share/common-licenses/LGPL-3 "$staging/licences/LGPL-3.txt"
cp -L /usr/share/common-licenses/GPL-3 "$staging/licences/GPL-3.txt"
cp -L /usr/share/common-licenses/GPL-2 "$staging/licences/GPL-2.txt"
cp -L /usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright "$staging/licences/libstdc++-libgcc.txt"
cp -L /usr/share/doc/mingw-w64-x86-64-dev/copyright "$staging/licences/libwinpthread.txt"
cp data/firmware-copyright "$staging/licences/wirelark-probe-firmware.txt"
sed -i 's/\r\?$/\r/' "$staging/copyright.txt" "$staging/LIESMICH.txt" "$staging"/licences/*.txt

# Every library a program or plugin loads is in the package or one of Windows' own.
system_dlls='^(kernel32|user32|gdi32|advapi32|shell32|shcore|ole32|oleaut32|comdlg32|comctl32|imm32|winmm|ws2_32|uxtheme|dwmapi|version|setupapi|shlwapi|msvcrt|mpr|netapi32|userenv|wtsapi32|d3d9|d3d11|dxgi|dwrite|uiautomationcore|authz|rpcrt4|winspool.drv|api-ms-win-.*)\.dll$'
for binary in "$staging"/*.exe "$staging"/*.dll "$staging"/platforms/*.dll "$staging"/styles/*.dll; do
  for needed in $(x86_64-w64-mingw32-objdump -p "$binary" | sed -n 's/^\s*DLL Name: //p'); do
    lower=$(tr '[:upper:]' '[:lower:]' <<<"$needed")
    [ -f "$staging/$needed" ] || grep -Eq "$system_dlls" <<<"$lower" ||
      { echo "$(basename "$binary") needs $needed, which the package lacks" >&2; exit 1; }
  done
done

zip=$package/wirelark-$version-win64.zip
(cd "$package" && zip -qr9 "$(basename "$zip")" "wirelark-$version")

# The installer installs what the zip holds, and its uninstaller removes exactly that.
{
  (cd "$staging" && find . -type d | sed 's|^\./\?||') | while read -r folder; do
    echo "SetOutPath \"\$INSTDIR${folder:+\\${folder//\//\\}}\""
    (cd "$staging/${folder:-.}" && find . -maxdepth 1 -type f | sort | sed 's|^\./||') | while read -r file; do
      echo "File \"$staging/${folder:+$folder/}$file\""
    done
  done
} > "$package/install-files.nsh"
(cd "$staging" && find . -type f | sort | sed 's|^\./||; s|/|\\|g') |
  sed 's|^|Delete "$INSTDIR\\|; s|$|"|' > "$package/uninstall-files.nsh"
(cd "$staging" && find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g') |
  sed 's|^|RMDir "$INSTDIR\\|; s|$|"|' >> "$package/uninstall-files.nsh"
setup=$package/wirelark-$version-setup.exe
makensis -V2 -DVERSION="$version" -DPACKAGE="$package" -DSTAGING="$staging" -DOUTFILE="$setup" \
  -DICON="$build/app/generated/icons/wirelark.ico" data/windows/wirelark.nsi

if [ "$run_tests" = 1 ]; then
  tests/windows/installer.sh "$setup" "$staging"
fi
ls -l "$zip" "$setup"
