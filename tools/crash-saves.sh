#!/usr/bin/env bash
# The long form of the crash test: a helper saves LoginBox in a loop and is killed at random
# moments, 500 times by default (CRASH_KILLS); after each kill a load must find one whole save.
#   BUILD is the test build folder holding morvane_reliability_tests (default build/test).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD:-$here/build/test}"
cmake --build "$build" --target morvane_reliability_tests >/dev/null
binary="$(find "$build" -type f -name morvane_reliability_tests -perm -u+x | head -n 1)"
MORVANE_CRASH_KILLS="${CRASH_KILLS:-500}" "$binary" --gtest_filter='SaveCrash.*'
