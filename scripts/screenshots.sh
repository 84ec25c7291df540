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
# Dates and sizes in the file dialog as a Japanese desktop shows them.
if locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    export LC_ALL=ja_JP.UTF-8
fi
QT_QPA_PLATFORM=offscreen "$dir/gui/qt/corvane-screenshots" --examples examples --out docs/screenshots
