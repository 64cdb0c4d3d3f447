#!/usr/bin/env bash
# Converts a two-minute WAV file many times (STRESS_RUNS, default 10000) while two busy loops
# load the processors, and fails any conversion that takes longer than STRESS_TIMEOUT seconds
# (default 5): a hand-over between the reader and the encoder that misses a wake-up shows as such
# a stall. Prints the number of runs, the stalls and the median, 99th percentile and longest
# wall times. BENCH_BUILD / BENCH_CLI as in wav2au-vs-sox.sh.
set -euo pipefail
source "$(dirname "$0")/release-cli.sh"
runs="${STRESS_RUNS:-10000}"
timeout_s="${STRESS_TIMEOUT:-5}"

work="$(mktemp -d)"
load_pids=()
cleanup() {
    for pid in "${load_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

python3 - "$work/two-minutes.wav" <<'PY'
import math, struct, sys, wave
rate, seconds = 44100, 120
with wave.open(sys.argv[1], "wb") as out:
    out.setnchannels(2)
    out.setsampwidth(2)
    out.setframerate(rate)
    frames = bytearray()
    for i in range(rate * seconds):
        left = int(12000 * math.sin(2 * math.pi * 220 * i / rate))
        right = int(9000 * math.sin(2 * math.pi * 331 * i / rate))
        frames += struct.pack("<hh", left, right)
    out.writeframes(bytes(frames))
PY

for _ in 1 2; do
    (while :; do :; done) &
    load_pids+=($!)
done

stalls=0
: >"$work/times.txt"
for ((i = 1; i <= runs; i++)); do
    start=$(date +%s%N)
    if ! timeout -s KILL "$timeout_s" "$cli" wav2au "$work/two-minutes.wav" "$work/out.au" \
        >/dev/null 2>&1; then
        stalls=$((stalls + 1))
        echo "run $i: over ${timeout_s}s or failed" >&2
    fi
    end=$(date +%s%N)
    echo $(((end - start) / 1000000)) >>"$work/times.txt"
done

sort -n "$work/times.txt" | awk -v runs="$runs" -v stalls="$stalls" '
    { v[NR] = $1 }
    END {
        p99 = v[int(NR * 0.99) > 0 ? int(NR * 0.99) : 1]
        printf "runs %d, stalls %d, median %d ms, p99 %d ms, longest %d ms\n",
            runs, stalls, v[int((NR + 1) / 2)], p99, v[NR]
    }'
[ "$stalls" -eq 0 ]
