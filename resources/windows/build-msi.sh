#!/usr/bin/env bash
# Builds the Windows installer from hinomori.wxs with wixl and msibuild
# (msitools):  build-msi.sh BUILD_DIR VERSION OUTPUT.msi
# BUILD_DIR holds hinomori.exe; it and OUTPUT may be anywhere.
set -euo pipefail

build_dir=$(realpath "${1:?usage: build-msi.sh BUILD_DIR VERSION OUTPUT.msi}")
version=${2:?usage: build-msi.sh BUILD_DIR VERSION OUTPUT.msi}
output=$(realpath -m "${3:?usage: build-msi.sh BUILD_DIR VERSION OUTPUT.msi}")
source_dir=$(cd "$(dirname "$0")/../.." && pwd)

# The Japanese texts of the package, by placeholder: wixl can write no
# Japanese into the tables (see hinomori.wxs), so it writes the placeholder
# and the text goes in below.
declare -A texts=(
    [ProductName]="ひのもり"
    [Manufacturer]="ひのもり開発チーム"
    [FolderName]="ひのもり"
    [ShortcutName]="ひのもり"
    [Description]="和暦と西暦の変換、曜日の表示"
    [DowngradeMessage]="新しい版のひのもりがインストールされています。"
)
# Where wixl puts each of them.
columns=(Property.Value Directory.DefaultDir Shortcut.Name Shortcut.Description Feature.Title
         LaunchCondition.Description)

defines=(-D "Version=$version")
for name in "${!texts[@]}"; do
    defines+=(-D "$name=@$name@")
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# wixl finds sources only by paths relative to its working folder.
ln -s "$build_dir" "$work/build"
ln -s "$source_dir/resources" "$work/resources"
ln -s "$source_dir/LICENSE" "$work/LICENSE"
(cd "$work" && wixl --arch x64 "${defines[@]}" -D BuildDir=build -o package.msi "$source_dir/resources/windows/hinomori.wxs")

# The summary's author comes from the product's placeholder; the rest of the
# summary, including the package code wixl made, stays.
package_code=$(msiinfo suminfo "$work/package.msi" | sed -n 's/^Revision number (UUID): //p')
msibuild "$work/package.msi" -s "${texts[ProductName]} $version" "${texts[Manufacturer]}" "x64;1041" "$package_code"

printf '\r\n\r\n932\t_ForceCodepage\r\n' >"$work/_ForceCodepage.idt"
msibuild "$work/package.msi" -i "$work/_ForceCodepage.idt"
for name in "${!texts[@]}"; do
    for column in "${columns[@]}"; do
        table=${column%.*} field=${column#*.}
        msibuild "$work/package.msi" \
            -q "UPDATE \`$table\` SET \`$field\` = '${texts[$name]}' WHERE \`$field\` = '@$name@'"
    done
done
for column in "${columns[@]}"; do
    table=${column%.*} field=${column#*.}
    if msiinfo export "$work/package.msi" "$table" | grep -q '@[A-Za-z]*@'; then
        echo "build-msi.sh: a placeholder is left in the $table table" >&2
        exit 1
    fi
done

mkdir -p "$(dirname "$output")"
mv "$work/package.msi" "$output"
