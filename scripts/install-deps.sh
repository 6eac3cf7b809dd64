#!/usr/bin/env bash
# Installs the Debian 12 packages that building ("build"), making the Debian
# package ("package"), or building and testing everything ("test") needs and
# this machine lacks. Installs nothing when all are present.
set -euo pipefail

build_packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
                libxcb1-dev fonts-ipafont-gothic libgtest-dev)
# dpkg-shlibdeps (dpkg-dev) reads the library dependencies, and needs file.
package_packages=(dpkg-dev file lintian)
# A fresh Debian root for the package, and a display to start it on there.
test_packages=(clang libclang-rt-14-dev appstream desktop-file-utils mmdebstrap xvfb xdotool fonts-noto-cjk
               qt6-translations-l10n)
# The Windows program: the MinGW-w64 cross compiler, GoogleTest's sources to
# build with it, Wine and a display to run the tests and the installed
# program, Japanese fonts for Wine, and the zip and MSI tools.
windows_packages=(cmake ninja-build g++-mingw-w64-x86-64-posix googletest wine wine64 xvfb xdotool
                  fonts-ipafont-gothic msitools wixl zip)

case "${1:-build}" in
    build) wanted=("${build_packages[@]}") ;;
    package) wanted=("${build_packages[@]}" "${package_packages[@]}") ;;
    test) wanted=("${build_packages[@]}" "${package_packages[@]}" "${test_packages[@]}" "${windows_packages[@]}") ;;
    windows) wanted=("${windows_packages[@]}") ;;
    *) echo "usage: $0 [build|package|test|windows]" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
"${sudo[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
