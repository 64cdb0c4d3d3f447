#!/usr/bin/env bash
# Builds Morvane, installs it inside the build folder and starts it on the staged installation
# ($MORVANE_INSTALL_DIR, default ~/Morvane). The program brings that folder up to date itself,
# as an installed program does each user's copy: missing files are added, shipped files the user
# never changed follow the source tree, and settings, lists and changed files are kept.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
install_dir="$(realpath -m "${MORVANE_INSTALL_DIR:-$HOME/Morvane}")"
prefix="$here/build/release/prefix"

"$here/scripts/install-deps.sh"
cmake -S "$here" -B "$here/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$here/build/release"
# A file dropped from data/ must not linger among the shipped ones.
rm -rf "$prefix/share/morvane"
cmake --install "$here/build/release" --prefix "$prefix" >/dev/null

# Run as root, the program leaves its web engine off rather than let it end the program.
if [ "$(id -u)" -eq 0 ] && [ -z "${QTWEBENGINE_DISABLE_SANDBOX+set}" ]; then
    echo "Running as root: the live preview stays off; QTWEBENGINE_DISABLE_SANDBOX=1 runs it" \
        "without its sandbox." >&2
fi
# The prefix holds no morvane.ini, so the program turns to the staged folder.
cd "$prefix"
MORVANE_INSTALL_DIR="$install_dir" exec "$prefix/bin/morvane" "$@"
