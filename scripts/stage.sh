#!/usr/bin/env bash
# stage.sh INSTALL_DIR BUILD_DIR
# Copies the shipped tree into INSTALL_DIR without replacing anything already there, so the
# user's settings and lists survive, and puts the freshly built programs beside it.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
install_dir="$1"
build_dir="$2"

mkdir -p "$install_dir"
cp -R -n "$here/data/." "$install_dir/"
# The applet runtime is program code, not the user's data: always the current one.
cp -R "$here/data/runtime/." "$install_dir/runtime/"
mkdir -p "$install_dir/test"
install -m 755 "$build_dir/src/app/morvane" "$install_dir/morvane"
install -m 755 "$build_dir/src/cli/morvane-cli" "$install_dir/morvane-cli"
