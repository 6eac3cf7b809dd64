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
dist="$build/dist"
rm -rf "$dist"
mkdir -p "$dist/zip"

echo "== zip"
zip_file="$dist/hinomori-$version_text-windows.zip"
cp "$build/hinomori.exe" resources/Hinomori.txt LICENSE "$dist/zip/"
(cd "$dist/zip" && zip -X -q "../$(basename "$zip_file")" hinomori.exe Hinomori.txt LICENSE)
zip -sf "$zip_file"

echo "== MSI"
msi_file="$dist/hinomori-$version_text.msi"
resources/windows/build-msi.sh "$build" "$version" "$msi_file"
tests/install/windows/check_msi.sh "$msi_file" "$build/msi-check" "$PWD"

echo "zip: $(realpath "$zip_file")"
echo "MSI: $(realpath "$msi_file")"
