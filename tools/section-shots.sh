#!/usr/bin/env bash
# Draws every section of the parameter page into PNG files, to look at the layout at this
# machine's default font. Usage: tools/section-shots.sh [BUILD_DIR] [OUTPUT_DIR]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$here/build/shots}"
out="${2:-$(mktemp -d)}"
if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON >/dev/null
fi
cmake --build "$build" --target morvane_section_shots
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$build/tools/section-shots/morvane_section_shots" "$out"
