#!/usr/bin/env bash
# The Wine the Windows build's tests run in: a private prefix and display
# under the build tree, so a test run never touches ~/.wine or the desktop.
#
#   wine-env.sh setup STATE          make the prefix once, start the display
#   wine-env.sh prefix STATE [FROM]  make the prefix once, or copy FROM's, and
#                                    leave Wine stopped
#   wine-env.sh run STATE EXE…       run a Windows program there (CTest's emulator)
#   wine-env.sh cleanup STATE        stop Wine and the display
#
# STATE is a folder of the build tree: the prefix, the display's number and
# its process id live there. FROM is another STATE whose prefix is made and
# has run nothing since.
set -euo pipefail

usage="usage: wine-env.sh setup|prefix|run|cleanup STATE [FROM | program args…]"
command=${1:?$usage}
state=${2:?$usage}
shift 2
mkdir -p "$state"
state=$(cd "$state" && pwd)
from=
if [[ $command == prefix && $# -gt 0 ]]; then
    from=$(cd "$1" && pwd)
    [[ -f "$from/prefix.ready" ]] || { echo "wine-env.sh: $from has no prefix to copy" >&2; exit 1; }
fi

export WINEPREFIX="$state/prefix"
export WINEARCH=win64
# No debug chatter, no offer to download Mono or Gecko on first start, and
# no menu entries on the Linux desktop for shortcuts an installer makes.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Wine runs as a Japanese Windows, as the users have (code page 932, locale
# 0411), only in a Japanese locale; its UTF-8 reads the Japanese Unix file
# names and command lines. Without the locale Wine falls back to an English
# system, where installing to Program Files\ひのもり fails.
export LC_ALL=ja_JP.UTF-8
locale -a 2>/dev/null | grep -qix 'ja_JP\.utf-\?8' || {
    echo "wine-env.sh: the ja_JP.UTF-8 locale is missing; scripts/install-deps.sh windows generates it" >&2
    exit 1
}

wine=$(command -v wine || command -v wine-stable || true)
wineserver=$(command -v wineserver || command -v wineserver-stable || true)
[[ -n "$wine" && -n "$wineserver" ]] || { echo "wine-env.sh: wine is not installed" >&2; exit 1; }

# The Japanese fonts the windows ask for by name are Windows fonts; a test
# prefix maps them to Debian's IPA Gothic fonts. The program itself never
# names a substitute.
font_substitutes() {
    local gothic=IPAGothic proportional=IPAPGothic
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n'
    printf '"%s"="%s"\r\n' \
        "ＭＳ ゴシック" "$gothic" \
        "MS Gothic" "$gothic" \
        "ＭＳ Ｐゴシック" "$proportional" \
        "MS PGothic" "$proportional" \
        "MS UI Gothic" "$proportional" \
        "MS Shell Dlg" "$proportional"
    # The system font has no Japanese glyphs of its own: link it to IPA Gothic,
    # as a Japanese Windows links it to its own Gothic.
    printf '\r\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink]\r\n'
    printf '"%s"=hex(7):%s\r\n' \
        "Tahoma" "$(multi_string ipag.ttf,IPAGothic)" \
        "MS Shell Dlg" "$(multi_string ipag.ttf,IPAGothic)"
    # With no window manager, Wine waits about two seconds for one at every
    # window it shows; unmanaged windows are shown at once.
    printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="N"\r\n'
}

# A REG_MULTI_SZ of one string, as the hex(7) of a .reg file: UTF-16LE units,
# then two terminating nulls.
multi_string() {
    printf '%s' "$1" | iconv -f UTF-8 -t UTF-16LE | od -An -v -tx1 | tr -s ' \n' ',' | sed 's/^,//'
    printf '00,00,00,00'
}

prepare_prefix() {
    [[ -f "$state/prefix.ready" ]] && return 0
    rm -rf "$WINEPREFIX"
    if [[ -n $from ]]; then
        # A copy of a prefix no Wine has touched since it was made is as
        # fresh as a new one, and takes a second instead of half a minute.
        cp -a "$from/prefix" "$WINEPREFIX"
        touch "$state/prefix.ready"
        return 0
    fi
    echo "wine-env.sh: making the test prefix $WINEPREFIX (once)"
    "$wine" wineboot -i >"$state/wineboot.log" 2>&1
    "$wineserver" -w
    # reg import reads a UTF-16 file, so the Japanese names do not depend on
    # how Wine decodes its command line.
    { printf '\xff\xfe'; font_substitutes | iconv -f UTF-8 -t UTF-16LE; } >"$WINEPREFIX/drive_c/fonts.reg"
    "$wine" reg import 'C:\fonts.reg' >>"$state/wineboot.log" 2>&1
    rm -f "$WINEPREFIX/drive_c/fonts.reg"
    "$wineserver" -w
    # Wine 8 presents itself as Windows 7; the program needs Windows 10 1607
    # or later, and its installer refuses anything older.
    "$wine" winecfg -v win10 >>"$state/wineboot.log" 2>&1
    "$wineserver" -w
    "$wine" reg query 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' /v 'MS Gothic' \
        >/dev/null 2>&1 || { echo "wine-env.sh: the font substitutes did not reach the prefix" >&2; exit 1; }
    touch "$state/prefix.ready"
}

stop_display() {
    if [[ -f "$state/xvfb.pid" ]]; then
        kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
        rm -f "$state/xvfb.pid" "$state/display"
    fi
}

# A private X server, so window tests do not depend on (or disturb) whatever
# display the caller has, and every run sees the same 96-dpi screen.
start_display() {
    stop_display
    command -v Xvfb >/dev/null || {
        [[ -n "${DISPLAY:-}" ]] && return 0
        echo "wine-env.sh: no display and no Xvfb" >&2
        exit 1
    }
    local number_file="$state/display.number"
    rm -f "$number_file"
    # -displayfd writes the number of a free display once the server is ready.
    exec {number_fd}>"$number_file"
    setsid Xvfb -displayfd "$number_fd" -screen 0 1280x1024x24 -dpi 96 -nolisten tcp \
        </dev/null >"$state/xvfb.log" 2>&1 &
    echo $! >"$state/xvfb.pid"
    exec {number_fd}>&-
    for _ in $(seq 100); do
        [[ -s "$number_file" ]] && break
        sleep 0.1
    done
    [[ -s "$number_file" ]] || { echo "wine-env.sh: Xvfb did not start; see $state/xvfb.log" >&2; exit 1; }
    echo ":$(tr -d '[:space:]' <"$number_file")" >"$state/display"
}

case "$command" in
setup)
    "$wineserver" -k 2>/dev/null || true
    start_display
    [[ -f "$state/display" ]] && export DISPLAY=$(cat "$state/display")
    (
        flock 9
        prepare_prefix
    ) 9>"$state/lock"
    # One server, and Wine's own background processes, for the whole run:
    # started here with no inherited output, so CTest waits for no test's
    # leftovers, and no test pays for starting Wine afresh.
    "$wineserver" -w
    "$wineserver" -p </dev/null >/dev/null 2>&1
    "$wine" wineboot </dev/null >/dev/null 2>&1
    ;;
prefix)
    (
        flock 9
        prepare_prefix
    ) 9>"$state/lock"
    "$wineserver" -w
    ;;
run)
    (
        flock 9
        prepare_prefix
    ) 9>"$state/lock"
    [[ -f "$state/display" ]] && export DISPLAY=$(cat "$state/display")
    exec "$wine" "$@"
    ;;
cleanup)
    "$wineserver" -k 2>/dev/null || true
    stop_display
    ;;
*)
    echo "$usage" >&2
    exit 2
    ;;
esac
