#!/bin/sh
# The Windows build: cross-compiles everything with mingw-w64, runs the test
# suites under wine, checks that corvane-convert.exe writes the same bytes as
# the Linux build and what its console messages look like, checks the
# dialogs of the resources, runs the caller test under Xvfb and walks the
# wizard to a finished conversion there at 100, 150 and 200 % (layout checked
# on every page; the exports chosen file by file, as a folder, dropped).
#   scripts/windows.sh                the build and the tests (build-windows/)
#   scripts/windows.sh --screenshots  also writes the walk's pictures to
#                                     docs/screenshots/windows/*.png (100 %)
#                                     and docs/screenshots/windows/150/*.png
set -eu
option="${1:-}"
cd "$(dirname "$0")/.."
root=$(pwd)
dir=build-windows

# Each step's own time and the time so far, the package installation included.
started=$(date +%s)
step_name=""
step_start=$started
step() {
    now=$(date +%s)
    if [ -n "$step_name" ]; then
        echo "== windows: $step_name took $((now - step_start)) s"
    fi
    step_name=$1
    step_start=$now
    if [ -n "$step_name" ]; then
        echo "== windows: $step_name (at $((now - started)) s)"
    fi
}

step "packages"
scripts/setup-debian.sh --windows
# The build takes no more jobs than the machine has cores.
jobs=$(nproc 2>/dev/null || echo 1)

. scripts/wine-env.sh

step "build ($jobs jobs)"
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCORVANE_BUILD_QT=OFF >/dev/null
cmake --build "$dir" -j "$jobs"

# The wine prefix, made once: Japanese UI fonts replaced by an installed
# Japanese font so that dialogs and message boxes render Japanese text.
if [ ! -f "$WINEPREFIX/.corvane-fonts" ]; then
    step "wine prefix"
    wineboot -i >/dev/null 2>&1 || true
    sed 's/@FONT@/Noto Sans CJK JP/' tests/windows/fonts.reg.in | iconv -f UTF-8 -t UTF-16 > "$dir/fonts.reg"
    wine regedit /S "$(winepath -w "$root/$dir/fonts.reg" 2>/dev/null)"
    wineserver -w
    touch "$WINEPREFIX/.corvane-fonts"
fi
# The screen at 100 %; the walks below change it and put it back.
set_dpi() {
    for key in 'HKCU\Control Panel\Desktop' 'HKCC\Software\Fonts'; do
        wine reg add "$key" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    done
    wineserver -w
}
set_dpi 96

step "test suites under wine"
(cd "$dir" && ctest --output-on-failure -j "$jobs" --output-log ctest.log)
scripts/check-test-count.sh windows "$dir/ctest.log"

step "corvane-convert.exe against the Linux build"
native=""
for candidate in build-asan/convert/corvane-convert build/convert/corvane-convert; do
    if [ -x "$candidate" ]; then native=$candidate; break; fi
