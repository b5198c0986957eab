#!/usr/bin/env bash
# The installer under Wine, in a Wine prefix of its own: it installs for the user without
# asking (/S), with a Start-menu entry and the working folder Documents\Wirelark; the
# uninstaller removes what was installed and leaves the user's Filter4.ini.
#   tests/windows/installer.sh SETUP.EXE STAGING_FOLDER
set -euo pipefail
setup=$1 staging=$2
# A home of its own too: Wine links the user's Documents to the home's.
scratch=$(mktemp -d)
export HOME=$scratch/home WINEPREFIX=$scratch/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$HOME"
trap '/usr/lib/wine/wineserver -k >/dev/null 2>&1 || true; rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
wine=/usr/lib/wine/wine64
$wine wineboot --init > /dev/null 2>&1
user=$WINEPREFIX/drive_c/users/$(id -un)
installed=$user/AppData/Local/Programs/Wirelark
shortcut="$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Wirelark.lnk"

$wine "$setup" /S > /dev/null 2>&1
/usr/lib/wine/wineserver -w
(cd "$staging" && find . -type f) | while read -r file; do
  cmp -s "$staging/$file" "$installed/$file" || fail "the installer did not install $file"
done
[ -f "$installed/uninstall.exe" ] || fail "no uninstaller"
[ -f "$shortcut" ] || fail "no Start-menu entry"
documents=$(readlink -f "$user/Documents")
[ -d "$documents/Wirelark" ] || fail "no working folder Documents\\Wirelark"
printf 'sA0np;busy\r\n' > "$documents/Wirelark/Filter4.ini"

$wine "$installed/uninstall.exe" /S > /dev/null 2>&1
# The uninstaller runs from a copy of itself in the temporary folder and returns at once.
for _ in $(seq 100); do [ -e "$installed" ] || break; sleep 0.2; done
/usr/lib/wine/wineserver -w
[ ! -e "$installed" ] || fail "the uninstaller left $(cd "$installed" && find . | head -3)"
[ ! -e "$shortcut" ] || fail "the uninstaller left the Start-menu entry"
[ "$(cat "$documents/Wirelark/Filter4.ini")" = $'sA0np;busy\r' ] || fail "the uninstaller touched Filter4.ini"
echo "PASS: the installer installs the zip's files, the uninstaller removes them and keeps Filter4.ini"
