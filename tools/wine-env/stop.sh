#!/usr/bin/env bash
# Stops what start.sh DIR or start-pipewire.sh DIR started: the prefix's Wine processes
# (wineserver -k), PulseAudio or PipeWire and Xvfb, each by its recorded PID, and waits until
# they are gone.
#
# Usage: stop.sh DIR
set -uo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=common.sh
. "$here/common.sh"

[[ $# -eq 1 ]] || die "usage: $0 DIR"
[[ -d "$1" ]] || exit 0
dir="$(cd "$1" && pwd)"
status=0

# stop_pid NAME PROGRAM: terminates the recorded process, escalating to SIGKILL.
stop_pid() {
    local pidfile="$dir/pids/$1" program=$2 pid
    if alive "$pidfile" "$program"; then
        pid=$(cat "$pidfile")
        kill -TERM "$pid" 2>/dev/null
        if ! wait_for 15 "$1 ($pid) to stop" bash -c "! kill -0 $pid 2>/dev/null"; then
            kill -KILL "$pid" 2>/dev/null
            wait_for 5 "$1 ($pid) to die" bash -c "! kill -0 $pid 2>/dev/null" || status=1
        fi
    fi
    rm -f "$pidfile"
}

# Every Wine process of the prefix, then its wineserver.
if [[ -d "$dir/prefix" ]] && command -v wineserver >/dev/null; then
    WINEPREFIX="$dir/prefix" wineserver -k 2>/dev/null
    WINEPREFIX="$dir/prefix" timeout 30 wineserver -w 2>/dev/null
fi
stop_pid wineserver wineserver
stop_pid pulseaudio pulseaudio
stop_pid pipewire-pulse pipewire-pulse
stop_pid wireplumber wireplumber
stop_pid pipewire pipewire
stop_pid dbus-daemon dbus-daemon
stop_pid xvfb Xvfb

if [[ -f "$dir/pulse-runtime-tmp" ]]; then
    runtime=$(cat "$dir/pulse-runtime-tmp")
    [[ $runtime == /tmp/orvanta-pulse.* ]] && rm -rf "$runtime"
    rm -f "$dir/pulse-runtime-tmp"
fi
rm -rf "$dir/pulse/run"
rm -f "$dir/env.sh" "$dir/pulse-server"
exit $status
