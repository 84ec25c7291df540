#!/bin/sh
# Checks the tests that one ctest run ran against the fewest each suite must
# run (tests/test-counts.txt), so that a suite that stopped being built or
# registered fails CI instead of vanishing from the count. Silent when every
# suite ran its floor: the last line of a run stays ctest's summary.
#   scripts/check-test-count.sh KIND LOG   KIND: linux, sanitize or windows;
#                                          LOG: ctest's --output-log
#   scripts/check-test-count.sh --counts LOG   the tests per suite in LOG
# A suite is the part of a test's name before its first dot: a GoogleTest
# executable's name (corvane_core_test prefixes its cases with it), "gui" or
# "Bench".
set -eu
# join needs the order that sort gave.
export LC_ALL=C
root="$(cd "$(dirname "$0")/.." && pwd)"
floors="$root/tests/test-counts.txt"

# The suites of the tests that ran, with how many tests each ran.
ran() {
    sed -n 's/^ *[0-9][0-9]*\/[0-9][0-9]* Test  *#[0-9][0-9]*: \([^ ]*\) .*/\1/p' "$1" |
        sed 's/\..*//' | sort | uniq -c | awk '{ print $2, $1 }'
}

if [ "${1:-}" = "--counts" ]; then
    ran "$2"
    exit 0
fi
kind=$1
log=$2
case "$kind" in
    linux) column=2 ;;
    sanitize) column=3 ;;
    windows) column=4 ;;
    *) echo "check-test-count: unknown build kind $kind" >&2; exit 2 ;;
esac

expected=$(mktemp)
actual=$(mktemp)
trap 'rm -f "$expected" "$actual"' EXIT
grep -v '^#' "$floors" | awk -v c="$column" 'NF { print $1, $c }' | sort > "$expected"
ran "$log" | sort > "$actual"

# join -a1 -a2: every suite of either list, "none" where one list lacks it.
failed=$(join -a 1 -a 2 -e none -o 0,1.2,2.2 "$expected" "$actual" | awk '
    $2 == "-" && $3 == "none" { next }
    $2 == "none" || $2 == "-" { print "suite " $1 " ran " $3 " tests but is not expected in this build (tests/test-counts.txt)"; next }
    $3 == "none" { print "suite " $1 " ran no test; at least " $2 " expected"; next }
    $3 + 0 < $2 + 0 { print "suite " $1 " ran " $3 " tests; at least " $2 " expected" }')
if [ -n "$failed" ]; then
    echo "$failed" | sed "s/^/check-test-count ($kind): /" >&2
    exit 1
fi
