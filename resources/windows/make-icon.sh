#!/usr/bin/env bash
# Makes the program's icon:  make-icon.sh DESIGN.svg SMALL.ico OUTPUT.ico
# SMALL.ico holds the hand-drawn 16-colour images at 16 and 32 pixels, which
# go in byte for byte: at those sizes Windows shows them, as it always has.
# The other sizes Windows asks for at 125 % to 200 % display scale and in
# Explorer's large views are rendered from the vector design in 32 bits; the
# 256-pixel one is stored as PNG, as Windows expects it.
set -euo pipefail

svg=${1:?usage: make-icon.sh DESIGN.svg SMALL.ico OUTPUT.ico}
small=${2:?usage: make-icon.sh DESIGN.svg SMALL.ico OUTPUT.ico}
output=${3:?usage: make-icon.sh DESIGN.svg SMALL.ico OUTPUT.ico}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for size in 20 24 40 48 64 256; do
    rsvg-convert --width="$size" --height="$size" --format=png --output="$work/$size.png" "$svg"
done
# rsvg-convert leaves the alpha channel out of an opaque image; the PNG icotool
# writes back from a 32-bit image has it, as a 32-bit icon's PNG should.
icotool --create --bit-depth=32 --output="$work/256.ico" "$work/256.png"
icotool --extract --output="$work/256-rgba.png" "$work/256.ico"
icotool --create --bit-depth=32 --output="$work/rendered.ico" \
    "$work"/{20,24,40,48,64}.png --raw="$work/256-rgba.png"

# An icon file is a 6-byte header, a 16-byte entry per image (width, height,
# colours, reserved, planes, bits, size, then the offset of the image's data)
# and the images' data.
number() {  # FILE OFFSET BYTES: a little-endian number of 1, 2 or 4 bytes
    od -An --endian=little -tu"$3" -j "$2" -N "$3" "$1" | tr -d ' '
}
slice() {  # FILE OFFSET BYTES: that part of FILE
    dd if="$1" iflag=skip_bytes,count_bytes skip="$2" count="$3" status=none
}
bytes() {  # VALUE COUNT: VALUE as COUNT little-endian bytes
    local i
    for ((i = 0; i < $2; i++)); do
        printf "\\x$(printf %02x $(($1 >> 8 * i & 255)))"
    done
}

# Every image of both files, smallest first (a width of 0 means 256).
files=("$small" "$work/rendered.ico")
images=()
for f in 0 1; do
    count=$(number "${files[f]}" 4 2)
    for ((i = 0; i < count; i++)); do
        width=$(number "${files[f]}" $((6 + 16 * i)) 1)
        images+=("$(printf '%03d %d %d' $((width == 0 ? 256 : width)) "$f" "$i")")
    done
done
mapfile -t images < <(printf '%s\n' "${images[@]}" | sort -n -k1,1 -s)

{
    bytes 0 2
    bytes 1 2
    bytes ${#images[@]} 2
    offset=$((6 + 16 * ${#images[@]}))
    for image in "${images[@]}"; do
        read -r _ f i <<<"$image"
        file=${files[f]}
        slice "$file" $((6 + 16 * i)) 12
        bytes "$offset" 4
        offset=$((offset + $(number "$file" $((6 + 16 * i + 8)) 4)))
    done
    for image in "${images[@]}"; do
        read -r _ f i <<<"$image"
        file=${files[f]}
        slice "$file" "$(number "$file" $((6 + 16 * i + 12)) 4)" "$(number "$file" $((6 + 16 * i + 8)) 4)"
    done
} >"$work/hinomori.ico"
mv "$work/hinomori.ico" "$output"
