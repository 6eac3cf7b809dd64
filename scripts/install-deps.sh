#!/usr/bin/env bash
# Installs the Debian packages that one of these needs and this machine lacks,
# on Debian 12 (bookworm) or 13 (trixie); installs nothing when all are
# present:
#
#   build     building the program (scripts/run.sh)
#   package   making the Debian package (scripts/package.sh)
#   windows   the Windows program, its tests under Wine and its MSI
#             (scripts/windows.sh), and the Japanese locale Wine runs in
#   release   what the test command proves again on the other Debian release:
#             the CI build and its tests, and the package, made and started on
#             a fresh root
#   test      everything the test command does on this machine
set -euo pipefail

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
updated=no
apt_update() {
    [[ $updated == yes ]] && return
    "${sudo[@]}" apt-get update
    updated=yes
}

# The sanitizer and libFuzzer runtimes belong to one clang version: the one
# Debian's `clang` brings on this release (14 on Debian 12, 19 on 13).
clang_runtime=none
if [[ ${1:-build} == test ]]; then
    if command -v clang >/dev/null; then
        clang_runtime=$(clang -dumpversion | cut -d. -f1)
    else
        # A fresh system may not have read the package lists yet.
        apt-cache show clang >/dev/null 2>&1 || apt_update
        clang_runtime=$(apt-cache depends clang | sed -n 's/^ *Depends: clang-\([0-9][0-9]*\)$/\1/p' | head -n 1)
    fi
    [[ -n $clang_runtime ]] || { echo "install-deps.sh: cannot tell which clang this release has" >&2; exit 1; }
fi

# The program runs natively on Wayland (qt6-wayland), reads a window's
# properties on X11 (libxcb1-dev) and shows Qt's own texts in Japanese
# (qt6-translations-l10n).
build_packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev libxcb1-dev
                fonts-ipafont-gothic qt6-wayland qt6-translations-l10n libgtest-dev)
# dpkg-shlibdeps (dpkg-dev) reads the library dependencies, and needs file.
package_packages=(dpkg-dev file lintian)
# The install test's validators, a fresh Debian root for the package and a
# display to start it on there (xvfb-run needs xauth), the second Japanese
# font set the windows are tested under, and a window manager that frames
# the window on that display, with the tools that read where it stands.
release_packages=(appstream desktop-file-utils mmdebstrap xvfb xauth xdotool fonts-noto-cjk openbox x11-utils)
# The sanitizers and libFuzzer.
sanitizer_packages=(clang "libclang-rt-${clang_runtime}-dev")
# The Windows program: the MinGW-w64 cross compiler, GoogleTest's sources to
# build with it, Wine and a display to run the tests and the installed
# program, Japanese fonts and the Japanese locale for Wine, the icon's
# renderer and packer, and the zip and MSI tools (olefile writes the MSI's
# summary in its code page).
windows_packages=(cmake ninja-build g++-mingw-w64-x86-64-posix googletest wine wine64 xvfb xdotool
                  fonts-ipafont-gothic locales librsvg2-bin icoutils msitools wixl python3-olefile zip)

case "${1:-build}" in
    build) wanted=("${build_packages[@]}") ;;
    package) wanted=("${build_packages[@]}" "${package_packages[@]}") ;;
    windows) wanted=("${windows_packages[@]}") ;;
    release) wanted=("${build_packages[@]}" "${package_packages[@]}" "${release_packages[@]}") ;;
    test) wanted=("${build_packages[@]}" "${package_packages[@]}" "${release_packages[@]}"
                  "${sanitizer_packages[@]}" "${windows_packages[@]}") ;;
    *) echo "usage: $0 [build|package|windows|release|test]" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
if [[ ${#missing[@]} -gt 0 ]]; then
    echo "Installing: ${missing[*]}"
    apt_update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

# Wine takes its code page from the locale: only with ja_JP.UTF-8 does it run
# as a Japanese Windows (code page 932), and a fresh Debian has just C.UTF-8.
# Enabled in locale.gen, so the locales package keeps it across upgrades.
if [[ " ${wanted[*]} " == *" locales "* ]] && ! locale -a | grep -qix 'ja_JP\.utf-\?8'; then
    echo "Generating the ja_JP.UTF-8 locale"
    "${sudo[@]}" sed -i 's/^# *\(ja_JP\.UTF-8 UTF-8\)$/\1/' /etc/locale.gen
    grep -qx 'ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
    "${sudo[@]}" locale-gen
fi
