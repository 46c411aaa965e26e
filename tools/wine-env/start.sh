#!/usr/bin/env bash
# Starts the private test environment of the Windows build in DIR:
#   - Xvfb on a free display (24-bit, 1280x1024),
#   - a PulseAudio daemon of its own (socket, config, state and cookie inside DIR) with a
#     null sink "orvanta" in the program's own format (u8, 11025 Hz, mono) whose monitor
#     is the default source, and a second one, "orvanta_b" ("Orvanta-B"), so that there is
#     a source other than the default to choose,
#   - a Wine prefix inside DIR (created on first use, kept afterwards) and a persistent
#     wineserver for it.
# Writes DIR/env.sh (source it to use the environment) and records every PID it started,
# so that stop.sh DIR can stop exactly those. Starting again first stops what a previous
# start left behind. --no-wine starts only the display and the sound server, for native
# programs.
#
# Usage: start.sh [--no-wine] DIR
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=common.sh
. "$here/common.sh"

wine=1
if [[ ${1:-} == --no-wine ]]; then
    wine=0
    shift
fi
[[ $# -eq 1 ]] || die "usage: $0 [--no-wine] DIR"
mkdir -p "$1"
dir="$(cd "$1" && pwd)"

# Whatever an earlier start left running goes first.
"$here/stop.sh" "$dir" >/dev/null 2>&1 || true

tools=(Xvfb pulseaudio pactl)
((wine)) && tools+=(wine wineboot wineserver)
for tool in "${tools[@]}"; do
    command -v "$tool" >/dev/null || die "$tool is missing (tools/test.sh installs it)"
done

mkdir -p "$dir/pids" "$dir/logs"
rm -f "$dir/env.sh"

# --- Xvfb -------------------------------------------------------------------------------
# -displayfd makes Xvfb choose a free display and write its number once it accepts clients.
displayfile="$dir/xvfb.display"
: >"$displayfile"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
    3>"$displayfile" </dev/null >"$dir/logs/xvfb.log" 2>&1 &
echo $! >"$dir/pids/xvfb"
wait_for 30 "Xvfb to report its display" grep -q '[0-9]' "$displayfile" ||
    { cat "$dir/logs/xvfb.log" >&2; die "Xvfb did not start"; }
display=":$(tr -dc '0-9' <"$displayfile")"

# --- PulseAudio -------------------------------------------------------------------------
pulse="$dir/pulse"
mkdir -p "$pulse/config" "$pulse/state"
# A unix socket path is limited to 108 bytes; a deep build folder gets its runtime
# directory under /tmp instead (stop.sh removes it).
runtime="$pulse/run"
if ((${#runtime} > 90)); then
    runtime="$(mktemp -d /tmp/orvanta-pulse.XXXXXX)"
    echo "$runtime" >"$dir/pulse-runtime-tmp"
fi
mkdir -p "$runtime"
chmod 700 "$runtime" "$pulse/config" "$pulse/state"
socket="$runtime/native"

# Nothing from /etc/pulse or the user's own files: daemon.conf, the start script and
# client.conf are all ours.
cat >"$pulse/daemon.conf" <<EOF
exit-idle-time = -1
high-priority = no
realtime-scheduling = no
flat-volumes = no
default-sample-format = u8
default-sample-rate = 11025
alternate-sample-rate = 11025
default-sample-channels = 1
EOF
cat >"$pulse/default.pa" <<EOF
load-module module-native-protocol-unix socket=$socket auth-anonymous=1 auth-cookie-enabled=0
load-module module-null-sink sink_name=orvanta format=u8 rate=11025 channels=1 sink_properties=device.description=Orvanta
load-module module-null-sink sink_name=orvanta_b format=u8 rate=11025 channels=1 sink_properties=device.description=Orvanta-B
set-default-sink orvanta
set-default-source orvanta.monitor
EOF
cat >"$pulse/client.conf" <<EOF
autospawn = no
default-server = unix:$socket
EOF

pulse_env=(
    PULSE_CONFIG="$pulse/daemon.conf"
    PULSE_CLIENTCONFIG="$pulse/client.conf"
    PULSE_CONFIG_PATH="$pulse/config"
    PULSE_STATE_PATH="$pulse/state"
    PULSE_RUNTIME_PATH="$runtime"
    PULSE_COOKIE="$pulse/cookie"
    PULSE_SERVER="unix:$socket"
)
env "${pulse_env[@]}" pulseaudio -n -F "$pulse/default.pa" --daemonize=no --system=no \
    --exit-idle-time=-1 --disallow-exit --use-pid-file=no --realtime=no --high-priority=no \
    --log-target=stderr </dev/null >"$dir/logs/pulseaudio.log" 2>&1 &
echo $! >"$dir/pids/pulseaudio"
pulse_ready() {
    env "${pulse_env[@]}" pactl get-default-source 2>/dev/null | grep -qx orvanta.monitor
}
wait_for 30 "PulseAudio to serve the null sink" pulse_ready ||
    { cat "$dir/logs/pulseaudio.log" >&2; die "PulseAudio did not start"; }

# --- Wine -------------------------------------------------------------------------------
prefix="$dir/prefix"
if ((wine)); then
    export WINEPREFIX="$prefix" WINEARCH=win64 WINEDEBUG=-all DISPLAY="$display"
    export "${pulse_env[@]}"
    if [[ ! -f "$prefix/.orvanta-ready" ]]; then
        rm -rf "$prefix"
        started=$(date +%s)
        # No Mono or Gecko installer: the tests need neither.
        WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >"$dir/logs/wineboot.log" 2>&1 ||
            { cat "$dir/logs/wineboot.log" >&2; die "wineboot failed"; }
        # Only winepulse: without a PulseAudio server there is no wave-input device at all,
        # rather than whatever ALSA would offer. No crash dialog that would wait for a click.
        wine reg add 'HKCU\Software\Wine\Drivers' /v Audio /d pulse /f >>"$dir/logs/wineboot.log" 2>&1
        wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
            >>"$dir/logs/wineboot.log" 2>&1
        wineserver -w
        echo "wine prefix created in $(($(date +%s) - started)) s" >>"$dir/logs/wineboot.log"
        touch "$prefix/.orvanta-ready"
    fi

    # A persistent wineserver keeps the prefix warm between test programs.
    wineserver -f -p </dev/null >"$dir/logs/wineserver.log" 2>&1 &
    echo $! >"$dir/pids/wineserver"
fi

# --- env.sh -----------------------------------------------------------------------------
{
    echo "# Written by tools/wine-env/start.sh; source it to use this test environment."
    printf 'export DISPLAY=%q\n' "$display"
    for kv in "${pulse_env[@]}"; do printf 'export %s=%q\n' "${kv%%=*}" "${kv#*=}"; done
    printf 'export WINEPREFIX=%q\n' "$prefix"
    echo "export WINEARCH=win64"
    echo "export WINEDEBUG=\${ORVANTA_WINEDEBUG:--all}"
    echo "export WINEDLLOVERRIDES='mscoree,mshtml='"
    printf 'export ORVANTA_WINE_ENV=%q\n' "$dir"
    printf 'export ORVANTA_PLAY=%q\n' "$here/play.sh"
} >"$dir/env.sh.tmp"
mv "$dir/env.sh.tmp" "$dir/env.sh"
echo "wine-env: started in $dir (DISPLAY=$display, PULSE_SERVER=unix:$socket)"
