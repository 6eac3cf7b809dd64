#!/usr/bin/env bash
# Builds ひのもり and runs every test: the CI build (warnings are errors),
# the same tests under AddressSanitizer and UndefinedBehaviorSanitizer, a
# bounded libFuzzer run over the conversion, and the Debian package: made and
# checked by lintian, then installed and started on a fresh root of the
# Debian release this machine runs; the Windows program cross-built, its
# tests run under Wine, its MSI installed, started and removed. Then, in a
# fresh root of the other supported release (Debian 12 and 13 prove each
# other), what depends on the release: its Qt and compiler build and test the
# CI build, and its package is made, checked and started on a fresh root of
# that release. The sanitizers, the fuzzer and the Windows program are proved
# once, here.
# Fails on the first failure. Each step's time is printed as it ends and
# again at the end, with the total; the last line counts what passed.
#
#   HINOMORI_FUZZ_SECONDS   how long the fuzzer runs (60)
#   HINOMORI_OTHER_RELEASE  "no" skips the other release; "inside" is what
#                           scripts/other-release.sh sets in the other
#                           release's root, where only what depends on the
#                           release is run
#   HINOMORI_TEST_TIMEOUT   seconds a test may take, instead of the presets'
#                           300 (a machine shared with other builds needs more)
set -euo pipefail
cd "$(dirname "$0")/.."

fuzz_seconds=${HINOMORI_FUZZ_SECONDS:-60}
other_release=${HINOMORI_OTHER_RELEASE:-yes}
case $other_release in
    yes | no | inside) ;;
    *) echo "test.sh: HINOMORI_OTHER_RELEASE is yes, no or inside, not '$other_release'" >&2; exit 2 ;;
esac
# CTest runs as many tests at once as there are cores.
jobs=$(nproc)
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)

passed=0
started=$SECONDS
step_name=
step_started=
times=()
step() {
    step_end
    step_name=$1
    step_started=$SECONDS
    echo "== $step_name"
}
step_end() {
    [[ -n $step_name ]] || return 0
    local took=$((SECONDS - step_started))
    times+=("$(printf '%5d s  %s' "$took" "$step_name")")
    echo "-- $step_name: ${took} s"
    step_name=
}
fail() {
    echo "test.sh: $*" >&2
    exit 1
}
report_times() {
    echo "== times"
    printf '%s\n' "${times[@]}"
    printf '%5d s  total\n' $((SECONDS - started))
}
scratch=$(mktemp -d)
# The other release's run, while it runs beside this release's steps.
other_pid=
finish() {
    local status=$? failed_step=$step_name
    step_end
    # The other release's run is not stopped: mmdebstrap killed while its
    # hook runs leaves its root's mounts behind. It ends by itself and then
    # cleans up; this waits for it (an interrupt leaves it to end alone).
    if [[ -n $other_pid ]]; then
        echo "test.sh: waiting for the other Debian release's run to end; its output goes to $other_log" >&2
    fi
    if [[ $status -ne 0 ]]; then
        report_times
        echo "hinomori: ${passed} passed, 1 failed (${failed_step:-before the first step})"
    fi
    if [[ -n $other_pid ]]; then
        wait "$other_pid" 2>/dev/null || true
    fi
    rm -rf "$scratch"
    exit "$status"
}
trap finish EXIT
# An interrupt ends the run through finish as well, and in full.
trap 'exit 130' INT
trap 'exit 143' TERM

# Every test CTest ran, counted from its JUnit report: a test that fails
# stops the run, and a report in which not every listed test ran and passed
# (or that lists none) is a failure too, so the count cannot quietly drop.
declare -A counted
junit_counted() {
    local preset=$1 report=$2 total ran
    total=$(grep -c '^[[:space:]]*<testcase ' "$report" || true)
    ran=$(grep -c '^[[:space:]]*<testcase .* status="run"' "$report" || true)
    [[ $total -gt 0 && $ran -eq $total ]] \
        || fail "$preset: CTest's report lists $total tests, of which $ran ran and passed"
    echo "$preset: $ran tests passed"
    passed=$((passed + ran))
    counted[$preset]=$ran
}
ctest_counted() {
    local preset=$1 report
    report=$PWD/build/$preset/ctest-junit.xml
    rm -f "$report"
    ctest --preset "$preset" --parallel "$jobs" --output-junit "$report" \
        ${HINOMORI_TEST_TIMEOUT:+--timeout "$HINOMORI_TEST_TIMEOUT"}
    junit_counted "$preset" "$report"
}

