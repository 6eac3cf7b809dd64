#!/usr/bin/env bash
# Builds ひのもり and runs every test: the CI build (warnings are errors),
# the same tests under AddressSanitizer and UndefinedBehaviorSanitizer, a
# bounded libFuzzer run over the conversion, and the Debian package: made and
# checked by lintian, then installed and started on a fresh Debian 12 root.
# Fails on the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."

fuzz_seconds=${HINOMORI_FUZZ_SECONDS:-60}

scripts/install-deps.sh test

passed=0
for preset in ci asan; do
    echo "== $preset: build and test"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    log=$(mktemp)
    ctest --preset "$preset" | tee "$log"
    passed=$((passed + $(sed -n 's/^100% tests passed, 0 tests failed out of \([0-9]*\)$/\1/p' "$log")))
    rm -f "$log"
done

echo "== fuzz: the conversion for ${fuzz_seconds}s"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
build/fuzz/tests/fuzz/fuzz_convert -max_total_time="$fuzz_seconds" -print_final_stats=1 \
    "$corpus" tests/fuzz/corpus
passed=$((passed + 1))

echo "== package: build, dpkg-shlibdeps and lintian"
deb=$(scripts/package.sh | tee /dev/stderr | tail -n 1)
passed=$((passed + 1))

echo "== package: install and start on a fresh Debian 12 root"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
"${sudo[@]}" tests/install/check_package.sh "$deb"
passed=$((passed + 1))

echo "hinomori: ${passed} passed, 0 failed"
