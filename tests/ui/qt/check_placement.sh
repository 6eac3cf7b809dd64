#!/usr/bin/env bash
# The main window opens centred on the screen under a real X11 window
# manager, which frames it only once it is mapped, and stays where it
# opened. Run on a display of its own, 1280 × 1024: on_own_display.sh check_placement.sh PROGRAM
set -euo pipefail
program=$1
fail() {
    echo "check_placement.sh: $*" >&2
    exit 1
}

openbox --sm-disable &
wm=$!
app=
trap 'kill $app $wm 2>/dev/null || true' EXIT
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done

LANG=ja_JP.UTF-8 QT_QPA_PLATFORM=xcb "$program" &
app=$!
# Found as soon as it is made, before it maps, so that a move right after
# it maps is seen.
window=
for _ in $(seq 1000); do
    window=$(xdotool search --name '^ひのもり$' 2>/dev/null | head -n 1 || true)
    [[ -n $window ]] && break
    sleep 0.01
done
[[ -n $window ]] || fail "the window was never made"

# Where its client area stands, in screen coordinates, from when it maps
# and over the next two seconds.
places=()
started=
while [[ -z $started || $((SECONDS - started)) -lt 2 ]]; do
    info=$(xwininfo -id "$window" 2>/dev/null) || fail "the window went away"
    grep -q 'Map State: IsViewable' <<<"$info" || continue
    started=${started:-$SECONDS}
    places+=("$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info"),$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")")
done
moves=$(printf '%s\n' "${places[@]}" | uniq | wc -l)
[[ $moves -eq 1 ]] || fail "the window moved after it showed: $(printf '%s\n' "${places[@]}" | uniq | tr '\n' ' ')"

# Centred as a whole, frame included, to within the few pixels a frame
# estimated before the window manager framed it can be off.
read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
IFS=, read -r x y <<<"${places[0]}"
info=$(xwininfo -id "$window")
width=$(sed -n 's/^ *Width: *//p' <<<"$info")
height=$(sed -n 's/^ *Height: *//p' <<<"$info")
read -r screen_width screen_height < <(xdotool getdisplaygeometry)
off_x=$(( (x - left) + (width + left + right) / 2 - screen_width / 2 ))
off_y=$(( (y - top) + (height + top + bottom) / 2 - screen_height / 2 ))
(( ${off_x#-} <= 4 && ${off_y#-} <= 8 )) || fail "the window is $off_x, $off_y pixels off the screen's centre"
echo "check_placement.sh: opened centred (${off_x}, ${off_y} off) and stayed"
