#!/usr/bin/env bash
# make-images.sh [OUT_DIR]
# Draws every picture of the shipped media store with ImageMagick. The pictures are simple
# scenes made of gradients and shapes, so that anyone can regenerate or restyle them.
# OUT_DIR defaults to data/images&sounds of this repository. CONVERT may name another
# ImageMagick 6 `convert` binary.
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
out="${1:-$here/data/images&sounds}"
convert="${CONVERT:-convert}"
font="DejaVu-Sans-Bold"
mono="DejaVu-Sans-Mono-Bold"
mkdir -p "$out"

# JPEGs without metadata, so that regenerating gives the same bytes.
# Both take the usual convert arguments with the output file last.
jpeg() {
    local args=("$@") target="${!#}"
    unset 'args[-1]'
    "$convert" "${args[@]}" -strip -quality 85 -sampling-factor 2x2 "$target"
}
gif() {
    local args=("$@") target="${!#}"
    unset 'args[-1]'
    "$convert" "${args[@]}" -strip "$target"
}

# --- The three slide-show pictures (320 x 240) and their small versions for Memory -------------

# A christmas tree in the snow under a night sky.
jpeg -size 320x240 gradient:'#0b1a4a'-'#3c5aa6' \
    -fill '#f4f8ff' -draw "ellipse 160,250 230,60 0,360" \
    -fill '#5a3a1a' -draw "rectangle 150,190 170,215" \
    -fill '#1f7a2e' -draw "polygon 160,40 105,110 215,110" \
    -fill '#1b6d29' -draw "polygon 160,75 90,150 230,150" \
    -fill '#186224' -draw "polygon 160,115 75,195 245,195" \
    -fill '#ffd700' -draw "polygon 160,22 165,35 179,35 168,43 172,56 160,48 148,56 152,43 141,35 155,35" \
    -fill '#e23030' -draw "circle 140,100 144,100" -draw "circle 185,135 189,135" -draw "circle 120,175 124,175" \
    -fill '#3070e2' -draw "circle 175,95 179,95" -draw "circle 130,140 134,140" -draw "circle 200,180 204,180" \
    -fill '#f0c020' -draw "circle 160,160 164,160" -draw "circle 105,150 108,150" -draw "circle 215,150 218,150" \
    -fill white -draw "point 30,30" -draw "circle 40,60 42,60" -draw "circle 280,40 282,40" \
    -draw "circle 250,90 252,90" -draw "circle 60,120 62,120" -draw "circle 290,140 292,140" \
    -draw "circle 20,170 22,170" -draw "circle 230,20 232,20" -draw "circle 90,30 92,30" \
    "$out/chrismas.jpg"

# A river winding between green hills on a summer day.
jpeg -size 320x240 gradient:'#7ec8f0'-'#e8f6ff' \
    -fill '#ffe680' -draw "circle 260,45 260,20" \
    -fill '#5aa04a' -draw "ellipse 80,150 140,60 0,360" \
    -fill '#4a9040' -draw "ellipse 260,160 130,55 0,360" \
    -fill '#6cb85a' -draw "rectangle 0,140 320,240" \
    -fill '#3a78c8' -draw "path 'M 150,140 C 170,160 120,180 140,200 C 160,220 250,220 230,240 L 120,240 C 120,220 60,210 90,190 C 110,175 140,160 140,140 Z'" \
    -fill '#9fd0ff' -draw "path 'M 143,150 C 150,160 130,175 135,185 L 138,185 C 135,175 152,162 146,150 Z'" \
    -fill '#2f6a2a' -draw "circle 40,160 40,140" -draw "circle 60,170 60,152" -draw "circle 280,175 280,155" \
    -fill '#6b4a2a' -draw "rectangle 38,160 42,185" -draw "rectangle 58,170 62,192" -draw "rectangle 278,175 282,198" \
    "$out/river.jpg"

# A domed capitol with columns and steps.
jpeg -size 320x240 gradient:'#5fa8e8'-'#d8ecfc' \
    -fill '#7cc060' -draw "rectangle 0,205 320,240" \
    -fill '#f2eee4' -draw "ellipse 160,95 45,45 180,360" \
    -fill '#e4dfd2' -draw "rectangle 125,95 195,110" \
    -fill '#f2eee4' -draw "rectangle 154,35 166,52" -draw "polygon 160,22 152,36 168,36" \
    -fill '#e9e4d8' -draw "polygon 60,130 160,105 260,130" \
    -fill '#f2eee4' -draw "rectangle 60,130 260,138" -draw "rectangle 60,185 260,195" \
    -fill '#ffffff' -draw "rectangle 70,138 80,185" -draw "rectangle 95,138 105,185" -draw "rectangle 120,138 130,185" \
    -draw "rectangle 145,138 155,185" -draw "rectangle 170,138 180,185" -draw "rectangle 195,138 205,185" \
    -draw "rectangle 220,138 230,185" -draw "rectangle 245,138 255,185" \
    -fill '#d6d0c2' -draw "rectangle 50,195 270,200" -draw "rectangle 40,200 280,205" \
    -fill '#2c5aa0' -draw "rectangle 158,10 159,24" -fill '#d03030' -draw "rectangle 159,10 168,15" \
    "$out/capitole.jpg"

