#!/bin/sh
# The conversion benchmark (docs/performance.md): a Release build in
# build-perf, then corvane-bench for 1,000, 10,000 and 50,000 employees.
#   scripts/bench.sh                             the three sets, five runs each
#   scripts/bench.sh --runs 9                    more runs
#   scripts/bench.sh --employees 2000 --keep     other sets; keep the files
# Needs about 1.3 GB free in build-perf for the 50,000-employee set.
set -eu
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
cmake -S . -B build-perf -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVANE_BUILD_QT=OFF -DCORVANE_BUILD_TESTS=OFF >/dev/null
cmake --build build-perf --target corvane-bench
exec build-perf/bench/corvane-bench --dir build-perf/bench-data "$@"
