#!/usr/bin/env bash
# Makes the Debian package: a release built with Debian's hardening flags,
# packed by CPack, its dependencies read by dpkg-shlibdeps, checked by
# lintian. Prints the path of the .deb on the last line.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh package

# Debian's flags with every hardening feature: PIE, the strong stack
# protector, _FORTIFY_SOURCE, and full RELRO with BIND_NOW. CMake takes no
# CPPFLAGS, so they go in with the compiler's flags.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
export CXXFLAGS LDFLAGS

# Configured afresh, so flags from an earlier run never linger in the cache.
rm -rf build/package
cmake --preset package >/dev/null
cmake --build --preset package
rm -f build/package/hinomori_*.deb
(cd build/package && cpack -G DEB >/dev/null)

debs=(build/package/hinomori_*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || { echo "package.sh: CPack made no .deb" >&2; exit 1; }
deb=$(realpath "${debs[0]}")

# Without dpkg-shlibdeps CPack still writes a package, one that cannot start.
depends=$(dpkg-deb --field "$deb" Depends)
if [[ "$depends" != *libqt6widgets6* || "$depends" != *libc6* ]]; then
    echo "package.sh: the Depends do not name the Qt libraries (did dpkg-shlibdeps run?): $depends" >&2
    exit 1
fi

echo "== lintian"
lintian_log=$(mktemp)
trap 'rm -f "$lintian_log"' EXIT
lintian --pedantic --info --display-info "$deb" | tee "$lintian_log"
if grep -qE '^[EW]: ' "$lintian_log"; then
    echo "package.sh: lintian reports errors or warnings" >&2
    exit 1
fi

echo "$deb"
