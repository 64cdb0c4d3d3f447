# Sourced by the benchmark scripts: sets `cli` to BENCH_CLI, or to the morvane-cli of a Release
# build in BENCH_BUILD (default build/bench), built first.
bench_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
if [ -n "${BENCH_CLI:-}" ]; then
    cli="$BENCH_CLI"
else
    bench_build="${BENCH_BUILD:-$bench_root/build/bench}"
    cmake -S "$bench_root" -B "$bench_build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$bench_build" --target morvane-cli >/dev/null
    cli="$(find "$bench_build" -type f -name morvane-cli -perm -u+x | head -n 1)"
fi
