# Sourced by the scripts that watch orvanta2-live on a private display (screenshot-live.sh,
# measure/live-vs-cava.sh): the optimised build and a private Xvfb and PulseAudio null sink
# with a mix of tones playing into it. Needs `root` set to the project's folder.

# live_build: builds orvanta2-live optimised, as a user would run it (the bench preset, in
# ORVANTA_BUILD_ROOT, default build/), and sets live_program to its path.
live_build() {
    local dir="${ORVANTA_BUILD_ROOT:-$root/build}/bench"
    mkdir -p "$dir"
    cmake --preset bench -B "$dir" >"$dir.configure.log" 2>&1 ||
        { cat "$dir.configure.log" >&2; return 1; }
    cmake --build "$dir" --target orvanta2-live >/dev/null
    live_program="$dir/src/linux/live/orvanta2-live"
}

# live_session_start WORK: starts the servers in WORK/env, takes their variables into this
# shell and plays the tones into the sink. live_session_stop WORK stops all of it and removes
# WORK; call it from the script's EXIT trap.
live_session_start() {
    "$root/tools/wine-env/start.sh" --no-wine "$1/env" >/dev/null
    # shellcheck source=/dev/null
    . "$1/env/env.sh"
    "$root/tools/tones.py" "$1/tones.u8"
    "$ORVANTA_PLAY" - --file "$1/tones.u8" &
    live_session_player=$!
}
live_session_stop() {
    [[ -n ${live_session_player:-} ]] && kill -TERM "$live_session_player" 2>/dev/null
    wait 2>/dev/null
    "$root/tools/wine-env/stop.sh" "$1/env" >/dev/null 2>&1
    rm -rf "$1"
}
