#!/usr/bin/env bash
# Regenerates the sample, parameters help and all-applets pages under data/samples from the
# shipped settings, with the program's own generator, so they cannot drift from the code.
# Usage: tools/make-samples.sh [BUILD_DIR]   (BUILD_DIR must hold a built morvane-cli)
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$here/build/release}"
if [ ! -x "$build/src/cli/morvane-cli" ]; then
    cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$build" --target morvane-cli
fi

staging="$(mktemp -d)"
trap 'rm -rf "$staging"' EXIT
cp -R "$here/data/." "$staging/"
install -m 755 "$build/src/cli/morvane-cli" "$staging/morvane-cli"
(cd "$staging" && ./morvane-cli first-run >/dev/null && ./morvane-cli samples >/dev/null)

cp "$staging/samples/index.htm" "$staging/samples/samples.css" "$here/data/samples/"
for folder in "$staging"/samples/*/; do
    kind="$(basename "$folder")"
    cp "$folder"/*.htm "$here/data/samples/$kind/"
done
echo "Sample pages written into data/samples"
