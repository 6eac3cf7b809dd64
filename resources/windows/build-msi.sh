#!/usr/bin/env bash
# Builds the Windows installer from hinomori.wxs with wixl and msibuild
# (msitools):  build-msi.sh BUILD_DIR OUTPUT.msi
# BUILD_DIR holds hinomori.exe; it and OUTPUT may be anywhere. The package's
# ProductVersion is the program's own, from its version resource.
set -euo pipefail

build_dir=$(realpath "${1:?usage: build-msi.sh BUILD_DIR OUTPUT.msi}")
output=$(realpath -m "${2:?usage: build-msi.sh BUILD_DIR OUTPUT.msi}")
source_dir=$(cd "$(dirname "$0")/../.." && pwd)

# The program's version (VS_FIXEDFILEINFO, after its signature and structure
# version): File.Version is all four fields, ProductVersion the three that
# Windows Installer compares (major.minor.build).
exe="$build_dir/hinomori.exe"
at=$(LC_ALL=C grep -obUaP '\xbd\x04\xef\xfe\x00\x00\x01\x00' "$exe" | head -n 1 | cut -d: -f1)
[[ -n $at ]] || { echo "build-msi.sh: $exe has no version resource" >&2; exit 1; }
read -r high low < <(od -An --endian=little -tu4 -j $((at + 8)) -N 8 "$exe")
file_version="$((high >> 16)).$((high & 65535)).$((low >> 16)).$((low & 65535))"
version=${file_version%.*}

# The Japanese texts of the package, by name: wixl can write no Japanese into
# the tables (see hinomori.wxs), nor the summary in its code page, so it writes
# a placeholder, and the text goes in below.
declare -A texts=(
    [ProductName]="ひのもり"
    [Manufacturer]="ひのもり開発チーム"
    [ShortcutName]="ひのもり"
    [Description]="和暦と西暦の変換、曜日の表示"
    [DowngradeMessage]="新しい版のひのもりがインストールされています。"
    [WindowsMessage]="ひのもりには Windows 10 バージョン 1607 以降が必要です。"
    [Subject]="ひのもり $version"
)
# Where wixl puts them in the tables.
columns=(Property.Value Shortcut.Name Shortcut.Description Feature.Title
         LaunchCondition.Description)

# A text's placeholder: @NAME@, stretched with ~ to the text's length in code
# page 932, the length the summary's texts must keep (see summary-texts.py).
declare -A placeholders
for name in "${!texts[@]}"; do
    length=$(printf '%s' "${texts[$name]}" | iconv -f UTF-8 -t CP932 | wc -c)
    placeholder="@$name"
    while ((${#placeholder} + 1 < length)); do
        placeholder+="~"
    done
    placeholders[$name]="$placeholder@"
done

defines=(-D "Version=$version")
for name in "${!texts[@]}"; do
    defines+=(-D "$name=${placeholders[$name]}")
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# wixl finds sources only by paths relative to its working folder.
ln -s "$build_dir" "$work/build"
ln -s "$source_dir/resources" "$work/resources"
ln -s "$source_dir/LICENSE" "$work/LICENSE"
(cd "$work" && wixl --arch x64 "${defines[@]}" -D BuildDir=build -o package.msi "$source_dir/resources/windows/hinomori.wxs")

printf '\r\n\r\n932\t_ForceCodepage\r\n' >"$work/_ForceCodepage.idt"
msibuild "$work/package.msi" -i "$work/_ForceCodepage.idt"
for name in "${!texts[@]}"; do
    for column in "${columns[@]}"; do
        table=${column%.*} field=${column#*.}
        msibuild "$work/package.msi" \
            -q "UPDATE \`$table\` SET \`$field\` = '${texts[$name]}' WHERE \`$field\` = '${placeholders[$name]}'"
    done
done
for column in "${columns[@]}"; do
    table=${column%.*} field=${column#*.}
    if msiinfo export "$work/package.msi" "$table" | grep -q '@[A-Za-z]*~*@'; then
        echo "build-msi.sh: a placeholder is left in the $table table" >&2
        exit 1
    fi
done

# wixl leaves the program's File.Version empty, and Windows Installer then
# treats it as an unversioned file, whose replacement on upgrade goes by
# dates and hashes. Its language is the version resource's; a versioned file
# has no hash.
msibuild "$work/package.msi" \
    -q "UPDATE \`File\` SET \`Version\` = '$file_version', \`Language\` = '1041' WHERE \`File\` = 'hinomori.exe'" \
    -q "DELETE FROM \`MsiFileHash\` WHERE \`File_\` = 'hinomori.exe'"

# wixl writes HKMU, the root that follows ALLUSERS, as 4, which Windows
# Installer does not know: it is -1.
msibuild "$work/package.msi" -q "UPDATE \`Registry\` SET \`Root\` = -1 WHERE \`Root\` = 4"

# The summary's subject, author (wixl's is the product's manufacturer) and
# comments, in the summary's code page; Japanese as the package's language.
"$source_dir/resources/windows/summary-texts.py" "$work/package.msi" \
    "Subject=${texts[Subject]}" "Author=${texts[Manufacturer]}" "Comments=${texts[Description]}" \
    "Template=x64;1041"

mkdir -p "$(dirname "$output")"
mv "$work/package.msi" "$output"
