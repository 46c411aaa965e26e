#!/usr/bin/env bash
# Plays sound into the null sink "orvanta" of a test environment, in the sink's own format
# (unsigned 8-bit, 11025 Hz, mono), so that every byte arrives at the sink's monitor as
# it was written. Plays until killed (SIGTERM/SIGINT), unless --once is given. --sink and
# --spec play a file into another sink in its format (pacat's --format:--rate:--channels).
#
# Usage: play.sh DIR --level L        constant level L (0..255)
#        play.sh DIR --file F [--once] [--sink NAME --spec FORMAT:RATE:CHANNELS]
#                                     raw samples from F, looped
# DIR may be "-" to use the environment already in effect (PULSE_SERVER etc.).
set -euo pipefail

usage() {
    echo "usage: $0 DIR (--level 0..255 | --file RAW [--once] [--sink NAME --spec F:R:C])" >&2
    exit 2
}
[[ $# -ge 3 ]] || usage
if [[ $1 != - ]]; then
    [[ -f "$1/env.sh" ]] || { echo "play: no environment in $1" >&2; exit 2; }
    # shellcheck source=/dev/null
    . "$1/env.sh"
fi
level="" file="" once=0 sink=orvanta spec=u8:11025:1
shift
while [[ $# -gt 0 ]]; do
    case $1 in
    --level) level=$2; shift 2 ;;
    --file) file=$2; shift 2 ;;
    --once) once=1; shift ;;
    --sink) sink=$2; shift 2 ;;
    --spec) spec=$2; shift 2 ;;
    *) usage ;;
    esac
done

if [[ -n $level ]]; then
    [[ $level =~ ^[0-9]+$ ]] && ((level <= 255)) || usage
    # An endless stream of the one byte, paced by pacat at the sink's rate.
    source_cmd=(tr '\000' "\\$(printf '%03o' "$level")")
    input=/dev/zero
elif [[ -n $file ]]; then
    [[ -r $file ]] || { echo "play: cannot read $file" >&2; exit 2; }
    if ((once)); then
        source_cmd=(cat)
    else
        # One cat per pass: a short file is doubled to a second or more first, or a loaded
        # machine could not start cat often enough to keep the stream fed.
        [[ -s $file ]] || { echo "play: $file is empty: nothing to loop" >&2; exit 2; }
        loop="$(mktemp "${TMPDIR:-/tmp}/orvanta-play.XXXXXX")"
        trap 'rm -f "$loop"' EXIT
        cat "$file" >"$loop"
        while (($(stat -c %s "$loop") < 11025)); do
            cat "$loop" "$loop" >"$loop.2" && mv "$loop.2" "$loop"
        done
        source_cmd=(bash -c 'while cat "$0"; do :; done' "$loop")
    fi
    input=$file
else
    usage
fi

IFS=: read -r format rate channels <<<"$spec"
[[ -n $format && $rate =~ ^[0-9]+$ && $channels =~ ^[0-9]+$ ]] || usage
# One continuous stream: a gap between streams would reach the monitor as silence.
"${source_cmd[@]}" <"$input" |
    pacat --playback --raw --format="$format" --rate="$rate" --channels="$channels" \
        --device="$sink" --latency-msec=20 --client-name=orvanta-play &
player=$!
trap 'kill -TERM $player 2>/dev/null; wait; exit 0' TERM INT HUP
wait "$player"
