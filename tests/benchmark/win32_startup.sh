#!/usr/bin/env bash
# How long hinomori.exe takes to show its window under Wine, against an
# empty window of the same frame, client size and menu bar (empty_window.exe,
# built with the tests), as a Japanese system: the median, over PAIRS pairs
# run in turn, of the ratio of the times from starting Wine until the
# window is mapped. Then the same for the empty window with one label, and
# with a bare control in place of each of the program's, against the empty
# window: what any window with controls of common controls 6 costs beyond
# it, and what the program's number of controls costs in itself. A
# benchmark, not a test: it prints, and fails only when it cannot measure.
#
#   tests/benchmark/win32_startup.sh [BUILD_DIR] [PAIRS]
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath "${1:-$source_dir/build/windows}")
pairs=${2:-11}
state="$build/benchmark-wine"
wine_env="$source_dir/tests/wine/wine-env.sh"

for program in "$build/hinomori.exe" "$build/tests/empty_window.exe"; do
    [[ -f "$program" ]] || { echo "win32_startup.sh: $program is not built" >&2; exit 1; }
done
locale -a | grep -qi '^ja_JP.utf8$' || { echo "win32_startup.sh: the ja_JP.UTF-8 locale is missing" >&2; exit 1; }

# The tests' prefix and display, with one server kept running throughout,
# so that no run pays for starting Wine's server.
bash "$wine_env" setup "$state" >/dev/null
trap 'bash "$wine_env" cleanup "$state"' EXIT
export WINEPREFIX="$state/prefix" WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export DISPLAY=$(cat "$state/display")
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8

python3 "$source_dir/tests/benchmark/window_mapped.py" "$pairs" wine "$build/hinomori.exe" -- \
    wine "$build/tests/empty_window.exe"
for holding in label controls; do
    echo "The empty window holding $holding, against the empty window:"
    python3 "$source_dir/tests/benchmark/window_mapped.py" "$pairs" wine "$build/tests/empty_window.exe" "$holding" -- \
        wine "$build/tests/empty_window.exe"
done
