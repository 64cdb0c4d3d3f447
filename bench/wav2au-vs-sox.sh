#!/usr/bin/env bash
# Times `morvane-cli wav2au` against sox on synthetic WAV files, runs alternating, and prints the
# median wall time, the ratio to sox and the peak memory of each converter.
#   BENCH_RUNS (default 5) runs per converter on the 10-minute files, BENCH_LONG_RUNS (default 3)
#   on the 60-minute file; BENCH_SKIP_LONG=1 leaves the 60-minute file out; BENCH_DIR is the
#   scratch folder (about 1 GB is needed), removed at the end. BENCH_BUILD is the Release build
#   folder to use (default build/bench); BENCH_CLI times a morvane-cli already built instead.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
runs="${BENCH_RUNS:-5}"
long_runs="${BENCH_LONG_RUNS:-3}"

if ! command -v sox >/dev/null; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends sox
fi

# shellcheck source=bench/release-cli.sh
source "$here/bench/release-cli.sh"

work="${BENCH_DIR:-$(mktemp -d)}"
mkdir -p "$work"
trap 'rm -rf "$work"' EXIT

echo "Synthesising sources in $work"
sox -R -n -r 44100 -c 2 -b 16 -e signed-integer "$work/stereo16-44100-10min.wav" \
    synth 600 sine 220 sine 330 pinknoise vol 0.6
sox -R -n -r 22050 -c 1 -b 8 -e unsigned-integer "$work/mono8-22050-10min.wav" \
    synth 600 sine 440 pinknoise vol 0.6
if [ "${BENCH_SKIP_LONG:-0}" != 1 ]; then
    sox -R -n -r 44100 -c 2 -b 16 -e signed-integer "$work/stereo16-44100-60min.wav" \
        synth 3600 sine 220 sine 330 pinknoise vol 0.6
fi

# Runs one command under /usr/bin/time -v; sets elapsed_ms (wall clock), cpu_ms (user + system
# time, steadier than the wall clock on a busy machine) and peak_kb (maximum resident set size).
measure() {
    local start end
    start=$(date +%s%N)
    /usr/bin/time -v -o "$work/time.txt" "$@" >/dev/null 2>"$work/stderr.txt" || {
        cat "$work/stderr.txt" >&2
        return 1
    }
    end=$(date +%s%N)
    elapsed_ms=$(awk -v ns="$((end - start))" 'BEGIN { printf "%.1f", ns / 1e6 }')
    peak_kb=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/time.txt")
    cpu_ms=$(awk -F': ' '/User time|System time/ { s += $2 } END { printf "%.0f", s * 1000 }' \
        "$work/time.txt")
}

median() {
    sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

declare -A peak_of
declare -A output_of

bench() {
    local source="$1" count="$2" name
    name="$(basename "$source" .wav)"
    cat "$source" >/dev/null
    local tool
    for tool in morvane sox soxq; do
        : >"$work/$tool.ms"
        : >"$work/$tool.cpu"
    done
    local morvane_peak=0 sox_peak=0 soxq_peak=0 digest="" digests=""
    for ((i = 1; i <= count; i++)); do
        rm -f "$work/morvane.au" "$work/sox.au" "$work/soxq.au"
        measure "$cli" wav2au "$source" "$work/morvane.au"
        echo "$elapsed_ms" >>"$work/morvane.ms"
        echo "$cpu_ms" >>"$work/morvane.cpu"
        [ "$peak_kb" -gt "$morvane_peak" ] && morvane_peak=$peak_kb
        digest=$(md5sum <"$work/morvane.au" | cut -d' ' -f1)
        digests+="$digest"$'\n'
        measure sox "$source" -r 8012 -c 1 -e mu-law -b 8 "$work/sox.au"
        echo "$elapsed_ms" >>"$work/sox.ms"
        echo "$cpu_ms" >>"$work/sox.cpu"
        [ "$peak_kb" -gt "$sox_peak" ] && sox_peak=$peak_kb
        measure sox "$source" -r 8012 -c 1 -e mu-law -b 8 "$work/soxq.au" rate -q
        echo "$elapsed_ms" >>"$work/soxq.ms"
        echo "$cpu_ms" >>"$work/soxq.cpu"
        [ "$peak_kb" -gt "$soxq_peak" ] && soxq_peak=$peak_kb
    done
    local m s q mc sc qc identical output_bytes
    m=$(median <"$work/morvane.ms")
    s=$(median <"$work/sox.ms")
    q=$(median <"$work/soxq.ms")
    mc=$(median <"$work/morvane.cpu")
    sc=$(median <"$work/sox.cpu")
    qc=$(median <"$work/soxq.cpu")
    identical="yes"
    [ "$(printf '%s' "$digests" | sort -u | wc -l)" -eq 1 ] || identical="NO"
    output_bytes=$(stat -c %s "$work/morvane.au")
    peak_of[$name]=$morvane_peak
    output_of[$name]=$output_bytes
    echo
    echo "== $name ($(stat -c %s "$source") bytes in, $output_bytes bytes out, $count runs each)"
    printf '%-24s %14s %14s %14s\n' converter "median wall ms" "median CPU ms" "peak RSS KiB"
    printf '%-24s %14s %14s %14s\n' "morvane-cli wav2au" "$m" "$mc" "$morvane_peak"
    printf '%-24s %14s %14s %14s\n' "sox (default rate)" "$s" "$sc" "$sox_peak"
    printf '%-24s %14s %14s %14s\n' "sox rate -q" "$q" "$qc" "$soxq_peak"
    awk -v m="$m" -v s="$s" -v q="$q" -v mc="$mc" -v sc="$sc" -v qc="$qc" 'BEGIN {
        printf "ratio morvane/sox default: wall %.3f, CPU %.3f (target <= 0.15)\n", m / s, mc / sc
        printf "ratio morvane/sox rate -q: wall %.3f, CPU %.3f (target <= 0.45)\n", m / q, mc / qc }'
    echo "morvane output identical across runs: $identical"
}

bench "$work/stereo16-44100-10min.wav" "$runs"
echo "peak memory under 32 MB: $([ "${peak_of[stereo16-44100-10min]}" -lt 32768 ] && echo yes || echo NO)"
bench "$work/mono8-22050-10min.wav" "$runs"
if [ "${BENCH_SKIP_LONG:-0}" != 1 ]; then
    bench "$work/stereo16-44100-60min.wav" "$long_runs"
    awk -v p10="${peak_of[stereo16-44100-10min]}" -v p60="${peak_of[stereo16-44100-60min]}" \
        -v o10="${output_of[stereo16-44100-10min]}" -v o60="${output_of[stereo16-44100-60min]}" 'BEGIN {
        printf "\n60 min vs 10 min: peak memory grew %.1f MiB, output grew %.1f MiB\n",
            (p60 - p10) / 1024, (o60 - o10) / 1048576 }'
fi
