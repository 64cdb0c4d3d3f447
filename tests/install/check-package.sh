#!/usr/bin/env bash
# check-package.sh BUILD_DIR
# Builds the Debian package from the build's install, checks its dependencies and contents,
# and runs lintian on it: any error fails.
set -euo pipefail
build_dir="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; exit 1; }
deb=$(ls "$work"/morvane_*.deb)

depends=$(dpkg-deb -f "$deb" Depends)
for package in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libmicrohttpd12 \
    libqt6webenginewidgets6 libqt6webenginecore6-bin; do
    grep -q "\b$package\b" <<<"$depends" || fail "Depends lacks $package: $depends"
done
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in ./usr/bin/morvane ./usr/bin/morvane-cli ./usr/share/morvane/morvane.ini \
    ./usr/share/morvane/runtime/morvane-applets.js \
    ./usr/share/applications/net.morvane.Morvane.desktop \
    ./usr/share/metainfo/net.morvane.Morvane.metainfo.xml \
    ./usr/share/icons/hicolor/48x48/apps/net.morvane.Morvane.png \
    ./usr/share/man/man1/morvane-cli.1.gz ./usr/share/doc/morvane/copyright; do
    grep -qxF "$file" <<<"$contents" || fail "the package lacks $file"
done

lintian --fail-on error --no-tag-display-limit "$deb" >"$work/lintian.log" 2>&1 ||
    fail "lintian: $(grep -v '^N:' "$work/lintian.log")"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "package $(basename "$deb") checked"
