#!/usr/bin/env bash
# A picture of orvanta2-live at work, made on a virtual display: starts Xvfb and a PulseAudio
# null sink (tools/wine-env/start.sh --no-wine) in a temporary folder, plays a mix of tones into
# the sink, runs the live program on its monitor with the window at 2x scale, and after about
# two seconds saves the window as a PNG. Stops everything it started, also on failure.
#
# Usage: tools/screenshot-live.sh [--program orvanta2-live] [--png OUT.png] [-- OPTIONS...]
# Default: build the program (ORVANTA_BUILD_ROOT, default build; the bench preset) and write
# docs/live-screenshot.png. OPTIONS go to the program; by default the style "Кольца" in the
# scheme "Радужный" with a pen 2 pixels wide.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
program="" png="$root/docs/live-screenshot.png"
options=(--style Кольца --scheme Радужный --zoom 2)
while [[ $# -gt 0 ]]; do
    case $1 in
    --program) program=$2; shift 2 ;;
    --png) png=$2; shift 2 ;;
    --) shift; options=("$@"); break ;;
    *) echo "usage: $0 [--program orvanta2-live] [--png OUT.png] [-- OPTIONS...]" >&2; exit 2 ;;
    esac
done

# shellcheck source=tools/live-session.sh
. "$root/tools/live-session.sh"
if [[ -z $program ]]; then
    "$root/tools/install-deps.sh"
    live_build
    program=$live_program
fi
[[ -x $program ]] || { echo "screenshot-live: no program at $program" >&2; exit 1; }

work="$(mktemp -d "${TMPDIR:-/tmp}/orvanta-live-screenshot.XXXXXX")"
live=""
cleanup() {
    [[ -n $live ]] && kill -TERM "$live" 2>/dev/null
    live_session_stop "$work"
}
trap cleanup EXIT
live_session_start "$work"

# A settings folder of its own: the window at twice the pane.
mkdir -p "$work/config/orvanta2"
printf '[window]\nwidth = 520\nheight = 520\n' >"$work/config/orvanta2/live.ini"
XDG_CONFIG_HOME="$work/config" "$program" "${options[@]}" >"$work/live.log" 2>&1 &
live=$!
# shellcheck source=tools/await-window.sh
. "$root/tools/await-window.sh"
window=$(await_window "$live" "$work/live.log" --pid "$live") ||
    { echo "screenshot-live: the program showed no window" >&2; exit 1; }
sleep 2
mkdir -p "$(dirname "$png")"
import -window "$window" "$png"
echo "screenshot: $png"
