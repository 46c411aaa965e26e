#!/usr/bin/env bash
# Starts a private PipeWire in DIR beside the PulseAudio of start.sh, for the live program's
# tests that compare the two servers: a session bus of its own (WirePlumber needs one and no
# user session runs here), pipewire, wireplumber and pipewire-pulse, all with their runtime,
# config and state folders inside DIR. Writes the PulseAudio address of its server to
# DIR/pulse-server and records every PID for stop.sh DIR.
#
# Usage: start-pipewire.sh DIR
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=common.sh
. "$here/common.sh"

[[ $# -eq 1 ]] || die "usage: $0 DIR"
mkdir -p "$1"
dir="$(cd "$1" && pwd)"
"$here/stop.sh" "$dir" >/dev/null 2>&1 || true
for tool in dbus-daemon pipewire wireplumber pipewire-pulse pactl; do
    command -v "$tool" >/dev/null || die "$tool is missing (tools/test.sh installs it)"
done
mkdir -p "$dir/pids" "$dir/logs" "$dir/pipewire/config" "$dir/pipewire/state"
rm -f "$dir/pulse-server"

# A unix socket path is limited to 108 bytes: the runtime folder goes under /tmp.
runtime="$(mktemp -d /tmp/orvanta-pulse.XXXXXX)"
echo "$runtime" >"$dir/pulse-runtime-tmp"
export XDG_RUNTIME_DIR="$runtime" XDG_CONFIG_HOME="$dir/pipewire/config"
export XDG_STATE_HOME="$dir/pipewire/state" DBUS_SESSION_BUS_ADDRESS="unix:path=$runtime/bus"
unset PULSE_SERVER DISPLAY

dbus-daemon --session --address="$DBUS_SESSION_BUS_ADDRESS" --nofork --nopidfile \
    </dev/null >"$dir/logs/dbus.log" 2>&1 &
echo $! >"$dir/pids/dbus-daemon"
wait_for 30 "the session bus" test -S "$runtime/bus" || die "dbus-daemon did not start"
pipewire </dev/null >"$dir/logs/pipewire.log" 2>&1 &
echo $! >"$dir/pids/pipewire"
wait_for 30 "PipeWire's socket" test -S "$runtime/pipewire-0" ||
    { cat "$dir/logs/pipewire.log" >&2; die "pipewire did not start"; }
wireplumber </dev/null >"$dir/logs/wireplumber.log" 2>&1 &
echo $! >"$dir/pids/wireplumber"
pipewire-pulse </dev/null >"$dir/logs/pipewire-pulse.log" 2>&1 &
echo $! >"$dir/pids/pipewire-pulse"
server="unix:$runtime/pulse/native"
wait_for 30 "pipewire-pulse to answer" env PULSE_SERVER="$server" pactl info >/dev/null 2>&1 ||
    { cat "$dir/logs/pipewire-pulse.log" >&2; die "pipewire-pulse did not start"; }
alive "$dir/pids/wireplumber" wireplumber ||
    { cat "$dir/logs/wireplumber.log" >&2; die "wireplumber did not start"; }
echo "$server" >"$dir/pulse-server"
echo "wine-env: PipeWire started in $dir (PULSE_SERVER=$server)"
