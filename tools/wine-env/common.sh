# Helpers shared by the scripts of the Wine test environment (sourced, not run).

die() {
    echo "wine-env: $*" >&2
    exit 1
}

# wait_for SECONDS WHAT COMMAND...: polls COMMAND until it succeeds; fails after SECONDS.
wait_for() {
    local limit=$1 what=$2
    shift 2
    local deadline=$((SECONDS + limit))
    until "$@"; do
        if ((SECONDS >= deadline)); then
            echo "wine-env: gave up after ${limit}s waiting for $what" >&2
            return 1
        fi
        sleep 0.1
    done
}

# alive PIDFILE NAME: the PID recorded in PIDFILE still runs a program called NAME.
alive() {
    local pid
    pid=$(cat "$1" 2>/dev/null) || return 1
    [[ $pid =~ ^[0-9]+$ ]] || return 1
    [[ -r /proc/$pid/cmdline ]] || return 1
    tr '\0' '\n' <"/proc/$pid/cmdline" | head -n1 | grep -q "$2"
}
