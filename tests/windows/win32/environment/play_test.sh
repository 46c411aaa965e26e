#!/usr/bin/env bash
# tools/wine-env/play.sh plays into the environment's null sink without conversion: what
# it plays is what the sink's monitor (the default source) records, byte for byte.
#
# Usage: play_test.sh ENV_DIR PLAY_SH
set -uo pipefail
env_dir=$1 play=$2
. "$env_dir/env.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# check NAME EXPECTED_REGEX PLAY_ARGS...: plays, then records 0.3 s slices of the monitor
# until one of them, shown as one decimal byte value per line, matches EXPECTED_REGEX
# throughout (20 s at most).
check() {
    local name=$1 expected=$2
    shift 2
    "$play" - "$@" &
    local player=$! deadline=$((SECONDS + 20)) ok=0
    while ((SECONDS < deadline)); do
        timeout 0.3 parec --raw --format=u8 --rate=11025 --channels=1 --latency-msec=20 \
            -d orvanta.monitor >"$work/slice.raw" 2>/dev/null
        od -An -v -tu1 -w1 "$work/slice.raw" | tr -d ' ' >"$work/slice.txt"
        if [[ -s $work/slice.txt ]] && tr '\n' ' ' <"$work/slice.txt" | grep -Eq "^($expected)+$"; then
            ok=1
            break
        fi
    done
    kill -TERM "$player"
    wait "$player"
    local status=$?
    if ((ok && status == 0)); then
        echo "ok: $name"
    else
        echo "FAILED: $name (player status $status; last slice: $(head -c 200 "$work/slice.txt" | tr '\n' ' '))"
        failures=$((failures + 1))
    fi
}

check "level 0" "0 " --level 0
check "level 255" "255 " --level 255
check "level 1" "1 " --level 1
# A looped file: a short ramp repeats without gaps; any slice is a run of it.
printf '\x10\x20\x30\x40' >"$work/ramp.raw"
check "looped file" "(16 |32 |48 |64 )" --file "$work/ramp.raw"

((failures == 0)) && echo "play.sh: all checks passed"
exit "$((failures > 0))"
