#!/usr/bin/env bash
# Pictures of the running program, made on a virtual display: starts the Wine environment
# of tools/wine-env in a temporary folder (Xvfb, a PulseAudio null sink as the sound input),
# plays a mix of tones into the input, starts the Windows program, presses Start, and after
# about two seconds saves the window as a PNG; with --gif also a short animation (frames
# over about three seconds). Stops everything it started, also on failure.
#
# Usage: tools/screenshot.sh [--exe orvanta2.exe] [--png OUT.png] [--gif OUT.gif]
# Default: build the Windows program (ORVANTA_BUILD_ROOT, default build) and write
# docs/screenshot.png.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
exe="" png="$root/docs/screenshot.png" gif=""
while [[ $# -gt 0 ]]; do
    case $1 in
    --exe) exe=$2; shift 2 ;;
    --png) png=$2; shift 2 ;;
    --gif) gif=$2; shift 2 ;;
    *) echo "usage: $0 [--exe orvanta2.exe] [--png OUT.png] [--gif OUT.gif]" >&2; exit 2 ;;
    esac
done

if [[ -z $exe ]]; then
    "$root/tools/install-deps.sh"
    dir="${ORVANTA_BUILD_ROOT:-$root/build}/windows"
    mkdir -p "$(dirname "$dir")"
    cmake --preset windows -B "$dir" >"$dir.configure.log" 2>&1 ||
        { cat "$dir.configure.log" >&2; exit 1; }
    cmake --build "$dir" --target orvanta2 orvanta2_skins >/dev/null
    exe="$dir/src/windows/orvanta2.exe"
fi
[[ -f $exe ]] || { echo "screenshot: no program at $exe" >&2; exit 1; }

work="$(mktemp -d "${TMPDIR:-/tmp}/orvanta-screenshot.XXXXXX")"
player="" program=""
cleanup() {
    [[ -n $program ]] && kill -TERM "$program" 2>/dev/null
    [[ -n $player ]] && kill -TERM "$player" 2>/dev/null
    wait 2>/dev/null
    "$root/tools/wine-env/stop.sh" "$work/env" >/dev/null 2>&1
    rm -rf "$work"
}
trap cleanup EXIT

"$root/tools/wine-env/start.sh" "$work/env" >/dev/null
# shellcheck source=/dev/null
. "$work/env/env.sh"

"$root/tools/tones.py" "$work/tones.u8"
"$root/tools/wine-env/play.sh" - --file "$work/tones.u8" &
player=$!

wine "$exe" >"$work/program.log" 2>&1 </dev/null &
program=$!
# shellcheck source=tools/await-window.sh
. "$root/tools/await-window.sh"
window=$(await_window "$program" "$work/program.log" --name "^Orvanta 2\.2$") ||
    { echo "screenshot: the program showed no window" >&2; exit 1; }
sleep 1
# Start, on the skin's Start face.
xdotool mousemove --window "$window" 330 49 click 1
xdotool mousemove 0 0

# shot OUT: the window, cut out of the whole screen.
shot() {
    local X Y WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$window" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
    import -window root "$work/screen.png"
    convert "$work/screen.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$1"
}

sleep 2
mkdir -p "$(dirname "$png")"
shot "$png"
echo "screenshot: $png"
if [[ -n $gif ]]; then
    for i in $(seq -w 1 15); do
        shot "$work/frame$i.png"
        sleep 0.2
    done
    mkdir -p "$(dirname "$gif")"
    convert -delay 20 -loop 0 "$work"/frame*.png "$gif"
    echo "animation: $gif"
fi
