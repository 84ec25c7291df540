#!/bin/sh
# Coverage-guided fuzzing with libFuzzer (clang, ASan and UBSan) of every
# entry point that takes outside bytes (tests/fuzz/libfuzzer/).
#   scripts/fuzz.sh [--seconds N] [--runs R] [--timeout T] [--jobs J] [harness...]
#       installs what is missing, builds the harnesses in build-fuzz/ and runs
#       each for N seconds (default 60), or R executions when sooner, from the committed corpus
#       (tests/fuzz/corpus/<harness>/), keeping new inputs in
#       build-fuzz/fuzz-work/<harness>/corpus/. Prints executions, edges and
#       findings per harness; fails when any harness found something (a
#       crash, leak, sanitizer report, an input over T s (default 2) or over
#       2 GB). The time is the wall clock's: on a machine whose cores are
#       shared, a long run at a low priority wants a larger T, and a timeout
#       input is then run alone to see whether it is slow. J harnesses run
#       side by side (default: one a core).
#   scripts/fuzz.sh --merge [harness...]
#       minimises the committed corpus with what the work folders found
#       (-merge=1, inputs cut at 2,000 bytes) and writes it back to
#       tests/fuzz/corpus/<harness>/.
#   scripts/fuzz.sh --coverage [harness...]
#       builds the harnesses with source coverage (build-fuzz-cov/), runs the
#       committed corpus once and prints llvm-cov's line coverage of the core.
# Harnesses: reader_preflight identify settings start_parameter folder_sort conversion export_years checklist_html
set -eu
cd "$(dirname "$0")/.."
all="reader_preflight identify settings start_parameter folder_sort conversion export_years checklist_html"
seconds=60
runs=-1
jobs=$(nproc 2>/dev/null || echo 1)
timeout=2
mode=run
while [ $# -gt 0 ]; do
    case "$1" in
    --seconds) seconds=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    --timeout) timeout=$2; shift 2 ;;
    --jobs) jobs=$2; shift 2 ;;
    --merge) mode=merge; shift ;;
    --coverage) mode=coverage; shift ;;
    -*) echo "fuzz.sh: unknown option $1" >&2; exit 2 ;;
    *) break ;;
    esac
done
harnesses=${*:-$all}
scripts/setup-debian.sh --fuzz

dir=build-fuzz
# No build type: CMakeLists.txt gives the fuzz build its own flags.
options="-DCORVANE_BUILD_FUZZERS=ON -DCMAKE_BUILD_TYPE="
if [ "$mode" = coverage ]; then
    # Unoptimised, so that every line counts where it stands.
    dir=build-fuzz-cov
    options="-DCORVANE_BUILD_FUZZERS=ON -DCORVANE_FUZZ_COVERAGE=ON -DCMAKE_BUILD_TYPE=Debug"
fi
started=$(date +%s)
# Configured once; the build itself configures again when a CMake file changed.
if [ ! -f "$dir/CMakeCache.txt" ]; then
    # shellcheck disable=SC2086
    CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCORVANE_BUILD_QT=OFF $options >/dev/null
fi
cmake --build "$dir" --target corvane-fuzzers
echo "fuzz.sh: built in $(($(date +%s) - started)) s"

# The dictionary: the keywords in code page 932, as libFuzzer reads them.
dict="$dir/fuzz-work/exports.dict"
mkdir -p "$dir/fuzz-work"
python3 - tests/fuzz/dict/keywords.txt "$dict" <<'EOF'
import codecs, sys
words = []
for line in open(sys.argv[1], encoding="utf-8").read().splitlines():
    if not line or line.startswith("#"):
        continue
    data = codecs.decode(line, "unicode_escape").encode("latin-1") if line.isascii() else line.encode("cp932")
    words.append('kw%d="%s"' % (len(words), "".join("\\x%02X" % b for b in data)))
open(sys.argv[2], "w").write("\n".join(words) + "\n")
EOF

