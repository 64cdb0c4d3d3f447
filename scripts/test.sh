#!/usr/bin/env bash
# Builds everything with the sanitizers and runs every test, the format check included.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$here/build/test"

"$here/scripts/install-deps.sh" --with-browser

cd "$here"
unformatted=$(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'fuzz/*.cpp' 'bench/*.cpp' 'tools/*.cpp' \
    | xargs -r clang-format --dry-run 2>&1 | grep -c 'warning:' || true)
if [ "$unformatted" -ne 0 ]; then
    echo "clang-format: $unformatted places need formatting (run clang-format -i on the files)" >&2
    exit 1
fi
# One string-literal form: u"..."_s.
if git grep -n 'QStringLiteral' -- 'src/*' 'tests/*' 'fuzz/*' 'bench/*' 'tools/*' >&2; then
    echo "write string literals as u\"...\"_s" >&2
    exit 1
fi

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DMORVANE_SANITIZE=ON -DMORVANE_WERROR=ON -DBUILD_TESTING=ON -DMORVANE_BENCH=ON >/dev/null
cmake --build "$build"
# The rules in .clang-tidy, over every source the build compiles.
# Headers are checked where they are ours, not what moc or the build writes.
ours="^$here/(src|tests|fuzz|bench|tools)/"
if ! run-clang-tidy -p "$build" -quiet -j"$(nproc)" -header-filter="$ours" "$ours" \
    >"$build/clang-tidy.log" 2>&1; then
    grep -A3 'error:' "$build/clang-tidy.log" >&2 || tail -20 "$build/clang-tidy.log" >&2
    exit 1
fi
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure -j2

# The live pane on the real web engine. The engine's own code trips the sanitizers (a
# new/delete size mismatch inside it), so its test has a build of its own, without them, that
# compiles only what the test needs. It runs under a virtual X server with software rendering;
# the engine's sandbox refuses to start as root.
webview="$here/build/webview"
cmake -S "$here" -B "$webview" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMORVANE_WERROR=ON \
    -DBUILD_TESTING=ON >/dev/null
cmake --build "$webview" --target morvane_webview_tests
ctest --test-dir "$webview" -R '^LiveWebView$' --output-on-failure

# The applet runtime: unit tests, and browser tests in Chromium on the script the build joined.
npm ci --no-audit --no-fund --loglevel=error
MORVANE_BUILD_DIR="$build" node --test --test-concurrency=1 tests/runtime/

if [ -x "$here/fuzz/run-briefly.sh" ]; then
    "$here/fuzz/run-briefly.sh"
fi
