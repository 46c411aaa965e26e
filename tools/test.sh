#!/usr/bin/env bash
# The test command: installs what is missing (tools/install-deps.sh), then configures,
# builds and tests the native build (portable logic, unit tests with sanitizers) and the
# Windows build (cross-built with mingw-w64, tested under Wine in a private Xvfb and
# PulseAudio environment). Exits non-zero if anything fails.
#
# Usage: tools/test.sh
# ORVANTA_BUILD_ROOT (default: build) holds the build folders native/ and windows/.
set -uo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
"$root/tools/install-deps.sh" || exit 1

build_root="${ORVANTA_BUILD_ROOT:-$root/build}"
jobs="$(nproc)"
summary=()
failed=0

# run_suite PRESET: configure, build and test one preset in $build_root/PRESET.
run_suite() {
    local preset=$1 dir="$build_root/$1" log
    echo "=== $preset: configure and build in $dir"
    if ! cmake --preset "$preset" -B "$dir" >"$dir.configure.log" 2>&1; then
        cat "$dir.configure.log"
        summary+=("$preset: configure FAILED")
        return 1
    fi
    if ! cmake --build "$dir" --parallel "$jobs"; then
        summary+=("$preset: build FAILED")
        return 1
    fi
    echo "=== $preset: tests"
    log="$dir/ctest.log"
    ctest --test-dir "$dir" --output-on-failure --parallel "$jobs" 2>&1 | tee "$log"
    local status=${PIPESTATUS[0]}
    summary+=("$preset: $(grep -E 'tests passed' "$log" | tail -n1)")
    return "$status"
}

mkdir -p "$build_root"
run_suite native || failed=1
run_suite windows || failed=1

echo "=== summary"
printf '%s\n' "${summary[@]}"
exit "$failed"
