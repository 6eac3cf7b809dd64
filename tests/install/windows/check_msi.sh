#!/usr/bin/env bash
# Proves the Windows installer as an administrator deploys it. First what
# Explorer and inventory tools read of the package: its summary, the
# program's file version, its launch condition, and its tables against the
# validation rules (ICE) that Windows' own validator would apply to them.
# Then, under Wine as a Japanese Windows 10, each from a fresh prefix:
# - installs it with `msiexec /i … /qn`, checks the files, the all-users
#   Start-menu shortcut, the program's icon and the Apps & features entry,
#   starts the installed program and waits for its window, closes it;
#   installs a later build of the same version over it and finds one entry,
#   with the versions of the program, the package and the entry agreeing;
#   uninstalls with
#   `msiexec /x … /qn` and checks that nothing is left behind; then finds it
#   refused on Windows 8.1;
# - installs it, then a later version over it, and finds one entry, the
#   later one;
# - installs the later version, then finds it refused over that.
#
#   check_msi.sh PACKAGE.msi STATE_DIR SOURCE_DIR REBUILD.msi LATER.msi
#
# REBUILD.msi is a later build of PACKAGE.msi's version (1.0.N+1), LATER.msi
# a build of a later version. STATE_DIR is emptied and holds the prefixes, the
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
[[ $program_version == "$version.0" ]] || fail "hinomori.exe's File.Version is '$program_version', not $version.0"
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

echo "== validation rules"
# Windows' validator (the ICEs of darice.cub) runs on Windows only; the rules
# that the package's shortcut and upgrade rows fall under are checked here,
# on its tables as msiinfo exports them (tab-separated, after three header
# lines). Column numbers are the tables' own order.
table() { msiinfo export "$msi" "$1" | tr -d '\r' | tail -n +4; }
# The same with fields split by a unit separator, which read keeps apart
# where a tab between empty fields would be one.
fields() { table "$1" | tr '\t' '\037'; }
# Whether version A is below version B, field by field.
below() { [[ $1 != "$2" && $(printf '%s\n%s\n' "$1" "$2" | sort -V | head -n 1) == "$1" ]]; }
registry_rows=$(table Registry) component_rows=$(table Component) file_rows=$(table File)
features=$(table Feature | cut -f1)
# ICE43: a shortcut whose target is a file, not a feature (not advertised),
# is in a component whose key path is its own registry value under HKCU (1)
# or under the root that follows ALLUSERS (-1): with a file as key path, only
# the first user to install would get it.
# ICE57: such a component mixes nothing per-user or per-machine (HKCU 1, HKLM
# 2, a file) with it, and a component with a file as key path has no
# shortcut and no registry value that follows the user.
while IFS=$'\037' read -r shortcut _ _ component target _; do
    grep -qxF "$target" <<<"$features" && continue
    row=$(awk -F '\t' -v c="$component" '$1 == c' <<<"$component_rows")
    attributes=$(cut -f4 <<<"$row") key=$(cut -f6 <<<"$row")
    ((attributes & 4)) || fail "ICE43: the shortcut $shortcut is in $component, whose key path is a file, not a registry value"
    key_row=$(awk -F '\t' -v k="$key" '$1 == k' <<<"$registry_rows")
    [[ $(cut -f6 <<<"$key_row") == "$component" ]] || fail "ICE43: $component's key path $key is no registry value of its own"
    [[ $(cut -f2 <<<"$key_row") == -1 ]] || fail "ICE43/ICE57: $component's key path $key is under root $(cut -f2 <<<"$key_row"), not -1 (HKCU in a per-user install, HKLM in a per-machine one)"
    awk -F '\t' -v c="$component" '$2 == c' <<<"$file_rows" | grep -q . && fail "ICE57: $component holds files beside its shortcut"
    awk -F '\t' -v c="$component" '$6 == c && $2 != -1' <<<"$registry_rows" | grep -q . \
        && fail "ICE57: $component holds registry values under a fixed root beside its shortcut"
    echo "ICE43, ICE57: shortcut $shortcut in $component, key path $key under HKMU"
done < <(fields Shortcut)
while IFS=$'\037' read -r component _ _ attributes _; do
    ((attributes & 4)) && continue
    awk -F '\t' -v c="$component" '$4 == c' < <(table Shortcut) | grep -q . && fail "ICE57: $component has a file key path and a shortcut"
    awk -F '\t' -v c="$component" '$6 == c && ($2 == 1 || $2 == -1)' <<<"$registry_rows" | grep -q . \
        && fail "ICE57: $component has a file key path and per-user registry values"
done < <(fields Component)
# ICE61: a row of the Upgrade table that removes what it finds (not
# OnlyDetect, 2) ends below the package's own version, or at it exclusively
# (no VersionMaxInclusive, 512): else the package would remove itself, or a
# build of the same version, on the way in. Its range is not upside down.
while IFS=$'\037' read -r _ minimum maximum _ attributes _ property; do
    ((attributes & 2)) && continue
    [[ -z $minimum || -z $maximum ]] || ! below "$maximum" "$minimum" || fail "ICE61: the Upgrade row $property runs from $minimum down to $maximum"
    [[ -n $maximum ]] || fail "ICE61: the Upgrade row $property removes every version from ${minimum:-the first} on, this one's too"
    if below "$version" "$maximum" || { [[ $maximum == "$version" ]] && ((attributes & 512)); }; then
        fail "ICE61: the Upgrade row $property removes versions up to $maximum, this package's $version included"
    fi
    echo "ICE61: $property removes ${minimum:-the first} to $maximum, this package's $version not included"
