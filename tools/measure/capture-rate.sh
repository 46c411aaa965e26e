#!/usr/bin/env bash
# Blocks drawn per second by the real capture path under Wine, with a tone playing into the
# test environment's virtual input. Prints the figures.
#
# Usage: tools/measure/capture-rate.sh [SECONDS]   (after a Windows build in build/windows)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
exe="$root/build/windows/tools/measure/orvanta_capture_rate.exe"
[[ -f "$exe" ]] || { echo "build it first: cmake --build --preset windows" >&2; exit 1; }
env_dir="$root/build/windows/measure-env"
"$root/tools/wine-env/start.sh" "$env_dir" >/dev/null
trap '"$root/tools/wine-env/stop.sh" "$env_dir" >/dev/null 2>&1' EXIT
# shellcheck source=/dev/null
. "$env_dir/env.sh"
"$ORVANTA_PLAY" - --level 200 &
player=$!
trap 'kill $player 2>/dev/null; "$root/tools/wine-env/stop.sh" "$env_dir" >/dev/null 2>&1' EXIT
wine "$exe" "${1:-10}"
