#!/usr/bin/env bash
# The time from a change in the sound to the picture under Wine, "Звук компьютера" chosen
# (recorded through the default output's monitor, as Wine allows). Prints the figures twice:
# from the moment Wine reports the step's buffer played, and from the moment a recorder outside
# Wine (5 ms latency) hears the step in the output's monitor. The second leaves out how long
# Wine's output holds the player's sound, which is not the program's.
#
# Usage: tools/measure/sound-latency.sh [SECONDS]   (after a Windows build in build/windows)
set -euo pipefail
# shellcheck source=tools/measure/wine-measure-env.sh
. "$(dirname "${BASH_SOURCE[0]}")/wine-measure-env.sh" orvanta_sound_latency.exe
here="$(dirname "${BASH_SOURCE[0]}")"
steps="$env_dir/monitor-steps.txt"
drawn="$env_dir/drawn-steps.txt"
"$here/monitor-steps.py" orvanta.monitor 200 >"$steps" &
recorder=$!
trap 'kill $recorder 2>/dev/null; "$root/tools/wine-env/stop.sh" "$env_dir" >/dev/null 2>&1' EXIT
# The program plays the steps itself, into the default output.
# Into a file, not a pipe: Wine's services keep a pipe open after the program ends.
wine "$exe" "${1:-12}" >"$drawn"
grep -v '^drawn ' "$drawn" || true
kill "$recorder" 2>/dev/null || true
python3 - "$steps" "$drawn" <<'PY'
import statistics
import sys

heard = [line.split() for line in open(sys.argv[1])]
drawn = [line.split()[1:] for line in open(sys.argv[2]) if line.startswith("drawn ")]
latencies = []
for loud, at in drawn:
    direction = "up" if loud == "1" else "down"
    before = [float(t) for d, t in heard if d == direction and float(t) <= float(at)]
    if before:
        latencies.append((float(at) - before[-1]) * 1000)
if latencies:
    print("heard to picture, least  %8.1f ms" % min(latencies))
    print("heard to picture, median %8.1f ms" % statistics.median(latencies))
    print("heard to picture, most   %8.1f ms" % max(latencies))
else:
    print("no step heard in the monitor was drawn")
PY
