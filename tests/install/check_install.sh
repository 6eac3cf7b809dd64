#!/bin/bash
# check_install.sh <cmake> <build dir> <source dir>
#
# Installs the build into a temporary prefix and checks the installed tree.
# Every failed check is reported; the exit status is 1 if any failed.
set -u

cmake=$1
build=$2
source=$3

work=$(mktemp -d "${TMPDIR:-/tmp}/hinomori-install.XXXXXX") || exit 1
prefix=$work/prefix
pid=
cleanup() {
    if [ -n "$pid" ]; then
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

if ! "$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
    cat "$work/install.log" >&2
    echo "FAIL: cmake --install did not succeed" >&2
    exit 1
fi

appdir=$prefix/lib/hinomori

# --- The program and its manual, side by side ---------------------------------
[ -f "$appdir/hinomori" ] && [ -x "$appdir/hinomori" ] \
    || fail "lib/hinomori/hinomori is missing or not executable"
if [ -f "$appdir/Hinomori.txt" ]; then
    cmp -s "$appdir/Hinomori.txt" "$source/resources/Hinomori.txt" \
        || fail "the installed Hinomori.txt differs from resources/Hinomori.txt"
else
    fail "Hinomori.txt is not beside the executable in lib/hinomori"
fi

# --- bin/hinomori: a relative link that leads to the real executable ---------
link=$prefix/bin/hinomori
if [ -L "$link" ]; then
    case $(readlink "$link") in
        /*) fail "bin/hinomori points to an absolute path; it breaks in a package or another prefix" ;;
    esac
    [ "$(readlink -f "$link")" = "$(readlink -f "$appdir/hinomori")" ] \
        || fail "bin/hinomori leads to '$(readlink "$link")', not lib/hinomori/hinomori"
else
    fail "bin/hinomori is missing or not a symbolic link"
fi

# --- Nothing but the program: no static libraries or headers ------------------
stray=$(cd "$prefix" && find . \( -name '*.a' -o -name '*.h' -o -name include \) -print)
[ -z "$stray" ] || fail "files for building installed:" $stray

# --- Desktop entry -------------------------------------------------------------
desktop=$prefix/share/applications/hinomori.desktop
if [ -f "$desktop" ]; then
    [ "$(head -n 1 "$desktop")" = "[Desktop Entry]" ] \
        || fail "hinomori.desktop does not begin with [Desktop Entry]"
    expect_key() {
        grep -qxF "$1" "$desktop" || fail "hinomori.desktop lacks the line '$1'"
    }
    expect_key 'Type=Application'
    expect_key 'Name=ひのもり'
    expect_key 'Name[ja]=ひのもり'
    expect_key 'Exec=hinomori'
    expect_key 'Icon=hinomori'
    expect_key 'Terminal=false'
    grep -qE '^Categories=(.*;)?Utility;' "$desktop" \
        || fail "hinomori.desktop is not in the Utility category"
    grep -qE '^Comment=[ -~]+$' "$desktop" || fail "hinomori.desktop has no English Comment"
    grep -qE '^Comment\[ja\]=.*[^ -~]' "$desktop" \
        || fail "hinomori.desktop has no Japanese Comment[ja]"
    # Each key once per locale: a duplicate makes menus pick one at random.
    dupes=$(grep -oE '^[A-Za-z0-9-]+(\[[^]]+\])?=' "$desktop" | sort | uniq -d)
    [ -z "$dupes" ] || fail "hinomori.desktop repeats keys: $dupes"
else
    fail "share/applications/hinomori.desktop is missing"
fi

# --- Icons: real PNGs of the size their folder names ---------------------------
png_size() {
    # Width and height from the IHDR chunk, after the 8-byte signature.
    local w h
    w=$(od -An -tu1 -j16 -N4 "$1" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 }')
    h=$(od -An -tu1 -j20 -N4 "$1" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 }')
    echo "${w}x${h}"
}
for size in 16 32 48 64 128; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/hinomori.png
    if [ ! -f "$icon" ]; then
        fail "the ${size}-pixel icon is missing"
    elif [ "$(od -An -tx1 -N8 "$icon" | tr -d ' \n')" != "89504e470d0a1a0a" ]; then
        fail "the ${size}-pixel icon is not a PNG"
    elif [ "$(png_size "$icon")" != "${size}x${size}" ]; then
        fail "the ${size}-pixel icon is $(png_size "$icon")"
    fi
done

svg=$prefix/share/icons/hicolor/scalable/apps/hinomori.svg
if [ -f "$svg" ]; then
    grep -q '<svg' "$svg" || fail "the scalable icon is not an SVG"
else
    fail "the scalable icon is missing"
fi

# --- What Debian and software centres read ------------------------------------
metainfo=$prefix/share/metainfo/io.github.hinomori.hinomori.metainfo.xml
if [ -f "$metainfo" ]; then
    grep -qF '<launchable type="desktop-id">hinomori.desktop</launchable>' "$metainfo" \
        || fail "the AppStream metadata does not name hinomori.desktop"
    if command -v appstreamcli >/dev/null; then
        appstreamcli validate --no-net --pedantic "$metainfo" >"$work/appstream.log" 2>&1 \
            || fail "appstreamcli rejects the metadata: $(cat "$work/appstream.log")"
    fi
else
    fail "share/metainfo/io.github.hinomori.hinomori.metainfo.xml is missing"
fi
for page in share/man/man1/hinomori.1.gz share/man/ja/man1/hinomori.1.gz share/doc/hinomori/changelog.gz; do
    gzip -t "$prefix/$page" 2>/dev/null || fail "$page is missing or not gzipped"
done
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
    "$prefix/share/doc/hinomori/copyright" 2>/dev/null \
    || fail "share/doc/hinomori/copyright is missing or not machine-readable"
if command -v desktop-file-validate >/dev/null && [ -f "$desktop" ]; then
    desktop-file-validate "$desktop" >"$work/desktop.log" 2>&1 \
        || fail "desktop-file-validate rejects the entry: $(cat "$work/desktop.log")"
fi

# --- The installed program, started as the desktop entry starts it -----------
# Qt takes the application's folder from /proc/self/exe, so the folder the
# kernel reports for the running process is where the program looks for its
# manual.
if [ -L "$link" ] && [ -x "$appdir/hinomori" ]; then
    export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
    PATH=$prefix/bin:$PATH hinomori >"$work/run.log" 2>&1 &
    pid=$!
    exe=
    for _ in $(seq 50); do
        exe=$(readlink "/proc/$pid/exe" 2>/dev/null) || break
        [ "${exe##*/}" = hinomori ] && break
        sleep 0.1
    done
    sleep 0.5
    if ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid"
        status=$?
        pid=
        fail "the installed program exited at once (status $status): $(cat "$work/run.log")"
    elif [ "${exe##*/}" != hinomori ]; then
        fail "could not see the installed program running (last seen as '$exe')"
    else
        [ -f "$(dirname "$exe")/Hinomori.txt" ] \
            || fail "the running program's folder $(dirname "$exe") has no Hinomori.txt"
        [ "$(readlink -f "$exe")" = "$(readlink -f "$appdir/hinomori")" ] \
            || fail "bin/hinomori started $exe instead of the installed program"
    fi
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures install check(s) failed; installed tree:" >&2
    (cd "$prefix" && find . | sort) >&2
    exit 1
fi
echo "install layout OK"
