#!/bin/bash
# startup.sh [build dir] [pairs]
#
# A benchmark, not a test: how much longer ひのもり takes to show its window
# than an empty Qt window of the same size with a menu bar. Starts a virtual
# X display (Xvfb, no window manager), then starts the two programs in turn,
# 15 pairs by default, and prints each pair and the median ratio of the
# times until each program's window is mapped, taken from the X server's
# MapNotify events (window_mapped.py, through libX11). The empty window is the
# build's hinomori_empty_window, as large as ひのもり's window.
# Needs Xvfb and python3 (Debian: xvfb, python3).
set -euo pipefail
here=$(dirname "$(realpath "$0")")
build=$(realpath "${1:-$here/../../build/ci}")
pairs=${2:-15}

for program in "$build/hinomori" "$build/tests/benchmark/hinomori_empty_window"; do
    [ -x "$program" ] || { echo "startup.sh: $program is not built" >&2; exit 1; }
done

xvfb=
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; wait' EXIT
exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
read -r -t 30 -u "$displayfd" number || { echo "startup.sh: Xvfb did not start" >&2; exit 1; }
exec {displayfd}<&-

# The measured programs run as users start them: on X11, with a Japanese locale.
DISPLAY=:$number QT_QPA_PLATFORM=xcb LANG=ja_JP.UTF-8 \
    python3 "$here/window_mapped.py" "$pairs" "$build/hinomori" -- \
    "$build/tests/benchmark/hinomori_empty_window" SIZE
