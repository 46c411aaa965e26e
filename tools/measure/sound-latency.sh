#!/usr/bin/env bash
# The time from a change in the sound to the picture under Wine, "Звук компьютера" chosen
# (recorded through the default output's monitor, as Wine allows). Prints the figures.
#
# Usage: tools/measure/sound-latency.sh [SECONDS]   (after a Windows build in build/windows)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
exe="$root/build/windows/tools/measure/orvanta_sound_latency.exe"
[[ -f "$exe" ]] || { echo "build it first: cmake --build --preset windows" >&2; exit 1; }
env_dir="$root/build/windows/measure-env"
"$root/tools/wine-env/start.sh" "$env_dir" >/dev/null
trap '"$root/tools/wine-env/stop.sh" "$env_dir" >/dev/null 2>&1' EXIT
# shellcheck source=/dev/null
. "$env_dir/env.sh"
# The program plays the steps itself, into the default output.
wine "$exe" "${1:-12}"
