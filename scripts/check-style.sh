#!/bin/sh
# The tree's habits, checked: clang-format leaves every C++ file as it is, no
# header of a code page 932 target holds a Japanese literal, and clang-tidy's
# small set of bug-finding checks (.clang-tidy) is clean over the core.
#   scripts/check-style.sh [BUILD_DIR]   BUILD_DIR: a configured build whose
#                                        compile_commands.json lists the core
#                                        (default build-asan, then build)
set -eu
cd "$(dirname "$0")/.."
scripts/setup-debian.sh --style

core="text fileio platform items sormaexport xmlout engine preflight job wizard convert"

echo "clang-format: $(git ls-files '*.cpp' '*.h' | wc -l) files"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

# shellcheck disable=SC2086
python3 scripts/check-header-literals.py $core tests
echo "header literals: none"

dir="${1:-}"
if [ -z "$dir" ]; then
    for candidate in build-asan build; do
        if [ -f "$candidate/compile_commands.json" ]; then dir=$candidate; break; fi
    done
fi
[ -n "$dir" ] && [ -f "$dir/compile_commands.json" ] || {
    echo "check-style.sh: no configured build with compile_commands.json" >&2
    exit 2
}
# clang knows no code page 932 execution character set, and GCC's own
# warning options are no business of clang's: the database clang-tidy reads
# leaves them out. The literals' bytes do not matter to the checks.
tidydb=$(mktemp -d)
trap 'rm -rf "$tidydb"' EXIT
sed -e 's/-finput-charset=UTF-8//g; s/-fexec-charset=CP932//g; s/-Wno-restrict//g' \
    "$dir/compile_commands.json" >"$tidydb/compile_commands.json"
# Windows-only sources are left out (their headers do not exist here), and so
# is clang's warning on members that only the Windows build uses.
files=$(for d in $core; do git ls-files "$d/*.cpp"; done | grep -v '/win32/')
echo "clang-tidy: $(echo "$files" | wc -l) files"
# shellcheck disable=SC2086
echo "$files" | xargs -P "$(nproc)" -n 4 clang-tidy -p "$tidydb" --quiet --extra-arg=-Wno-unused-private-field --warnings-as-errors='*' 2>/dev/null
echo "clang-tidy: clean"
