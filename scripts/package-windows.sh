#!/bin/sh
# Makes the MSI of the Windows programs with wixl: corvane.exe and
# corvane-convert.exe from the cross build (build-windows/), the operation
# guides from the Linux build (build/), per user into
# %LOCALAPPDATA%\Programs\Corvane with a Start-menu shortcut.
#   scripts/package-windows.sh         build-windows/packages/corvane-<version>.msi
#   scripts/package-windows.sh --test  also, under wine: a silent install, the
#       installed converter against the Linux build, the wizard started from
#       the shortcut's target and closed with Escape, a silent uninstall that
#       leaves only the settings file, a reinstall that finds it, and the
#       package's own pages (install, then remove) as a double click shows them
#   scripts/package-windows.sh --test --screenshots  also writes the installed
#       wizard's picture to docs/screenshots/installed-windows.png and the
#       package's pages to docs/screenshots/windows/msi-*.png
set -eu
option="${1:-}"
screenshots="${2:-}"
cd "$(dirname "$0")/.."
root=$(pwd)
CORVANE_WINDOWS=1 scripts/setup-debian.sh --package
started=$(date +%s)
step() { echo "== msi: $1 ($(( $(date +%s) - started )) s)"; }

dir=build-windows
step "build"
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCORVANE_BUILD_QT=OFF >/dev/null
cmake --build "$dir" --target corvane corvane-convert corvane-testcaller
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target corvane-guides corvane-convert

step "package"
version=$(sed -n 's/^set(CORVANE_VERSION \(.*\))$/\1/p' cmake/CorvaneVersion.cmake)
stage="$dir/packaging/stage"
rm -rf "$stage" "$dir/packages"
mkdir -p "$stage" "$dir/packages"
cp "$dir/gui/win32/corvane.exe" "$dir/convert/corvane-convert.exe" gui/win32/corvane.ico \
    build/gui/qt/OperationGuide1.PDF build/gui/qt/OperationGuide2.PDF "$stage/"
msi="$dir/packages/corvane-$version.msi"
wixl -a x64 -D Stage="$stage" -o "$msi" "$dir/packaging/corvane.wxs"
# The Japanese code page, then the Japanese texts that wixl left out.
printf '\r\n\r\n932\t_ForceCodepage\r\n' > "$dir/packaging/_ForceCodepage.idt"
msibuild "$msi" -i "$dir/packaging/_ForceCodepage.idt"
grep -v '^#' "$dir/packaging/corvane-msi.sql" | while IFS= read -r query; do
    msibuild "$msi" -q "$query"
done
title="ヴェルドfromソルマ給与"
msiinfo export "$msi" Property | tr -d '\r' | grep -qx "ProductName	$title"
msiinfo export "$msi" Property | tr -d '\r' | grep -qx "ProductVersion	$version"
msiinfo export "$msi" Shortcut | tr -d '\r' | grep -q "	$title	Shortcut	\[INSTALLDIR\]corvane.exe	"
# The pages of a double click: first, last, and the removal's.
msiinfo export "$msi" InstallUISequence | tr -d '\r' | grep -q "^ExitDlg		-1$"
echo "$msi ($(wc -c < "$msi") bytes)"

[ "$option" = "--test" ] || exit 0

. scripts/wine-env.sh
[ -d "$WINEPREFIX" ] || wineboot -i >/dev/null 2>&1 || true
display=":$(( 190 + $$ % 100 ))"
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; wineserver -k 2>/dev/null || true' EXIT
sleep 1
export DISPLAY="$display"

