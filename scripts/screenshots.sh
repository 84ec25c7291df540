#!/bin/sh
# Renders every wizard page and the item selection dialog to
# docs/screenshots/*.png, headless (Qt's offscreen platform), by walking the
# wizard on the sample exports in examples/.
#   scripts/screenshots.sh                          builds in build/
#   CORVANE_BUILD_DIR=build-x scripts/screenshots.sh
set -eu
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
dir="${CORVANE_BUILD_DIR:-build}"
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$dir" --target corvane-screenshots
mkdir -p docs/screenshots
QT_QPA_PLATFORM=offscreen "$dir/gui/qt/corvane-screenshots" --examples examples --out docs/screenshots
