#!/bin/bash
# check_no_display.sh <hinomori executable>
#
# Starts the program in each way a session can lack its display, or Qt its
# platform plugin, and checks that it says so in one line and exits with
# status 1, instead of Qt's plugin message and abort: a display that cannot
# be opened as such, another cause in Qt's words. Every failed case is
# reported; the exit status is 1 if any failed.
set -u

program=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/hinomori-no-display.XXXXXX") || exit 1
trap 'rm -rf "$work"' EXIT

# An X display number with no server behind it.
dead=90
while [ -e "/tmp/.X11-unix/X$dead" ] || [ -e "/tmp/.X$dead-lock" ]; do
    dead=$((dead + 1))
done

# A copy of the program whose Qt finds one platform plugin only, xcb, in a
# folder of its own (qt.conf), and that plugin's library needs a library
# that is not there, as when libxcb-cursor0 is missing for Qt 6.5 and later.
qtcore=$(ldd "$program" | awk '/libQt6Core\.so/ { print $3 }')
mkdir -p "$work/bin" "$work/plugins/platforms"
cp "$program" "$work/bin/hinomori"
printf '[Paths]\nPlugins=%s\n' "$work/plugins" > "$work/bin/qt.conf"
LC_ALL=C sed 's/libQt6XcbQpa\.so\.6/libQt6XcbQpX.so.6/' "$(dirname "$qtcore")/qt6/plugins/platforms/libqxcb.so" \
    > "$work/plugins/platforms/libqxcb.so"

failures=0
display='; start it from a desktop session\.$'
check() {
    local name=$1 expected=$2 run=$program
    shift 2
    if [ "${1:-}" = broken-plugin ]; then
        run=$work/bin/hinomori
        shift
    fi
    local said status=0
    said=$(env -i PATH=/usr/bin:/bin HOME="$work" LANG=C.UTF-8 "$@" timeout 60 "$run" 2>&1) || status=$?
    if [ "$status" -ne 1 ] || [ "$(printf '%s\n' "$said" | wc -l)" -ne 1 ] \
        || ! printf '%s\n' "$said" | grep -qE "^hinomori: .+$expected"; then
        echo "FAIL: $name: status $status, saying:" >&2
        printf '%s\n' "$said" >&2
        failures=$((failures + 1))
    else
        echo "ok: $name: $said"
    fi
}

check "no display named" "$display"
check "a dead X display" "$display" DISPLAY=":$dead"
check "a Wayland display that is gone" "$display" XDG_RUNTIME_DIR="$work" WAYLAND_DISPLAY=wayland-gone
check "a gone Wayland display and a dead X display" "$display" XDG_RUNTIME_DIR="$work" WAYLAND_DISPLAY=wayland-gone \
    DISPLAY=":$dead"
check "Wayland chosen, its display gone" "$display" XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=wayland \
    WAYLAND_DISPLAY=wayland-gone DISPLAY=":$dead"
# Not the display: the line says what Qt named.
check "a platform Qt does not have" 'Could not find the Qt platform plugin "nonesuch"[^;]*$' \
    QT_QPA_PLATFORM=nonesuch DISPLAY=":$dead"
check "a platform plugin whose library is missing" \
    'Could not load the Qt platform plugin "xcb".*libQt6XcbQpX\.so\.6: cannot open shared object file.*\)$' \
    broken-plugin QT_QPA_PLATFORM=xcb DISPLAY=":$dead"

[ "$failures" -eq 0 ] || exit 1
echo "every start-up failure gets one line"
