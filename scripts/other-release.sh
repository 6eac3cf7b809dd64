#!/usr/bin/env bash
# Proves on the other supported Debian release what depends on the release:
# on Debian 12 it makes a fresh Debian 13 root (minbase, plus git, as a new
# user starts), on Debian 13 a fresh Debian 12 root, with this machine's apt
# sources pointed at that release. This tree's files (what git tracks, and
# new files it does not ignore) are copied in, and scripts/test.sh runs there
# with HINOMORI_OTHER_RELEASE=inside: it installs only what those steps need,
# builds the CI preset with that release's compiler and Qt and runs its
# tests, and makes the Debian package, checks it with lintian, and installs
# and starts it on a fresh root of that release. The sanitizers, the fuzzer
# and the Windows program do not depend on the release and are left to the
# run on this machine. The root is thrown away afterwards. The last line is
# scripts/test.sh's count from inside; the lines before it on stdout give
# what CTest passed there.
set -euo pipefail

if [ "${1:-}" = --inside ]; then
    # Run by mmdebstrap as its customize hook: $2 is the new root, $3 a file
    # outside it for the run's output (mmdebstrap sends a hook's output to
    # its own stderr).
    root=$2
    chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
        HINOMORI_OTHER_RELEASE=inside \
        ${HINOMORI_TEST_TIMEOUT:+HINOMORI_TEST_TIMEOUT="$HINOMORI_TEST_TIMEOUT"} \
        /root/hinomori/scripts/test.sh 2>&1 | tee "$3"
    exit 0
fi

cd "$(dirname "$0")/.."
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)

host=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
case "$host" in
    bookworm) other=trixie version=13 ;;
    trixie) other=bookworm version=12 ;;
    *) echo "other-release.sh: runs on Debian 12 or 13, not on '${host:-unknown}'" >&2; exit 1 ;;
esac

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# This machine's own sources, the release's name changed: the same mirror
# and keyring, bookworm-updates becoming trixie-updates and so on.
sources=()
for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
    [ -s "$file" ] || continue
    sed "s/\b$host\b/$other/g" "$file" >"$work/$(basename "$file")"
    sources+=("$work/$(basename "$file")")
done
[ ${#sources[@]} -gt 0 ] || { echo "FAIL: this machine has no apt sources" >&2; exit 1; }

# The tree as a clean clone has it, with this checkout's own changes.
mkdir "$work/hinomori"
git ls-files -z --cached --others --exclude-standard | while IFS= read -r -d '' file; do
    [ -e "$file" ] && printf '%s\0' "$file"
done | tar --null -T - -cf - | tar -xf - -C "$work/hinomori"

echo "== a fresh Debian $version root (mmdebstrap --variant=minbase --include=git $other)"
# dpkg need not sync each file it unpacks into a root that is thrown away;
# the option stays in the root for the packages test.sh installs there.
"${sudo[@]}" env ${HINOMORI_TEST_TIMEOUT:+HINOMORI_TEST_TIMEOUT="$HINOMORI_TEST_TIMEOUT"} \
    timeout 3600 mmdebstrap --variant=minbase --mode=root --quiet --include=git --dpkgopt=force-unsafe-io \
    --customize-hook="copy-in $work/hinomori /root" \
    --customize-hook="$(realpath "$0") --inside \"\$1\" $work/inside.log" \
    "$other" /dev/null "${sources[@]}"
# What CTest passed inside, preset by preset, and the count from inside as
# this script's last line on stdout.
grep -E '^[[:alnum:]_-]+: [0-9]+ tests passed$' "$work/inside.log" || true
tail -n 1 "$work/inside.log"