done < <(fields Upgrade)

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
    folder="$drive_c/Program Files/Hinomori"
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

# The installed program, the package PACKAGE and its Apps & features entry
# tell one version: the program's file version is the ProductVersion
# (major.minor.build) and a fourth field 0, its product version text and the
# entry's DisplayVersion the ProductVersion:  agree PACKAGE.msi WHEN
agree() {
    local want installed_version shown
    want=$(property "$1" ProductVersion)
    installed_version=$(file_version "$folder/hinomori.exe")
    [[ $installed_version == "$want.0" ]] || fail "$2, the installed hinomori.exe is version $installed_version, the package $want"
    # Not grep -q, which stops reading early: pipefail would take tr's broken pipe for a failure.
    tr -d '\0' <"$folder/hinomori.exe" | grep -aP "ProductVersion\Q$want\E(?![0-9.])" >/dev/null \
        || fail "$2, hinomori.exe's ProductVersion text is not $want"
    shown=$(registry "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$(property "$1" ProductCode)" \
        | sed -n 's/^"DisplayVersion"="\(.*\)"$/\1/p')
    [[ $shown == "$want" ]] || fail "$2, Apps & features shows version ${shown:-none}, the package $want"
    echo "version $want: the program, the package and Apps & features agree"
}

echo "== msiexec /i (a fresh prefix)"
start_wine main
(cd "$drive_c" && find . | sort) >"$state/files-before.txt"
installer /i hinomori install || fail "msiexec /i failed; see $prefix_state/install.log"
one_entry "$msi" "after installing"
agree "$msi" "after installing"

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
# A per-machine package (ALLUSERS 1), whose ProgramMenuFolder Windows
# Installer then makes the all-users Start menu: there it must be, and in no
# user's. Wine 8 makes ProgramMenuFolder the installing user's menu whatever
# ALLUSERS says, which its log tells; under such a Wine only the package's
# side is checked, and the shortcut where Wine put the folder.
[[ $(property "$msi" ALLUSERS) == 1 ]] || fail "the package is not per-machine: ALLUSERS is '$(property "$msi" ALLUSERS)'"
msiinfo export "$msi" Shortcut | tr -d '\r' | awk -F '\t' '$1 == "StartMenuShortcut" { print $2 }' | grep -qx ProgramMenuFolder \
    || fail "the shortcut is not in ProgramMenuFolder"
resolved=$(log_text "$prefix_state/install.log" | tr -d '\r' | sed -n 's/^Property(S): ProgramMenuFolder = //p' | tail -n 1)
all_users="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
if [[ ${resolved,,} == 'c:\users\'* ]]; then
    echo "not checked under this Wine: the all-users Start menu (it made ProgramMenuFolder $resolved)"
    shortcut="$drive_c/$(sed 's/^[Cc]:\\//; s/\\/\//g' <<<"$resolved")$product_name.lnk"
    [[ -f "$shortcut" ]] || fail "no shortcut $product_name.lnk in $resolved"
else
    shortcut="$all_users/$product_name.lnk"
    [[ -f "$shortcut" ]] || fail "no shortcut $product_name.lnk in the all-users Start menu"
    [[ -z "$(find "$drive_c/users" -name "$product_name.lnk")" ]] || fail "a user's Start menu has $product_name.lnk"
fi
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

echo "== the program's manifest"
# It runs with the rights of whoever starts it and never asks to be raised.
wrestool --extract --type=24 --raw "$folder/hinomori.exe" | grep -q '<requestedExecutionLevel level="asInvoker"' \
    || fail "the program's manifest does not ask to run as the invoker"
echo "asInvoker"

echo "== Apps & features"
uninstall_key="HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$product_code"
entry=$(registry "$uninstall_key")
grep -qx "\"DisplayName\"=\"$product_name\"" <<<"$entry" || fail "no DisplayName $product_name in $uninstall_key"
grep -qx "\"DisplayVersion\"=\"$version\"" <<<"$entry" || fail "no DisplayVersion $version"
grep -qx "\"Publisher\"=\"$publisher\"" <<<"$entry" || fail "no Publisher $publisher"
# What the package knows beyond its name: the contact, the comments, the
# folder, and the installed manual as help and read-me (.reg doubles "\";
# value names go in any case).
installed="C:\\\\Program Files\\\\Hinomori\\\\"
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
run "C:\\Program Files\\Hinomori\\hinomori.exe" >"$state/program.log" 2>&1 &
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

echo "== a later build, $(property "$rebuild" ProductVersion), over it"
# It has a product code of its own: it must take the installed one's place,
# not stand beside it.
installer /i rebuild rebuild || fail "msiexec /i of the later build failed; see $prefix_state/rebuild.log"
one_entry "$rebuild" "after installing the later build"
for file in hinomori.exe Hinomori.txt LICENSE; do
    [[ -f "$folder/$file" ]] || fail "after installing the later build, $folder/$file is missing"
done
agree "$rebuild" "after installing the later build"

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
[[ -z "$(registry 'HKLM\Software\Hinomori')" ]] || fail "the shortcut's key HKLM\Software\Hinomori is still there"
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
agree "$later" "after installing $later_version over $version"
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