# Builds a preset and runs its tests, counted.
build_and_test() {
    local preset=$1
    step "$preset: build and test"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest_counted "$preset"
}

step "dependencies"
if [[ $other_release == inside ]]; then
    scripts/install-deps.sh release
else
    scripts/install-deps.sh test
fi

# The other release runs beside the steps below: making its root and
# installing its packages wait mostly on the network and the disk, while the
# steps here keep the cores busy. Its output is kept in
# build/other-release.log and shown when it is done.
if [[ $other_release == yes ]]; then
    step_end
    mkdir -p build
    other_log=$PWD/build/other-release.log
    other_started=$SECONDS
    echo "== the other Debian release: started in the background; its output goes to $other_log"
    # other-release.sh asks sudo for mmdebstrap with no terminal to ask on.
    [[ ${#sudo[@]} -eq 0 ]] || sudo -v
    # A process group of its own, which an interrupt at the terminal does
    # not reach: cut off mid-way, it would leave its root's mounts behind.
    set -m
    {
        other_status=0
        scripts/other-release.sh </dev/null >"$scratch/other" 2>"$other_log" || other_status=$?
        echo "$SECONDS" >"$scratch/other-ended"
        exit "$other_status"
    } &
    other_pid=$!
    set +m
fi

build_and_test ci

if [[ $other_release != inside ]]; then
    build_and_test asan

    step "fuzz: the conversion for ${fuzz_seconds} s"
    cmake --preset fuzz >/dev/null
    cmake --build --preset fuzz
    mkdir "$scratch/corpus"
    build/fuzz/tests/fuzz/fuzz_convert -max_total_time="$fuzz_seconds" -print_final_stats=1 \
        "$scratch/corpus" tests/fuzz/corpus
    passed=$((passed + 1))
fi

step "package: build, dpkg-shlibdeps and lintian"
scripts/package.sh | tee "$scratch/package"
deb=$(tail -n 1 "$scratch/package")
[[ -f $deb ]] || fail "package.sh named no .deb on its last line"
passed=$((passed + 1))

step "package: install and start on a fresh root of this release"
"${sudo[@]}" tests/install/check_package.sh "$deb"
passed=$((passed + 1))

if [[ $other_release != inside ]]; then
    step "Windows: cross-build, tests under Wine, zip and MSI installed and removed"
    rm -f build/windows/ctest-junit.xml
    HINOMORI_CTEST_JUNIT=$PWD/build/windows/ctest-junit.xml scripts/windows.sh
    junit_counted windows "$PWD/build/windows/ctest-junit.xml"
    passed=$((passed + 1))
fi

if [[ $other_release == yes ]]; then
    step "the other Debian release: waiting for its CI build and tests, package and its proof"
    other_status=0
    wait "$other_pid" || other_status=$?
    other_pid=
    cat "$other_log" "$scratch/other"
    other_took=$(($(cat "$scratch/other-ended" 2>/dev/null || echo "$SECONDS") - other_started))
    echo "the other Debian release took ${other_took} s in all, beside the steps above"
    [[ $other_status -eq 0 ]] || fail "the other release's run failed with status $other_status"
    inside=$(tail -n 1 "$scratch/other" | sed -n 's/^hinomori: \([0-9][0-9]*\) passed, 0 failed$/\1/p')
    [[ -n $inside ]] || fail "the other release's run did not end with its count"
    # Both releases build the same tests: one that ran fewer lost some.
    inside_ci=$(sed -n 's/^ci: \([0-9][0-9]*\) tests passed$/\1/p' "$scratch/other" | tail -n 1)
    [[ $inside_ci == "${counted[ci]}" ]] \
        || fail "the other release passed ${inside_ci:-no} CI tests, this one ${counted[ci]}"
    passed=$((passed + inside))
fi
step_end
if [[ $other_release == yes ]]; then
    times+=("$(printf '%5d s  %s' "$other_took" "(the other Debian release in all, beside the steps above)")")
fi

report_times
echo "hinomori: ${passed} passed, 0 failed"