winmsi=$(winepath -w "$root/$msi" 2>/dev/null)
appdata=$(wine cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')
roaming=$(wine cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')
installed=$(winepath -u "$appdata\\Programs\\Corvane" 2>/dev/null)
shortcut="$roaming\\Microsoft\\Windows\\Start Menu\\Programs\\$title.lnk"
shortcut_unix=$(winepath -u "$shortcut" 2>/dev/null)
wine msiexec /x "$winmsi" /qn >/dev/null 2>&1 || true
rm -rf "$installed"

step "msiexec /i"
wine msiexec /i "$winmsi" /qn
wineserver -w
for f in corvane.exe corvane-convert.exe corvane.ico OperationGuide1.PDF OperationGuide2.PDF; do
    [ -f "$installed/$f" ] || { echo "not installed: $installed/$f" >&2; exit 1; }
done
[ -f "$shortcut_unix" ] || { echo "no Start-menu shortcut $shortcut_unix" >&2; exit 1; }
# The installed-programs list knows it with its version.
wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null | tr -d '\r' > "$dir/packaging/arp.txt" || true
wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null | tr -d '\r' >> "$dir/packaging/arp.txt" || true
grep -q "DisplayVersion.*$version" "$dir/packaging/arp.txt"
printf '%s\n' "installed into $appdata\\Programs\\Corvane, shortcut $title, version $version listed"

step "installed corvane-convert.exe"
out="$dir/packaging/convert"
rm -rf "$out"
mkdir -p "$out"
set -- --employees examples/employees.txt --year 26 --mode normal
for f in examples/salary-*.txt; do set -- "$@" --salary "$f"; done
for f in examples/bonus-*.txt; do set -- "$@" --bonus "$f"; done
build/convert/corvane-convert "$@" --out "$out/linux.XML" --settings "$out/linux.ENV" >/dev/null
# Without --settings: the settings file next to the installed program.
wine "$installed/corvane-convert.exe" "$@" --out "$out/windows.XML" >/dev/null
cmp "$out/linux.XML" "$out/windows.XML"
cmp "$out/linux.ENV" "$installed/Corvane.ENV"
echo "the same bytes as the Linux build; Corvane.ENV next to the installed program"

step "the wizard from the shortcut"
wine explorer /desktop=corvane,1100x800 "$dir/tests/windows/caller/corvane-testcaller.exe" shortcut "$shortcut" \
    "$(winepath -w "$root/$out/installed.bmp" 2>/dev/null)" 2>/dev/null | tr -d '\r' | tee "$out/shortcut.log"
if grep -q '^FAIL' "$out/shortcut.log" || ! grep -q '^ok: Escape closes the program' "$out/shortcut.log"; then
    echo "the shortcut test failed" >&2
    exit 1
fi

if [ "$screenshots" = "--screenshots" ]; then
    python3 tests/windows/bmp2png.py "$out/installed.bmp" docs/screenshots/installed-windows.png
fi

step "msiexec /x"
wine msiexec /x "$winmsi" /qn
wineserver -w
left=$(cd "$installed" && ls -A)
if [ "$left" != "Corvane.ENV" ]; then
    echo "left after uninstalling: $left" >&2
    exit 1
fi
[ ! -e "$shortcut_unix" ] || { echo "the shortcut is still there" >&2; exit 1; }
echo "uninstalled; only Corvane.ENV is left"

step "reinstall keeps the settings"
cp "$installed/Corvane.ENV" "$out/kept.ENV"
wine msiexec /i "$winmsi" /qn
wineserver -w
cmp "$out/kept.ENV" "$installed/Corvane.ENV"
wine msiexec /x "$winmsi" /qn
wineserver -w
rm -rf "$installed"

step "msiexec with its pages"
# Double-clicked: a first page, インストール, a last page that says it is
# installed; double-clicked again: 削除 and a last page that says so.
wine explorer /desktop=corvane,1100x800 "$dir/tests/windows/caller/corvane-testcaller.exe" installer "$winmsi" \
    "$(winepath -w "$root/$out" 2>/dev/null)" 2>/dev/null | tr -d '\r' | tee "$out/installer.log"
wineserver -w
grep -q '^installer: 0 failed$' "$out/installer.log" || { echo "the installer's pages failed" >&2; exit 1; }
[ ! -e "$installed/corvane.exe" ] || { echo "corvane.exe is still installed" >&2; exit 1; }
if [ "$screenshots" = "--screenshots" ]; then
    for f in "$out"/msi-*.bmp; do
        python3 tests/windows/bmp2png.py "$f" "docs/screenshots/windows/$(basename "$f" .bmp).png"
    done
fi
rm -rf "$installed"
step "done"
