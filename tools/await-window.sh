# Sourced by the screenshot scripts.

# await_window PID LOG SEARCH...: prints the first window that `xdotool search SEARCH...` finds,
# waiting up to 30 s. Fails, showing LOG, if the process PID ends first.
await_window() {
    local pid=$1 log=$2 found=""
    shift 2
    for _ in $(seq 300); do
        found=$(xdotool search "$@" 2>/dev/null | head -n1) && [[ -n $found ]] &&
            { echo "$found"; return 0; }
        kill -0 "$pid" 2>/dev/null || { cat "$log" >&2; return 1; }
        sleep 0.1
    done
    return 1
}
