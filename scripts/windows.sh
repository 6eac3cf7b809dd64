#!/usr/bin/env bash
# Builds the Windows program with Debian's MinGW-w64 cross compiler, runs its
# tests under Wine, and makes what Windows users get: a zip to unpack and run,
# and an MSI installer, which it then installs, starts and uninstalls under
# Wine. The last two lines are the paths of the zip and the MSI.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh windows

build=build/windows
cmake --preset windows >/dev/null
cmake --build --preset windows

# The tests need no display of the caller's: they start their own. They run
# as many at once as there are cores; the window tests take turns on the one
# display (tests/CMakeLists.txt).
# HINOMORI_CTEST_JUNIT names a JUnit report for the test command to count.
echo "== tests under Wine"
ctest --preset windows --parallel "$(nproc)" ${HINOMORI_CTEST_JUNIT:+--output-junit "$HINOMORI_CTEST_JUNIT"}

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
major=${version%%.*} minor=${version#*.}
# The version as the program shows it, with two-digit minor: 1.00.
version_text=$(printf '%d.%02d' "$major" "$minor")
# The build's full version, 1.0.N (ui/win32/CMakeLists.txt).
full_version=$(sed -n 's/^HINOMORI_VERSION_TEXT:INTERNAL=//p' "$build/CMakeCache.txt")
build_number=${full_version##*.}
dist="$build/dist"
rm -rf "$dist"
mkdir -p "$dist/zip"

echo "== the program on Windows before 10 1607"
# It looks up the per-monitor DPI functions that 1607 brought, so that the
# zip's program starts on older Windows too: an import of one would stop
# the loader there before the program could say a word.
if x86_64-w64-mingw32-objdump -p "$build/hinomori.exe" | grep -E '\b(\w*ForDpi|GetDpiForWindow|EnableNonClientDpiScaling|\w*DpiAwarenessContext\w*)$'; then
    echo "windows.sh: hinomori.exe imports the functions above, which Windows before 10 1607 lacks" >&2
    exit 1
fi
echo "none of 1607's DPI functions imported"

echo "== zip"
zip_file="$dist/hinomori-$version_text-windows.zip"
# The manual as the build leaves it beside the program, with a byte-order mark.
cp "$build/hinomori.exe" "$build/Hinomori.txt" LICENSE "$dist/zip/"
cmp -s "$dist/zip/Hinomori.txt" <(printf '\357\273\277'; cat resources/Hinomori.txt) \
    || { echo "windows.sh: the manual has no byte-order mark" >&2; exit 1; }
(cd "$dist/zip" && zip -X -q "../$(basename "$zip_file")" hinomori.exe Hinomori.txt LICENSE)
zip -sf "$zip_file"

echo "== MSI"
msi_file="$dist/hinomori-$version_text.msi"
resources/windows/build-msi.sh "$build" "$msi_file"

# The MSI check upgrades with a later build of this version and with a later
# version, each with a version of its own: the program alone, built from the
# same sources in a tree of its own, unoptimised, since it is installed but
# never run. First the next build number (1.0.N+1), then the next minor
# version, which only the version resource and the link build again.
echo "== MSI: a later build and a later version to upgrade with"
later_build=build/windows-later
cmake --preset windows -B "$later_build" -D CMAKE_BUILD_TYPE= -D HINOMORI_BUILD_TESTS=OFF \
    -D HINOMORI_VERSION_OVERRIDE= -D HINOMORI_BUILD_NUMBER=$((build_number + 1)) >/dev/null
cmake --build "$later_build" --target hinomori hinomori_manual
resources/windows/build-msi.sh "$later_build" "$build/msi-upgrades/rebuild.msi"
later_version="$major.$((minor + 1))"
cmake -B "$later_build" -D HINOMORI_VERSION_OVERRIDE="$later_version" >/dev/null
cmake --build "$later_build" --target hinomori hinomori_manual
resources/windows/build-msi.sh "$later_build" "$build/msi-upgrades/later.msi"

tests/install/windows/check_msi.sh "$msi_file" "$build/msi-check" "$PWD" \
    "$build/msi-upgrades/rebuild.msi" "$build/msi-upgrades/later.msi"

echo "zip: $(realpath "$zip_file")"
echo "MSI: $(realpath "$msi_file")"