for name in chrismas river capitole; do
    jpeg "$out/$name.jpg" -resize 80x60 "$out/${name}_small.jpg"
done

# A closer christmas scene for the single-image effects (240 x 180).
jpeg -size 240x180 radial-gradient:'#f0b060'-'#6a2a10' \
    -fill '#8a5a2a' -draw "rectangle 0,150 240,180" \
    -fill '#1f7a2e' -draw "polygon 120,20 80,70 160,70" -draw "polygon 120,45 70,105 170,105" \
    -draw "polygon 120,80 60,140 180,140" \
    -fill '#5a3a1a' -draw "rectangle 112,140 128,155" \
    -fill '#ffd700' -draw "polygon 120,8 124,18 135,18 126,24 129,34 120,28 111,34 114,24 105,18 116,18" \
    -fill '#e23030' -draw "circle 105,60 108,60" -draw "circle 140,95 143,95" -draw "circle 95,125 98,125" \
    -fill '#ffffff' -draw "circle 130,55 133,55" -draw "circle 100,90 103,90" -draw "circle 150,128 153,128" \
    -fill '#c02040' -draw "rectangle 30,130 62,160" -fill '#ffd700' -draw "rectangle 44,130 48,160" \
    -fill '#2050c0' -draw "rectangle 180,135 215,160" -fill '#f0f0f0' -draw "rectangle 195,135 199,160" \
    "$out/chrismas2.jpg"

# --- Waterfalls for Puzzle (240 x 240) and ScanImage (320 x 240) -------------------------------

jpeg -size 240x240 gradient:'#8ccaf0'-'#e0f2ff' \
    -fill '#3e6a2e' -draw "rectangle 0,60 240,240" \
    -fill '#6e6a64' -draw "polygon 0,60 90,50 100,200 0,210" -draw "polygon 240,60 150,50 140,200 240,210" \
    -fill '#8a857d' -draw "polygon 20,80 70,70 80,180 25,190" -draw "polygon 220,80 170,70 160,180 215,190" \
    -fill '#dff4ff' -draw "rectangle 95,50 145,200" \
    -fill '#a8dcf8' -draw "rectangle 102,50 108,200" -draw "rectangle 122,50 126,200" -draw "rectangle 136,50 140,200" \
    -fill '#3a88c8' -draw "ellipse 120,215 110,25 0,360" \
    -fill '#ffffff' -draw "ellipse 120,200 40,10 0,360" \
    "$out/Cascade.jpg"

jpeg -size 320x240 gradient:'#a0d4f4'-'#f0f8ff' \
    -fill '#2f5a26' -draw "rectangle 0,70 320,240" \
    -fill '#5e5a54' -draw "polygon 0,70 140,60 150,170 0,180" -draw "polygon 320,70 190,60 180,170 320,180" \
    -fill '#e6f6ff' -draw "polygon 140,60 190,60 200,175 130,175" \
    -fill '#b0e0fa' -draw "rectangle 150,60 154,175" -draw "rectangle 165,60 168,175" -draw "rectangle 178,60 181,175" \
    -fill '#2f7cc0' -draw "rectangle 0,175 320,240" \
    -fill '#ffffff' -draw "ellipse 165,178 55,9 0,360" \
    -fill '#6fa8e0' -draw "line 20,200 80,200" -draw "line 230,215 300,215" -draw "line 90,228 150,228" \
    "$out/Cascade2.jpg"

# --- Underwater: a fish sprite and its sea ------------------------------------------------------

gif -size 80x48 xc:none \
    -fill '#ff8a1e' -draw "ellipse 34,24 26,15 0,360" \
    -fill '#ff6a00' -draw "polygon 56,24 78,8 72,24 78,40" \
    -fill '#ffb050' -draw "polygon 28,10 40,2 46,12" -draw "polygon 30,38 40,46 44,36" \
    -fill '#ffffff' -draw "circle 18,20 22,20" -fill '#000000' -draw "circle 17,20 19,20" \
    -stroke '#c05000' -strokewidth 2 -fill none -draw "arc 30,10 50,38 300,60" \
    "$out/Fish3.gif"

jpeg -size 320x200 gradient:'#4aa8d8'-'#0a2a5a' \
    -fill '#d8c080' -draw "ellipse 160,215 220,40 0,360" \
    -stroke '#2a8a3a' -strokewidth 4 -fill none \
    -draw "bezier 30,200 20,170 45,150 30,120" -draw "bezier 45,200 55,165 35,150 50,125" \
    -draw "bezier 270,200 260,160 285,140 270,110" -draw "bezier 290,200 300,170 280,150 292,130" \
    -stroke '#c0e8ff' -strokewidth 1 \
    -draw "circle 100,60 104,60" -draw "circle 110,40 113,40" -draw "circle 104,22 106,22" \
    -draw "circle 220,90 224,90" -draw "circle 228,68 231,68" \
    "$out/backfish1.jpg"

