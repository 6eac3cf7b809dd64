#!/bin/bash
# check_package.sh <hinomori .deb>
#
# Proves the package on a machine that has never seen it: makes a minimal
# root of the Debian release this machine runs, with its apt sources,
# installs the .deb there with apt, checks that Qt's Wayland plugin and
# Japanese translations came with it, that a Wayland display that is gone
# gets one plain line and status 1, starts the installed program on a
# virtual display and checks that its window appears, that xdg-open is there
# for the manual, and that the manual command answers (the root has no text
# viewer, so it must warn).
#
# Runs as root. mmdebstrap mounts what the root needs while it runs its hooks
# and unmounts it even when a hook fails; this script only has the display
# and the started program to clean up.
set -euo pipefail

if [ "${1:-}" = --inside ]; then
    # Run by mmdebstrap as its customize hook: $2 is the new root.
    root=$2
    display=$3
    echo "== apt install ./$(basename "$4") in the fresh root"
    chroot "$root" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y --no-install-recommends "/tmp/$(basename "$4")"
    chroot "$root" sh -c 'command -v xdg-open' >/dev/null \
        || { echo "FAIL: the package brought no xdg-open for the manual" >&2; exit 1; }
    [ -f "$root/usr/share/qt6/translations/qtbase_ja.qm" ] \
        || { echo "FAIL: the package brought no Japanese translations of Qt" >&2; exit 1; }
    ls "$root"/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 \
        || { echo "FAIL: the package brought no Qt Wayland plugin" >&2; exit 1; }

    # A Wayland session whose compositor is gone, X11 not there either: one
    # line and status 1, not Qt's abort.
    status=0
    said=$(chroot "$root" env -i PATH=/usr/bin:/bin HOME=/root LANG=C.UTF-8 XDG_RUNTIME_DIR=/tmp \
           WAYLAND_DISPLAY=wayland-gone timeout 30 hinomori 2>&1) || status=$?
    if [ "$status" -ne 1 ] || [ "$(printf '%s\n' "$said" | wc -l)" -ne 1 ]; then
        echo "FAIL: with a Wayland display that is gone the program ended with status $status, saying:" >&2
        printf '%s\n' "$said" >&2
        exit 1
    fi
    echo "a gone Wayland display gets one line: $said"

    run=$(mktemp)
    pid=
    cleanup() {
        if [ -n "$pid" ]; then
            kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
        fi
        rm -f "$run"
    }
    trap cleanup EXIT
    # The X server's abstract socket is seen from inside the root as well.
    chroot "$root" env -i PATH=/usr/bin:/bin HOME=/root LANG=C.UTF-8 DISPLAY="$display" \
        hinomori >"$run" 2>&1 &
    pid=$!
    if ! window=$(DISPLAY=$display timeout 30 xdotool search --sync --onlyvisible --name '^ひのもり$' \
                  2>/dev/null | head -n 1) || [ -z "$window" ]; then
        echo "FAIL: the installed program showed no window; it said:" >&2
        cat "$run" >&2
        exit 1
    fi
    echo "the installed program's window is up (X window $window)"

    # 情報 → 説明書表示: with no viewer in the root, xdg-open fails and the
    # program must say so in a second window, its warning.
    DISPLAY=$display xdotool windowfocus --sync "$window" key --clearmodifiers alt+h t
    for _ in $(seq 60); do
        count=$(DISPLAY=$display xdotool search --onlyvisible --name '^ひのもり$' 2>/dev/null | wc -l)
        [ "$count" -ge 2 ] && break
        sleep 0.5
    done
    if [ "$count" -lt 2 ]; then
        echo "FAIL: the manual command showed no warning though no viewer is installed; it said:" >&2
        cat "$run" >&2
        exit 1
    fi
    echo "the manual command warns when no viewer can open the manual"
    kill -0 "$pid" 2>/dev/null || { echo "FAIL: the program ended" >&2; exit 1; }
    exit 0
fi

deb=$(realpath "$1")
here=$(dirname "$(realpath "$0")")

# This machine's own apt sources, so the root gets the same archive and mirror.
sources=()
for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
    [ -s "$file" ] && sources+=("$file")
done
[ ${#sources[@]} -gt 0 ] || { echo "FAIL: this machine has no apt sources" >&2; exit 1; }

xvfb=
cleanup() {
    if [ -n "$xvfb" ]; then
        kill "$xvfb" 2>/dev/null || true
        wait "$xvfb" 2>/dev/null || true
    fi
}
trap cleanup EXIT

exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
read -r -t 30 -u "$displayfd" number || { echo "FAIL: Xvfb did not start" >&2; exit 1; }
exec {displayfd}<&-

# shellcheck source=/dev/null
release=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
version=$(. /etc/os-release && echo "${VERSION_ID:-}")
[ -n "$release" ] || { echo "FAIL: /etc/os-release names no release" >&2; exit 1; }

echo "== a fresh Debian $version root (mmdebstrap --variant=minbase $release)"
timeout 1200 mmdebstrap --variant=minbase --mode=root --quiet \
    --customize-hook="copy-in $deb /tmp" \
    --customize-hook="$here/check_package.sh --inside \"\$1\" :$number $deb" \
    "$release" /dev/null "${sources[@]}"
echo "package OK on a fresh Debian $version"
