#!/usr/bin/env bash
# Blocks drawn per second by the real capture path under Wine, with a tone playing into the
# test environment's virtual input. Prints the figures.
#
# Usage: tools/measure/capture-rate.sh [SECONDS]   (after a Windows build in build/windows)
set -euo pipefail
# shellcheck source=tools/measure/wine-measure-env.sh
. "$(dirname "${BASH_SOURCE[0]}")/wine-measure-env.sh" orvanta_capture_rate.exe
"$ORVANTA_PLAY" - --level 200 &
player=$!
trap 'kill $player 2>/dev/null; "$root/tools/wine-env/stop.sh" "$env_dir" >/dev/null 2>&1' EXIT
wine "$exe" "${1:-10}"