# --- Egypt ---------------------------------------------------------------------------------------

# A sphinx and two pyramids at sunset, the backdrop of DateText (300 x 100).
gif -size 300x100 gradient:'#f8a040'-'#f8e0a0' \
    -fill '#b07830' -draw "polygon 170,80 215,30 260,80" -fill '#c08838' -draw "polygon 230,80 262,45 294,80" \
    -fill '#d8b070' -draw "rectangle 0,80 300,100" \
    -fill '#7a5020' -draw "polygon 20,80 20,62 60,58 80,62 95,62 100,50 108,44 118,46 122,56 120,80" \
    -draw "polygon 104,44 100,58 126,58 122,44" \
    "$out/sphinx.gif"

# A strip of desert with pyramids for the one-line text applets (400 x 60).
jpeg -size 400x60 gradient:'#2a1a50'-'#c87830' \
    -fill '#6a4a20' -draw "polygon 20,60 60,22 100,60" -draw "polygon 90,60 115,36 140,60" \
    -draw "polygon 260,60 300,18 340,60" -draw "polygon 330,60 360,30 390,60" \
    -fill '#8a6a30' -draw "rectangle 0,54 400,60" \
    -fill '#ffe8a0' -draw "circle 200,14 200,8" \
    "$out/backegypt1.jpg"

# A papyrus sheet framed with simple glyphs, for the typed text of TextStream (300 x 150).
gif -size 300x150 gradient:'#f4e6bc'-'#e2c88c' \
    -stroke '#d8bc80' -strokewidth 1 \
    -draw "line 10,30 290,32" -draw "line 10,58 290,55" -draw "line 10,84 290,86" -draw "line 10,112 290,110" \
    -fill none -stroke '#8a5a20' -strokewidth 3 -draw "rectangle 4,4 295,145" \
    -strokewidth 2 \
    -draw "circle 20,20 26,20" -draw "polygon 274,14 286,14 280,26" \
    -draw "line 14,130 26,130" -draw "line 20,124 20,136" -draw "ellipse 280,130 8,5 0,360" \
    "$out/egypt1.gif"

# --- Pictures of the other applets ----------------------------------------------------------------

# A rounded bar for IPViewer (250 x 40).
gif -size 250x40 gradient:'#204080'-'#6090d0' \
    -fill none -stroke '#c0d8ff' -strokewidth 2 -draw "roundrectangle 2,2 247,37 10,10" \
    "$out/background.gif"

# A quiet checked backdrop for ImageViewer and SoundPlayer (320 x 280).
gif -size 16x16 xc:'#404040' -fill '#484848' -draw "rectangle 0,0 7,7" -draw "rectangle 8,8 15,15" \
    -write mpr:tile +delete -size 320x280 tile:mpr:tile \
    "$out/back.gif"

# Navigation buttons: buttonN1 at rest, buttonN2 under the mouse (100 x 30).
labels=(Home News Contact)
for i in 1 2 3; do
    text="${labels[$((i - 1))]}"
    gif -size 100x30 gradient:'#e8e8f0'-'#a0a8c0' \
        -fill none -stroke '#404860' -draw "roundrectangle 0,0 99,29 6,6" \
        -stroke none -fill '#203060' -font "$font" -pointsize 14 -gravity center -annotate +0+0 "$text" \
        "$out/button1$i.gif"
    gif -size 100x30 gradient:'#ffe080'-'#f0a020' \
        -fill none -stroke '#805000' -draw "roundrectangle 0,0 99,29 6,6" \
        -stroke none -fill '#402000' -font "$font" -pointsize 14 -gravity center -annotate +0+0 "$text" \
        "$out/button2$i.gif"
done

# Tic-tac-toe marks (60 x 60, transparent).
gif -size 60x60 xc:none -fill none -stroke '#2050c0' -strokewidth 7 -draw "circle 30,30 30,9" \
    "$out/circle.gif"
gif -size 60x60 xc:none -stroke '#d02020' -strokewidth 7 -draw "line 11,11 49,49" -draw "line 49,11 11,49" \
    "$out/cross.gif"

# The letters of FontImageScrolling: one cell of 20 x 30 pixels per character, in this order.
# The LettersMap setting must list the same characters in the same order.
letters='ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 !?.,-'
cells=()
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
for ((i = 0; i < ${#letters}; i++)); do
    c="${letters:$i:1}"
    cell="$tmp/$(printf '%02d' "$i").gif"
    if [ "$c" = " " ]; then
        "$convert" -size 20x30 xc:none "$cell"
    else
        "$convert" -size 20x30 xc:none -font "$mono" -pointsize 26 -gravity center \
            -fill '#ffd000' -stroke '#a04000' -strokewidth 1 -annotate +0+1 "$c" "$cell"
    fi
    cells+=("$cell")
done
gif "${cells[@]}" +append "$out/letters.gif"
