#!/usr/bin/env bash
# make-sounds.sh [OUT_DIR]
# Synthesises the sample sounds with sox as 16-bit WAV files and turns each into the AU file
# that the applets play with Morvane's own converter (`morvane-cli wav2au`).
# OUT_DIR defaults to data/images&sounds of this repository; MORVANE_CLI names the converter
# (default: morvane-cli on the PATH).
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
out="${1:-$here/data/images&sounds}"
cli="${MORVANE_CLI:-morvane-cli}"
mkdir -p "$out"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# synth VOICES OUT.wav EFFECTS...: one mono 22050 Hz WAV made from VOICES generated channels.
# Repeatable noise and no dither, so that every run gives the same samples.
synth() {
    local voices="$1" target="$2"
    shift 2
    sox -R -D -r 22050 -c "$voices" -n -r 22050 -b 16 -c 1 "$target" "$@"
}

# A slow chord of four voices with a tremolo and an echo: five seconds of space music.
synth 4 "$tmp/spacemusic.wav" synth 5 sine 220 sine 277.2 sine 329.6 sine 440 \
    remix - tremolo 0.7 40 phaser 0.8 0.74 3 0.4 0.5 -t echo 0.8 0.7 300 0.3 \
    fade q 0.8 5 1.5 norm -3

# A glass being struck: high partials, all below 4 kHz where the AU rate keeps them, that die away.
synth 3 "$tmp/glass.wav" synth 1.2 sine 2093 sine 2637 sine 3136 \
    remix - fade l 0.002 1.2 1.18 reverb 30 norm -3

# An explosion: a burst of deep noise that rumbles away.
synth 1 "$tmp/explosion.wav" synth 2 brownnoise \
    lowpass 700 overdrive 10 fade l 0.005 2 1.9 norm -1

for name in spacemusic glass explosion; do
    "$cli" wav2au "$tmp/$name.wav" "$out/$name.au"
done
