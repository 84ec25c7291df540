#!/bin/sh
# Coverage-guided fuzzing with AFL++ (Debian's afl++) and GCC, with
# AddressSanitizer and UBSan. Not part of CI: run it by hand.
#   tests/fuzz/afl/run.sh [SECONDS]   fuzz for SECONDS (default 600) in build-afl/
# Crashes land in build-afl/afl-out/default/crashes/; replay one with
#   build-afl/tests/fuzz/corvane-afl FILE
set -eu
cd "$(dirname "$0")/../../.."
seconds=${1:-600}
if ! command -v afl-g++ >/dev/null 2>&1; then
    if [ "$(id -u)" = 0 ]; then
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends afl++ >/dev/null
    else
        echo "afl-g++ is missing: apt-get install afl++" >&2
        exit 1
    fi
fi
scripts/setup-debian.sh

dir=build-afl
mkdir -p "$dir"
# The GCC plugin (afl-g++-fast) where it matches the compiler; Debian 12's
# does not ("GCC and plugin have incompatible versions"), and then the
# assembler instrumentation of afl-g++.
compiler=afl-g++
printf 'int main() { return 0; }\n' > "$dir/probe.cpp"
if afl-g++-fast -o "$dir/probe" "$dir/probe.cpp" >/dev/null 2>&1; then
    compiler=afl-g++-fast
fi
echo "compiler: $compiler"
export AFL_USE_ASAN=1 AFL_USE_UBSAN=1
CXX=$compiler cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCORVANE_BUILD_QT=OFF -DCORVANE_AFL=ON >/dev/null
cmake --build "$dir" --target corvane-afl

# Seeds: each sample export and a settings file for every kind of target
# (the first byte of an input picks its target).
seeds="$dir/afl-seeds"
rm -rf "$seeds"
mkdir -p "$seeds"
settings='会社名,総支給金額,,社会保険料等の控除額,,扶養親族等の数,,算出税額
サンプル商事株式会社,支給合計,50,社会保険料計,72,扶養人数,93,所得税,65'
printf '\000%s' "$(head -n 5 examples/salary-04.txt)" > "$seeds/splitter"
printf '\001' | cat - examples/employees.txt > "$seeds/employees"
printf '\002' | cat - examples/salary-04.txt > "$seeds/salary"
printf '\002' | cat - examples/bonus-1.txt > "$seeds/bonus"
printf '\003%s' "$settings" | iconv -f UTF-8 -t CP932 > "$seeds/settings"
printf '\004100,32769,3,C:\\Data\\out.XML' > "$seeds/start"
printf '\005' | cat - examples/employees.txt > "$seeds/conversion"

export AFL_SKIP_CPUFREQ=1 AFL_I_DONT_CARE_ABOUT_MISSING_CRASHES=1 AFL_NO_UI=1
afl-fuzz -i "$seeds" -o "$dir/afl-out" -m none -t 2000 -V "$seconds" -- "$dir/tests/fuzz/corvane-afl" @@ || true
crashes=$(find "$dir/afl-out/default/crashes" -type f -name 'id:*' 2>/dev/null | wc -l)
hangs=$(find "$dir/afl-out/default/hangs" -type f -name 'id:*' 2>/dev/null | wc -l)
grep -E '^(execs_done|corpus_count|bitmap_cvg)' "$dir/afl-out/default/fuzzer_stats" || true
echo "crashes: $crashes, hangs: $hangs"
[ "$crashes" = 0 ] && [ "$hangs" = 0 ]
