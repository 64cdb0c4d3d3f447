#!/usr/bin/env bash
# make-icons.sh [OUT_DIR]
# Renders the application icon packaging/icons/net.morvane.Morvane.svg into the PNG sizes of
# the hicolor icon theme: OUT_DIR/<size>x<size>/net.morvane.Morvane.png. OUT_DIR defaults to
# packaging/icons/hicolor of this repository; the PNGs are committed, so run this only after
# changing the SVG. Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
svg="$here/packaging/icons/net.morvane.Morvane.svg"
out="${1:-$here/packaging/icons/hicolor}"

for size in 16 22 24 32 48 64 128 256; do
    mkdir -p "$out/${size}x${size}"
    rsvg-convert --width "$size" --height "$size" --keep-aspect-ratio "$svg" \
        --output "$out/${size}x${size}/net.morvane.Morvane.png"
done
