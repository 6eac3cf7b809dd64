#!/bin/bash
# check_no_display.sh <hinomori executable>
#
# Starts the program in each way a session can lack its display and checks
# that it says so in one line and exits with status 1, instead of Qt's plugin
# message and abort. Every failed case is reported; the exit status is 1 if
# any failed.
set -u

program=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/hinomori-no-display.XXXXXX") || exit 1
trap 'rm -rf "$work"' EXIT

# An X display number with no server behind it.
dead=90
while [ -e "/tmp/.X11-unix/X$dead" ] || [ -e "/tmp/.X$dead-lock" ]; do
    dead=$((dead + 1))
done

failures=0
check() {
    local name=$1
    shift
    local said status=0
    said=$(env -i PATH=/usr/bin:/bin HOME="$work" LANG=C.UTF-8 "$@" timeout 60 "$program" 2>&1) || status=$?
    if [ "$status" -ne 1 ] || [ "$(printf '%s\n' "$said" | wc -l)" -ne 1 ] \
        || ! printf '%s\n' "$said" | grep -qE '^hinomori: .+; start it from a desktop session\.$'; then
        echo "FAIL: $name: status $status, saying:" >&2
        printf '%s\n' "$said" >&2
        failures=$((failures + 1))
    else
        echo "ok: $name: $said"
    fi
}

check "no display named"
check "a dead X display" DISPLAY=":$dead"
check "a Wayland display that is gone" XDG_RUNTIME_DIR="$work" WAYLAND_DISPLAY=wayland-gone
check "a gone Wayland display and a dead X display" XDG_RUNTIME_DIR="$work" WAYLAND_DISPLAY=wayland-gone \
    DISPLAY=":$dead"
check "a platform Qt does not have" QT_QPA_PLATFORM=nonesuch DISPLAY=":$dead"
check "Wayland chosen, its display gone" XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=wayland \
    WAYLAND_DISPLAY=wayland-gone DISPLAY=":$dead"

[ "$failures" -eq 0 ] || exit 1
echo "every missing display gets one line"
