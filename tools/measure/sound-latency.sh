#!/usr/bin/env bash
# The time from a change in the sound to the picture under Wine, "Звук компьютера" chosen
# (recorded through the default output's monitor, as Wine allows). Prints the figures.
#
# Usage: tools/measure/sound-latency.sh [SECONDS]   (after a Windows build in build/windows)
set -euo pipefail
# shellcheck source=tools/measure/wine-measure-env.sh
. "$(dirname "${BASH_SOURCE[0]}")/wine-measure-env.sh" orvanta_sound_latency.exe
# The program plays the steps itself, into the default output.
wine "$exe" "${1:-12}"
