#!/usr/bin/env bash
# Proves the Windows installer as an administrator deploys it. First what
# Explorer and inventory tools read of the package: its summary, the
# program's file version, its launch condition. Then, under Wine as a
# Japanese Windows 10, each from a fresh prefix:
# - installs it with `msiexec /i … /qn`, checks the files, the Start-menu
#   shortcut, the program's icon and the Apps & features entry, starts the
#   installed program and waits for its window, closes it; installs a rebuild
#   of the same version over it and finds one entry; uninstalls with
#   `msiexec /x … /qn` and checks that nothing is left behind; then finds it
#   refused on Windows 8.1;
# - installs it, then a later version over it, and finds one entry, the
#   later one;
# - installs the later version, then finds it refused over that.
#
#   check_msi.sh PACKAGE.msi STATE_DIR SOURCE_DIR REBUILD.msi LATER.msi
#
# REBUILD.msi is PACKAGE.msi built again from the same sources, LATER.msi a
# build of a later version. STATE_DIR is emptied and holds the prefixes, the
# logs and a screenshot of the started program (started.png).
set -euo pipefail

usage="usage: check_msi.sh PACKAGE.msi STATE_DIR SOURCE_DIR REBUILD.msi LATER.msi"
msi=$(realpath "${1:?$usage}")
state=${2:?$usage}
source_dir=$(realpath "${3:?$usage}")
rebuild=$(realpath "${4:?$usage}")
later=$(realpath "${5:?$usage}")
wine_env="$source_dir/tests/wine/wine-env.sh"

product_name="ひのもり"
publisher="ひのもり開発チーム"
description="和暦と西暦の変換、曜日の表示"
windows_message="ひのもりには Windows 10 バージョン 1607 以降が必要です。"

# A property of a package:  property PACKAGE.msi NAME
property() {
    msiinfo export "$1" Property | tr -d '\r' | awk -F '\t' -v name="$2" '$1 == name { print $2 }'
}
version=$(property "$msi" ProductVersion)
product_code=$(property "$msi" ProductCode)

fail() {
    echo "check_msi.sh: FAIL: $*" >&2
    exit 1
}

# A little-endian number of 1, 2 or 4 bytes:  number FILE OFFSET BYTES
number() {
    od -An --endian=little -tu"$3" -j "$2" -N "$3" "$1" | tr -d ' '
}

# The version in an executable's version resource (VS_FIXEDFILEINFO).
file_version() {
    local at high low
    at=$(LC_ALL=C grep -obUaP '\xbd\x04\xef\xfe\x00\x00\x01\x00' "$1" | head -n 1 | cut -d: -f1)
    [[ -n $at ]] || return 0
    high=$(number "$1" $((at + 8)) 4) low=$(number "$1" $((at + 12)) 4)
    echo "$((high >> 16)).$((high & 65535)).$((low >> 16)).$((low & 65535))"
}

# The File.Version of a package's hinomori.exe.
packaged_version() {
    msiinfo export "$1" File | tr -d '\r' | awk -F '\t' '$1 == "hinomori.exe" { print $5 }'
}