done
if [ -z "$native" ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build -j "$jobs" --target corvane-convert
    native=build/convert/corvane-convert
fi
out="$dir/convert-check"
rm -rf "$out"
mkdir -p "$out/linux" "$out/windows"
for mode in normal easy; do
    set -- --employees examples/employees.txt --year 26 --mode "$mode"
    for f in examples/salary-*.txt; do set -- "$@" --salary "$f"; done
    for f in examples/bonus-*.txt; do set -- "$@" --bonus "$f"; done
    "$native" "$@" --out "$out/linux/$mode.XML" --settings "$out/linux/$mode.ENV" >/dev/null
    wine "$dir/convert/corvane-convert.exe" "$@" --out "$out/windows/$mode.XML" \
        --settings "$out/windows/$mode.ENV" >/dev/null
    for f in "$mode.XML" "$mode.ENV"; do
        if ! cmp "$out/linux/$f" "$out/windows/$f"; then
            echo "corvane-convert.exe wrote $f differently from the Linux build" >&2
            exit 1
        fi
    done
    echo "$mode: the same bytes as the Linux build ($(wc -c < "$out/linux/$mode.XML") bytes)"
    # What the wizard walks below must write: without --year the converter
    # takes the exports' 年分, as the wizard's output page does.
    set -- --employees examples/employees.txt --mode "$mode"
    for f in examples/salary-*.txt; do set -- "$@" --salary "$f"; done
    for f in examples/bonus-*.txt; do set -- "$@" --bonus "$f"; done
    "$native" "$@" --out "$out/linux/wizard-$mode.XML" --settings "$out/linux/wizard-$mode.ENV" >/dev/null
done

# Paths outside code page 932: the exports in a folder named with 𠮷 (U+20BB7).
wide="$WINEPREFIX/drive_c/𠮷田 給与"
rm -rf "$wide"
mkdir -p "$wide"
cp examples/*.txt "$wide/"
set -- --employees 'C:\𠮷田 給与\employees.txt' --year 26 --mode normal
for f in examples/salary-*.txt examples/bonus-*.txt; do
    case "$f" in *salary*) kind=--salary ;; *) kind=--bonus ;; esac
    set -- "$@" "$kind" "C:\\𠮷田 給与\\$(basename "$f")"
done
wine "$dir/convert/corvane-convert.exe" "$@" --out 'C:\𠮷田 給与\中間ファイル.XML' \
    --settings 'C:\𠮷田 給与\Corvane.ENV' >/dev/null
cmp "$out/linux/normal.XML" "$wide/中間ファイル.XML"
cmp "$out/linux/normal.ENV" "$wide/Corvane.ENV"
echo "a folder outside code page 932: the same bytes as the Linux build"

# Its messages: a redirected stream gets the console's code page (932
# here), a console gets the same text as the Linux build shows.
step "corvane-convert.exe messages, redirected and on a console"
set -- --employees examples/salary-01.txt --year 26 --out "$out/refused.XML"
"$native" "$@" > "$out/linux/messages.txt" 2>&1 || true
wine "$dir/convert/corvane-convert.exe" "$@" > "$out/windows/messages-redirected.txt" 2>&1 || true
iconv -f UTF-8 -t CP932 "$out/linux/messages.txt" | sed 's/$/\r/' > "$out/linux/messages-cp932.txt"
cmp "$out/linux/messages-cp932.txt" "$out/windows/messages-redirected.txt"
# script(1) gives wine a terminal, so the program finds a console there.
script -qec "wine $dir/convert/corvane-convert.exe $*" /dev/null > "$out/windows/messages-console.txt" || true
# Without the terminal's control sequences and line ends.
sed 's/\x1b\[[0-9;?]*[A-Za-z]//g; s/\x1b\][^\x07]*\x07//g' "$out/windows/messages-console.txt" | tr -d '\r' |
    grep -v '^$' > "$out/windows/messages-console-lf.txt"
grep -v '^$' "$out/linux/messages.txt" > "$out/linux/messages-lf.txt"
cmp "$out/linux/messages-lf.txt" "$out/windows/messages-console-lf.txt"
echo "messages: code page 932 when redirected, the Linux text on a console"

# A display for the windows: Xvfb on a display number that it picks itself
# as free (-displayfd), and wine's own desktop in it, so that wine draws
# the frames and the foreground is wine's to give.
step "Xvfb"
displayfile="$dir/xvfb.display"
rm -f "$displayfile"
Xvfb -displayfd 9 -screen 0 1600x1200x24 -nolisten tcp 9>"$displayfile" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; wineserver -k 2>/dev/null || true' EXIT
for _ in $(seq 100); do
    if [ -s "$displayfile" ] || ! kill -0 "$xvfb" 2>/dev/null; then break; fi
    sleep 0.1
done
if ! kill -0 "$xvfb" 2>/dev/null || [ ! -s "$displayfile" ]; then
    echo "Xvfb did not start" >&2
    exit 1
fi
export DISPLAY=":$(head -n 1 "$displayfile")"
echo "Xvfb on $DISPLAY"
desktop="explorer /desktop=corvane,1500x1100"
caller="$dir/tests/windows/caller/corvane-testcaller.exe"
corvane_exe=$(winepath -w "$root/$dir/gui/win32/corvane.exe" 2>/dev/null)
# The sample exports where the wizard's file dialogs find them.
data="$WINEPREFIX/drive_c/給与データ表"
rm -rf "$data"
mkdir -p "$data"
cp examples/*.txt "$data/"

step "dialogs of the resources"
# shellcheck disable=SC2086
wine $desktop "$caller" dialogs "$corvane_exe" 2>/dev/null | tee "$dir/dialogs.log"
tr -d '\r' < "$dir/dialogs.log" | grep -q '^dialogs: 0 failed$'

step "caller test under Xvfb"
rm -f "$dir/gui/win32/Corvane.ENV"
# shellcheck disable=SC2086
# Its walks choose the exports in the 𠮷 folder and write into a folder with a blank under it.
wine $desktop "$caller" caller "$corvane_exe" 'C:\𠮷田 給与' 2>/dev/null | tee "$dir/caller.log"
# The program writes its lines in text mode (CR LF).
tr -d '\r' < "$dir/caller.log" | grep -q '^caller: [0-9]* passed, 0 failed$'
# 簡易モード, into the path with a blank that the caller passed; the caller's
# function id is the only difference from the converter's file.
sed 's|<FUNCTIONID>1</FUNCTIONID>|<FUNCTIONID>3</FUNCTIONID>|' "$out/linux/wizard-easy.XML" > "$out/linux/caller-easy.XML"
cmp "$out/linux/caller-easy.XML" "$wide/給与 データ/ヴェルド取込.XML"
echo "caller: 簡易モード, the same bytes as the Linux build"

# Two sets of the sample generator for the findings box: 60 employees whose
# summaries lost the codes' leading zero, and a set large enough for the
# conversion to take a while (keys typed meanwhile must answer nothing).
samplegen=build/tools/samplegen/corvane-samplegen
if [ ! -x "$samplegen" ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build -j "$jobs" --target corvane-samplegen
fi
zero_lost="$data/先頭の0がないコード"
busy="$data/大きな関与先"
rm -rf "$zero_lost" "$busy"
mkdir -p "$zero_lost" "$busy"
"$samplegen" --employees 60 --bonuses 2 --zero-lost-codes --out "$zero_lost"
"$samplegen" --employees 4000 --bonuses 2 --out "$busy"

# The whole wizard under wine: the six pages, 完了, the completion message;
# its file must be the Linux converter's. The exports are handed over
# through the real file dialogs at 100 %, as a folder through the folder
# button at 150 %, and at 200 % as a folder dropped on the employee page, in
# a folder whose long path the fields must show shortened.
long_folder="関与先 株式会社サンプル商事 本社経理部/令和8年分 年末調整用エクスポート"
mkdir -p "$data/$long_folder"
cp examples/*.txt "$data/$long_folder/"
for scale in 100 150 200; do
    case $scale in
        100) handover=files; folder=$data ;;
        150) handover=folder; folder=$data ;;
        *) handover=drop; folder="$data/$long_folder" ;;
    esac
    step "wizard walk under Xvfb at $scale % ($handover)"
    set_dpi $(( 96 * scale / 100 ))
    shots="$dir/shots-$scale"
    rm -rf "$folder/中間ファイル.XML" "$shots" "$dir/gui/win32/Corvane.ENV"
    mkdir -p "$shots"
    # shellcheck disable=SC2086
    wine $desktop "$caller" screenshots "$corvane_exe" "$(winepath -w "$folder" 2>/dev/null)" \
        "$(winepath -w "$root/$shots" 2>/dev/null)" "$handover" 2>/dev/null | tee "$dir/shots-$scale.log"
    if grep -q '^FAIL' "$dir/shots-$scale.log"; then
        echo "the wizard walk at $scale % failed" >&2
        exit 1
    fi
    if [ "$handover" = drop ] && ! grep -q '^elided: .*\.\.\.\\employees\.txt' "$dir/shots-$scale.log"; then
        echo "the walk at $scale % did not show the long path shortened" >&2
        exit 1
    fi
    cmp "$out/linux/wizard-normal.XML" "$folder/中間ファイル.XML"
    cmp "$out/linux/wizard-normal.ENV" "$dir/gui/win32/Corvane.ENV"
    echo "wizard at $scale % ($handover): the same bytes as the Linux build"
    step "findings box at $scale %"
    set -- "$(winepath -w "$zero_lost" 2>/dev/null)" "$(winepath -w "$root/$shots" 2>/dev/null)"
    [ "$scale" != 100 ] || set -- "$@" "$(winepath -w "$busy" 2>/dev/null)"
    # shellcheck disable=SC2086
    wine $desktop "$caller" findings "$corvane_exe" "$@" 2>/dev/null | tee "$dir/findings-$scale.log"
    tr -d '\r' < "$dir/findings-$scale.log" | grep -q '^findings: 0 failed$'
    wineserver -k 2>/dev/null || true
done
set_dpi 96

if [ "$option" = "--screenshots" ]; then
    for scale in 100 150; do
        target=docs/screenshots/windows
        [ "$scale" = 100 ] || target="$target/$scale"
        mkdir -p "$target"
        for f in "$dir/shots-$scale"/*.bmp; do
            python3 tests/windows/bmp2png.py "$f" "$target/$(basename "$f" .bmp).png"
        done
    done
fi
step ""
echo "== windows: done in $(( $(date +%s) - started )) s"