# The harnesses write their files for every input: in memory when it can.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi
# One harness's run; its line of the summary goes to $work/summary, and
# $work/failed exists when it found something.
run_one() {
    h=$1 binary=$2 corpus=$3 work=$4
    rm -f "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$work"/oom-* "$work"/slow-unit-* "$work/failed"
    status=0
    # Inputs may grow past the committed ones' 2,000 bytes.
    "$binary" -max_total_time="$seconds" -runs="$runs" -max_len=8000 -timeout="$timeout" -rss_limit_mb=2048 -dict="$dict" \
        -artifact_prefix="$work/" -print_final_stats=1 "$work/corpus" "$corpus" >"$work/run.log" 2>&1 ||
        status=$?
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/run.log" | tail -n 1)
    edges=$(grep -o 'cov: [0-9]*' "$work/run.log" | tail -n 1 | cut -d' ' -f2)
    artifacts=$(find "$work" -maxdepth 1 \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \))
    findings=$(printf '%s' "$artifacts" | grep -c . || true)
    if [ "$status" != 0 ] && [ "$findings" = 0 ]; then
        findings=1  # a report without an artifact (a sanitizer's)
    fi
    added=$(sed -n 's/^stat::new_units_added: *//p' "$work/run.log" | tail -n 1)
    printf '%-17s executions %10s  edges %6s  new inputs %5s  findings %s\n' "$h" "${executions:-?}" \
        "${edges:-?}" "${added:-?}" "$findings" >"$work/summary"
    if [ "$findings" != 0 ]; then
        {
            grep -E 'ERROR|broken promise|SUMMARY|runtime error' "$work/run.log" | head -n 5
            echo "  log: $work/run.log; inputs: $(echo "$artifacts" | tr '\n' ' ')"
        } >>"$work/summary"
        touch "$work/failed"
    fi
}

failed=""
running=0
for h in $harnesses; do
    binary="$dir/tests/fuzz/libfuzzer/fuzz-$h"
    corpus="tests/fuzz/corpus/$h"
    work="$dir/fuzz-work/$h"
    mkdir -p "$work/corpus" "$corpus"
    case "$mode" in
    merge)
        rm -rf "$work/merged"
        mkdir -p "$work/merged"
        # Inputs cut at 2,000 bytes keep the corpus of eight harnesses under
        # 5 MB after 30-minute runs (3,000 made 6.6 MB, for 0.1 to 0.6 % more
        # edges).
        "$binary" -merge=1 -max_len=2000 -timeout=10 -rss_limit_mb=2048 "$work/merged" "$corpus" "$work/corpus" \
            >"$work/merge.log" 2>&1
        rm -rf "$corpus"
        mv "$work/merged" "$corpus"
        echo "$h: $(find "$corpus" -type f | wc -l) inputs, $(du -sb "$corpus" | cut -f1) bytes"
        ;;
    coverage)
        LLVM_PROFILE_FILE="$work/cov.profraw" "$binary" -runs=0 "$corpus" >"$work/coverage.log" 2>&1
        ;;
    run)
        # Harnesses side by side, one a core: the wall-clock time is CI's.
        if [ "$running" -ge "$jobs" ]; then
            wait
            running=0
        fi
        run_one "$h" "$binary" "$corpus" "$work" &
        running=$((running + 1))
        ;;
    esac
done
wait
if [ "$mode" = run ]; then
    for h in $harnesses; do
        cat "$dir/fuzz-work/$h/summary"
        if [ -e "$dir/fuzz-work/$h/failed" ]; then
            failed="$failed $h"
        fi
    done
fi

if [ "$mode" = coverage ]; then
    llvm-profdata merge -sparse "$dir"/fuzz-work/*/cov.profraw -o "$dir/fuzz-work/cov.profdata"
    objects=""
    for h in $harnesses; do
        objects="$objects ${objects:+-object }$dir/tests/fuzz/libfuzzer/fuzz-$h"
    done
    # shellcheck disable=SC2086
    llvm-cov report $objects -instr-profile="$dir/fuzz-work/cov.profdata" >"$dir/fuzz-work/coverage.txt"
    # shellcheck disable=SC2086
    llvm-cov show $objects -instr-profile="$dir/fuzz-work/cov.profdata" -show-branches=count \
        >"$dir/fuzz-work/coverage-lines.txt"
    # Lines per core folder; the compiled copies (code page 932 literals) stand for the sources.
    # Their paths are relative when ccache's base folder rewrote them.
    awk '
        index($1, "cp932/") > 0 {
            path = substr($1, index($1, "cp932/") + 6)
            folder = substr(path, 1, index(path, "/") - 1)
            if (folder !~ /^(text|fileio|platform|items|sormaexport|xmlout|engine|preflight|job|wizard|checklist)$/) next
            lines[folder] += $8; missed[folder] += $9; all += $8; allMissed += $9
        }
        END {
            for (f in lines) printf "%-12s lines %6d  covered %6.1f%%\n", f, lines[f], 100 * (lines[f] - missed[f]) / lines[f]
            printf "%-12s lines %6d  covered %6.1f%%\n", "all", all, 100 * (all - allMissed) / all
        }' "$dir/fuzz-work/coverage.txt" | sort
    echo "per file: $dir/fuzz-work/coverage.txt; line by line: $dir/fuzz-work/coverage-lines.txt"
fi
if [ -n "$failed" ]; then
    echo "fuzz.sh: findings in:$failed" >&2
    exit 1
fi
