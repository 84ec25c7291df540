#!/bin/sh
# Installs what is missing, builds everything and runs every test.
#   scripts/test.sh              the normal build (build/)
#   scripts/test.sh --sanitize   the core with AddressSanitizer and UBSan (build-asan/)
set -eu
cd "$(dirname "$0")/.."
scripts/setup-debian.sh

if [ "${1:-}" = "--sanitize" ]; then
    kind=sanitize
    dir=build-asan
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVANE_SANITIZE=ON -DCORVANE_BUILD_QT=OFF >/dev/null
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
    kind=linux
    dir=build
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$dir"
export QT_QPA_PLATFORM=offscreen
cd "$dir"
ctest --output-on-failure -j2 --output-log ctest.log
# Every suite ran at least its floor of tests; silent when so.
../scripts/check-test-count.sh "$kind" ctest.log
