#!/usr/bin/env bash
# Times a start of the installed program, which first brings the user's copy of the shipped data
# up to date, against a start in a plain installation folder, which has no copy to look after:
# `morvane-cli html Stars` of a Release build installed into a temporary prefix, runs
# alternating, and prints the median wall time of each, the mean processor time (steadier on a
# busy machine) and the ratios (target: installed / plain <= 1.25).
#   BENCH_RUNS (default 200) runs of each start; BENCH_BUILD is the Release build folder to use
#   (default build/bench), built and installed first.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
runs="${BENCH_RUNS:-200}"
build="${BENCH_BUILD:-$here/build/bench}"

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
# The whole build: the installation holds the runtime and the live pane's module too.
cmake --build "$build" >/dev/null

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/prefix" >/dev/null
cli="$work/prefix/bin/morvane-cli"
mkdir -p "$work/elsewhere" "$work/data"
cp -R "$work/prefix/share/morvane" "$work/plain"
unset MORVANE_INSTALL_DIR
export XDG_DATA_HOME="$work/data"

# The first starts make the user's copy and record what they found; they and ten warm-up runs of
# each kind are not timed.
cd "$work/elsewhere"
"$cli" html Stars >"$work/installed.html"
"$cli" -v html Stars 2>"$work/verbose.txt" >/dev/null
if ! grep -qx "Installation folder: $work/data/morvane" "$work/verbose.txt"; then
    echo "the installed start did not use the user's copy:" >&2
    cat "$work/verbose.txt" >&2
    exit 1
fi
cd "$work/plain"
"$cli" html Stars >"$work/plain.html"
cmp -s "$work/installed.html" "$work/plain.html" || {
    echo "the two starts printed different pages" >&2
    exit 1
}

# Children's processor time in milliseconds from the second line of what `times` printed into
# file $1 (`times` runs in this shell: a subshell of its own would have no children).
children_cpu_ms() {
    awk 'NR == 2 {
        split($1, u, /[ms]/); split($2, s, /[ms]/)
        printf "%.3f", (u[1] * 60 + u[2] + s[1] * 60 + s[2]) * 1000 }' "$1"
}

# Runs one start in folder $2; appends its wall time to $1.ms and its processor time to $1.cpu.
start() {
    local t0 t1
    cd "$2"
    times >"$work/before.txt"
    t0=$EPOCHREALTIME
    "$cli" html Stars >/dev/null
    t1=$EPOCHREALTIME
    times >"$work/after.txt"
    awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.3f\n", (b - a) * 1000 }' >>"$work/$1.ms"
    awk -v a="$(children_cpu_ms "$work/before.txt")" -v b="$(children_cpu_ms "$work/after.txt")" \
        'BEGIN { printf "%.3f\n", b - a }' >>"$work/$1.cpu"
}

median() {
    sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

mean() {
    awk '{ s += $1 } END { printf "%.3f", s / NR }'
}

for ((i = 0; i < 10; i++)); do
    start warmup "$work/elsewhere"
    start warmup "$work/plain"
done
for ((i = 0; i < runs; i++)); do
    start installed "$work/elsewhere"
    start plain "$work/plain"
done

installed_ms=$(median <"$work/installed.ms")
plain_ms=$(median <"$work/plain.ms")
installed_cpu=$(mean <"$work/installed.cpu")
plain_cpu=$(mean <"$work/plain.cpu")
echo "== morvane-cli html Stars, $runs alternating runs each ($(du -sk "$work/plain" | cut -f1) KiB of data)"
printf '%-36s %14s %14s\n' start "median wall ms" "mean CPU ms"
printf '%-36s %14s %14s\n' "installed (user's copy brought up)" "$installed_ms" "$installed_cpu"
printf '%-36s %14s %14s\n' "plain installation folder" "$plain_ms" "$plain_cpu"
awk -v i="$installed_ms" -v p="$plain_ms" -v ic="$installed_cpu" -v pc="$plain_cpu" 'BEGIN {
    printf "ratio installed/plain: wall %.2f, CPU %.2f (target <= 1.25)\n", i / p, ic / pc }'
