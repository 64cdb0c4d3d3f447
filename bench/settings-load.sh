#!/usr/bin/env bash
# Loads settings files of 100,000 and 1,000,000 small sections (about 1.6 and 16 MB) with
# `morvane-cli html Stars`, which reads the whole file as the program does when a kind's page
# opens, and prints the file size, the peak memory and the wall and processor time of each load.
#   BENCH_BUILD is the Release build folder to use (default build/bench); BENCH_CLI times a
#   morvane-cli already built instead; BENCH_SECTIONS lists the section counts.
set -euo pipefail
source "$(dirname "$0")/release-cli.sh"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

printf '%-10s %10s %12s %10s %10s %8s\n' sections file_kb peak_kb wall_ms cpu_ms peak/file
for sections in ${BENCH_SECTIONS:-100000 1000000}; do
    dir="$work/$sections"
    mkdir -p "$dir"
    awk -v n="$sections" 'BEGIN {
        for (i = 0; i < n; i++) printf "[S%07d]\r\nk=%d\r\n", i, i
        printf "[Stars]\r\nWidth=300\r\nHeight=200\r\n"
    }' >"$dir/morvane.ini"
    file_kb=$(( $(stat -c %s "$dir/morvane.ini") / 1024 ))
    start=$(date +%s%N)
    (cd "$dir" && /usr/bin/time -v -o "$work/time.txt" "$cli" html Stars >/dev/null 2>&1) || true
    end=$(date +%s%N)
    peak_kb=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/time.txt")
    cpu_ms=$(awk -F': ' '/User time|System time/ { s += $2 } END { printf "%.0f", s * 1000 }' \
        "$work/time.txt")
    printf '%-10s %10s %12s %10s %10s %8.1f\n' "$sections" "$file_kb" "$peak_kb" \
        "$(( (end - start) / 1000000 ))" "$cpu_ms" "$(awk -v p="$peak_kb" -v f="$file_kb" \
        'BEGIN { print p / f }')"
done