# Stops every Wine and display the check started.
stop_wine() {
    local folder
    for folder in "$state" "$state"/*/; do
        [[ -f "$folder/prefix.ready" ]] && bash "$wine_env" cleanup "$folder"
    done
    return 0
}
[[ -d "$state" ]] && stop_wine
rm -rf "$state"
mkdir -p "$state"
state=$(realpath "$state")

echo "== summary information"
# Its texts are read in the code page it declares: property 1 of the one
# section, whose offset is at byte 44.
msiinfo extract "$msi" $'\005SummaryInformation' >"$state/summary"
section=$(number "$state/summary" 44 4)
codepage=
for ((i = 0; i < $(number "$state/summary" $((section + 4)) 4); i++)); do
    if [[ $(number "$state/summary" $((section + 8 + 8 * i)) 4) == 1 ]]; then
        codepage=$(number "$state/summary" $((section + $(number "$state/summary" $((section + 12 + 8 * i)) 4) + 4)) 2)
    fi
done
[[ $codepage == 932 ]] || fail "the summary declares code page ${codepage:-none}, not 932"
summary=$(msiinfo suminfo "$msi" | iconv -f CP932 -t UTF-8) || fail "the summary's texts are not in code page 932"
for line in "Subject: $product_name $version" "Author: $publisher" "Comments: $description"; do
    grep -qxF "$line" <<<"$summary" || fail "the summary lacks '$line' in code page 932"
done
grep -E '^(Subject|Author|Comments):' <<<"$summary"

echo "== the program's file version"
# Windows Installer replaces a versioned file by its version and language,
# and keeps hashes for unversioned files only.
program_row=$(msiinfo export "$msi" File | tr -d '\r' | grep -P '^hinomori\.exe\t')
program_version=$(cut -f5 <<<"$program_row") program_language=$(cut -f6 <<<"$program_row")
[[ $program_version == "$version.0.0" ]] || fail "hinomori.exe's File.Version is '$program_version', not $version.0.0"
[[ $program_language == 1041 ]] || fail "hinomori.exe's File.Language is '$program_language', not 1041"
if msiinfo export "$msi" MsiFileHash | grep -q '^hinomori\.exe'; then
    fail "the versioned hinomori.exe has a hash in MsiFileHash"
fi
echo "hinomori.exe $program_version, language $program_language"

echo "== launch condition"
# Windows 10 1607 (build 14393) or later, said in Japanese; never refusing
# an uninstall.
msiinfo export "$msi" LaunchCondition | tr -d '\r' \
    | grep -qxF "Installed OR WINDOWS_BUILD >= 14393"$'\t'"$windows_message" \
    || fail "no launch condition for Windows 10 1607 with the message $windows_message"
echo "$windows_message"

trap stop_wine EXIT

# One prefix is made; each proof starts from a copy of it, as fresh.
bash "$wine_env" prefix "$state/main"
bash "$wine_env" prefix "$state/upgrade" "$state/main"
bash "$wine_env" prefix "$state/downgrade" "$state/main"
export DISPLAY
# Starts Wine in the prefix NAME, with the three packages on its drive C.
start_wine() {
    stop_wine
    prefix_state="$state/$1"
    bash "$wine_env" setup "$prefix_state"
    DISPLAY=$(cat "$prefix_state/display" 2>/dev/null || echo "${DISPLAY:-}")
    drive_c="$prefix_state/prefix/drive_c"
    folder="$drive_c/Program Files/$product_name"
    cp "$msi" "$drive_c/hinomori.msi"
    cp "$rebuild" "$drive_c/rebuild.msi"
    cp "$later" "$drive_c/later.msi"
}
run() { bash "$wine_env" run "$prefix_state" "$@"; }
# msiexec's COMMAND (/i or /x) on the package C:\NAME.msi, logging to LOG.log
# in the prefix's folder, outside drive C, by Wine's drive Z:
#   installer COMMAND NAME LOG
installer() {
    run msiexec "$1" "C:\\$2.msi" /qn /l*v "Z:${prefix_state//\//\\}\\$3.log"
}

# An installer log as UTF-8: written in the system's code page, or in UTF-16
# with a byte-order mark.
log_text() {
    if [[ $(od -An -tx1 -N2 "$1" | tr -d ' ') == fffe ]]; then
        iconv -f UTF-16 -t UTF-8 "$1"
    else
        iconv -f CP932 -t UTF-8 "$1"
    fi
}

# Registry keys as UTF-8 text: reg export writes UTF-16, which keeps the
# Japanese names that the console's code page would turn into "?".
registry() {
    rm -f "$drive_c/export.reg"
    run reg export "$1" 'C:\export.reg' /y >/dev/null 2>&1 || return 0
    iconv -f UTF-16 -t UTF-8 "$drive_c/export.reg" | tr -d '\r'
    rm -f "$drive_c/export.reg"
}

# The product codes of the Apps & features entries called ひのもり.
entries() {
    registry 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' \
        | awk -v name="\"DisplayName\"=\"$product_name\"" \
            '/^\[/ { key = $0; sub(/.*\\/, "", key); sub(/\]$/, "", key) } $0 == name { print key }'
}
# Apps & features lists PACKAGE, and no other ひのもり:  one_entry PACKAGE.msi WHEN
one_entry() {
    local listed
    listed=$(entries | paste -sd ' ')
    [[ $listed == "$(property "$1" ProductCode)" ]] \
        || fail "$2, Apps & features lists $product_name as ${listed:-nothing}, not only as $(basename "$1")'s $(property "$1" ProductCode)"
    echo "one entry: $(basename "$1"), version $(property "$1" ProductVersion)"
}

echo "== msiexec /i (a fresh prefix)"
start_wine main
(cd "$drive_c" && find . | sort) >"$state/files-before.txt"
installer /i hinomori install || fail "msiexec /i failed; see $prefix_state/install.log"
one_entry "$msi" "after installing"

echo "== installed files"
for file in hinomori.exe Hinomori.txt LICENSE; do
    [[ -f "$folder/$file" ]] || fail "$folder/$file is missing"
done
# The manual with a byte-order mark, so that every Notepad reads it as UTF-8.
cmp -s "$folder/Hinomori.txt" <(printf '\357\273\277'; cat "$source_dir/resources/Hinomori.txt") \
    || fail "the installed manual is not resources/Hinomori.txt with a byte-order mark"
cmp -s "$folder/LICENSE" "$source_dir/LICENSE" || fail "the installed licence differs"
[[ $(file_version "$folder/hinomori.exe") == "$program_version" ]] \
    || fail "the installed hinomori.exe is version $(file_version "$folder/hinomori.exe"), the package says $program_version"
ls -l "$folder"

echo "== Start-menu shortcut"
# The per-machine Start menu on Windows; Wine 8's installer puts a
# per-machine package's shortcut in the installing user's.
shortcut=$(find "$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs" \
    "$drive_c/users" -path '*Start Menu/Programs/*' -name "$product_name.lnk" -print -quit)
[[ -n "$shortcut" ]] || fail "no Start-menu shortcut $product_name.lnk"
# A .lnk holds its target and icon as UTF-16; without the zero bytes the
# ASCII parts read plainly.
tr -d '\0' <"$shortcut" | grep -aq 'hinomori\.exe' || fail "the shortcut does not point at hinomori.exe"
# No icon of its own (HasIconLocation, bit 0x40 of the flags at byte 20), so
# Explorer shows the program's, which no cleaning of Windows Installer's
# cache can take away.
(($(number "$shortcut" 20 4) & 0x40)) && fail "the shortcut carries an icon of its own"
echo "$shortcut"

echo "== the program's icon"
# Every size Windows asks for; the hand-drawn 16-colour images byte for byte.
wrestool --extract --type=group_icon --output="$state/program.ico" "$folder/hinomori.exe"
sizes=$(icotool --list "$state/program.ico" 2>/dev/null | sed 's/.*--width=\([0-9]*\).*--bit-depth=\([0-9]*\).*/\1x\2/' | paste -sd ' ')
[[ $sizes == "16x4 20x32 24x32 32x4 40x32 48x32 64x32 256x32" ]] || fail "the program's icon has the images $sizes"
# Each image of an icon file: its width and the checksum of its bytes.
images() {
    local i
    for ((i = 0; i < $(number "$1" 4 2); i++)); do
        echo "$(number "$1" $((6 + 16 * i)) 1) $(dd if="$1" iflag=skip_bytes,count_bytes status=none \
            skip="$(number "$1" $((18 + 16 * i)) 4)" count="$(number "$1" $((14 + 16 * i)) 4)" | sha256sum)"
    done
}
while read -r image; do
    grep -qxF "$image" <(images "$state/program.ico") || fail "the program's icon lacks a 16-colour image of resources/windows/hinomori.ico"
done < <(images "$source_dir/resources/windows/hinomori.ico")
echo "$sizes"

echo "== Apps & features"
uninstall_key="HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$product_code"
entry=$(registry "$uninstall_key")
grep -qx "\"DisplayName\"=\"$product_name\"" <<<"$entry" || fail "no DisplayName $product_name in $uninstall_key"
grep -qx "\"DisplayVersion\"=\"$version\"" <<<"$entry" || fail "no DisplayVersion $version"
grep -qx "\"Publisher\"=\"$publisher\"" <<<"$entry" || fail "no Publisher $publisher"
# What the package knows beyond its name: the contact, the comments, the
# folder, and the installed manual as help and read-me (.reg doubles "\";
# value names go in any case).
installed="C:\\\\Program Files\\\\$product_name\\\\"
for value in "Contact=$publisher" "Comments=$description" "InstallLocation=$installed" \
    "HelpLink=${installed}Hinomori.txt" "Readme=${installed}Hinomori.txt"; do
    name=${value%%=*}
    sed 's/^"[^"]*"=/\L&/' <<<"$entry" | grep -qxF "\"${name,,}\"=\"${value#*=}\"" \
        || fail "no $name ${value#*=} in $uninstall_key"
done
grep -iE '^"(DisplayName|DisplayVersion|Publisher|Contact|Comments|InstallLocation|HelpLink|Readme)"' <<<"$entry"
# Apps & features takes an MSI product's icon from its advertised ProductIcon.
icon=$(registry 'HKLM\Software\Classes\Installer\Products' | sed -n 's/^"ProductIcon"="\(.*\)"$/\1/p' | head -n 1)
[[ -n "$icon" ]] || fail "no ProductIcon for the Apps & features entry"
icon_file="$drive_c/$(sed 's/^C:\\\\//; s/\\\\/\//g' <<<"$icon")"
[[ -f "$icon_file" ]] || fail "the product icon $icon is missing"
echo "ProductIcon $icon"

echo "== the installed program starts"
# Started from its installed path; its top-level window (class hinomori.exe,
# caption ひのもり) must appear, and it must close when asked to.
run "C:\\Program Files\\$product_name\\hinomori.exe" >"$state/program.log" 2>&1 &
program=$!
window= captions=
for _ in $(seq 60); do
    captions=
    for candidate in $(xdotool search --onlyvisible --class '^hinomori\.exe$' 2>/dev/null || true); do
        caption=$(xdotool getwindowname "$candidate" 2>/dev/null || true)
        captions+="'$caption' "
        [[ "$caption" == "$product_name" ]] && window=$candidate
    done
    [[ -n "$window" ]] && break
    kill -0 "$program" 2>/dev/null || break
    sleep 0.5
done
[[ -n "$window" ]] || fail "no window of hinomori.exe captioned $product_name appeared (seen: ${captions:-none}); see $state/program.log"
echo "window $window: $product_name"
import -window root "$state/started.png" 2>/dev/null || true
# taskkill without /f sends the program's windows WM_CLOSE, as closing them would.
run taskkill /im hinomori.exe >/dev/null 2>&1 || true
for _ in $(seq 40); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.5
done
if kill -0 "$program" 2>/dev/null; then
    run taskkill /f /im hinomori.exe >/dev/null 2>&1 || true
    fail "hinomori.exe did not close when asked to"
fi
wait "$program" || true
echo "closed"

echo "== the same version, rebuilt, over it"
# The rebuild has a product code of its own: it must take the installed
# one's place, not stand beside it.
installer /i rebuild rebuild || fail "msiexec /i of the rebuild failed; see $prefix_state/rebuild.log"
one_entry "$rebuild" "after installing the rebuild"
for file in hinomori.exe Hinomori.txt LICENSE; do
    [[ -f "$folder/$file" ]] || fail "after installing the rebuild, $folder/$file is missing"
done

echo "== msiexec /x"
installer /x rebuild uninstall || fail "msiexec /x failed; see $prefix_state/uninstall.log"
(cd "$drive_c" && find . | sort) >"$state/files-after.txt"
# The Installer folder is Windows's own (it exists on every Windows); the
# first installation merely creates it here.
left=$(comm -13 "$state/files-before.txt" "$state/files-after.txt" | grep -vx './windows/Installer' || true)
[[ -z "$left" ]] || fail "the uninstall left files behind:
$left"
[[ -z "$(entries)" ]] || fail "the Apps & features entry is still there"
if grep -q "$product_name" <(registry 'HKLM\Software'); then
    fail "the machine's registry still names $product_name"
fi
echo "nothing left behind"

echo "== refused on Windows 8.1"
# The same package, on the same machine presenting itself as Windows 8.1
# (build 9600), must refuse to install, with msiexec's 1603 (install
# failure) as Wine's exit status, and leave nothing behind.
run winecfg -v win81 >/dev/null 2>&1
status=0
installer /i hinomori old-windows || status=$?
((status == 1603 % 256)) || fail "msiexec /i on Windows 8.1 ended with status $status, not 1603"
grep -q '^Property(S): WINDOWS_BUILD = 9600' <(log_text "$prefix_state/old-windows.log") \
    || fail "the installer did not read build 9600; see $prefix_state/old-windows.log"
[[ ! -e "$folder" && -z "$(entries)" ]] || fail "on Windows 8.1 the package installed all the same"
echo "refused"

later_version=$(property "$later" ProductVersion)
echo "== $later_version over $version (a fresh prefix)"
start_wine upgrade
installer /i hinomori install || fail "msiexec /i failed; see $prefix_state/install.log"
installer /i later later || fail "msiexec /i of $later_version failed; see $prefix_state/later.log"
one_entry "$later" "after installing $later_version over $version"
[[ $(file_version "$folder/hinomori.exe") == "$(packaged_version "$later")" ]] \
    || fail "after the upgrade, the installed hinomori.exe is version $(file_version "$folder/hinomori.exe")"

echo "== $version over $later_version (a fresh prefix)"
# Refused, with msiexec's 1603, because the later version is there; which
# stays as it was.
start_wine downgrade
installer /i later later || fail "msiexec /i of $later_version failed; see $prefix_state/later.log"
status=0
installer /i hinomori downgrade || status=$?
((status == 1603 % 256)) || fail "msiexec /i of $version over $later_version ended with status $status, not 1603"
grep -qF "Property(S): WIX_DOWNGRADE_DETECTED = $(property "$later" ProductCode)" <(log_text "$prefix_state/downgrade.log") \
    || fail "the installer did not find $later_version installed; see $prefix_state/downgrade.log"
one_entry "$later" "after trying $version over $later_version"
[[ $(file_version "$folder/hinomori.exe") == "$(packaged_version "$later")" ]] \
    || fail "after the refusal, the installed hinomori.exe is version $(file_version "$folder/hinomori.exe")"
echo "refused"

stop_wine
rm -rf "$state/upgrade" "$state/downgrade"
echo "check_msi.sh: the installer installs, upgrades, starts and uninstalls cleanly"
