#!/usr/bin/env bash
# Builds Morvane, stages the shipped installation (once; later runs keep the user's settings)
# and starts the program in it.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
install_dir="${MORVANE_INSTALL_DIR:-$HOME/Morvane}"

"$here/scripts/install-deps.sh"
cmake -S "$here" -B "$here/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$here/build/release"

"$here/scripts/stage.sh" "$install_dir" "$here/build/release"
cd "$install_dir"
exec ./morvane "$@"
