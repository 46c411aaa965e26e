#!/usr/bin/env bash
# The cost of watching live: plays the same sound into a private PulseAudio null sink and runs,
# one after the other, orvanta2-live with its window at 250x250 and at 3x scale (780x780), then
# cava (raw output, 43 frames a second, the same source), for SECONDS each (default 60) on a
# private Xvfb display. Prints for each: CPU % of one core (from /proc, the program alone and
# with the X and sound servers), blocks or frames a second, resident memory at the start and
# the end, and the ratios to cava. Figures only; it never fails on them.
#
# Usage: tools/measure/live-vs-cava.sh [SECONDS]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
seconds=${1:-60}
warmup=2
[[ $seconds =~ ^[0-9]+$ ]] && ((seconds > warmup)) || { echo "usage: $0 [SECONDS > $warmup]" >&2; exit 2; }

# shellcheck source=tools/live-session.sh
. "$root/tools/live-session.sh"
live_build
live=$live_program
command -v cava >/dev/null || { echo "cava is missing (tools/install-deps.sh installs it)" >&2; exit 1; }

work="$(mktemp -d "${TMPDIR:-/tmp}/orvanta-measure.XXXXXX")"
trap 'live_session_stop "$work"' EXIT
live_session_start "$work"

ticks=$(getconf CLK_TCK)
# cpu_ticks PID...: user + system time of the processes, in clock ticks (fields 14 and 15 of
# /proc/PID/stat, counted after the name in parentheses, which may hold blanks).
cpu_ticks() {
    local pid
    for pid in "$@"; do sed 's/.*) //' "/proc/$pid/stat"; done |
        awk '{ total += $12 + $13 } END { print total }'
}
rss_mib() { awk '/^VmRSS:/ { printf "%.1f", $2 / 1024 }' "/proc/$1/status"; }
now() { date +%s.%N; }
calc() { awk "BEGIN { printf \"%.4f\", $1 }"; }
servers=("$(cat "$work/env/pids/xvfb")" "$(cat "$work/env/pids/pulseaudio")")

# measure NAME PID [LINES_FILE]: after a warm-up, CPU of PID alone and with the servers, its
# memory, and the lines LINES_FILE grew by a second, over the rest of the SECONDS.
declare -A result
measure() {
    local name=$1 pid=$2 lines=${3:-/dev/null} t0 t1 own0 own1 all0 all1 n0 n1 rss0 rss1
    sleep "$warmup"
    rss0=$(rss_mib "$pid"); n0=$(wc -l <"$lines"); t0=$(now)
    own0=$(cpu_ticks "$pid"); all0=$(cpu_ticks "$pid" "${servers[@]}")
    sleep $((seconds - warmup))
    own1=$(cpu_ticks "$pid"); all1=$(cpu_ticks "$pid" "${servers[@]}")
    t1=$(now); n1=$(wc -l <"$lines"); rss1=$(rss_mib "$pid")
    result[$name]="$(calc "($own1 - $own0) * 100 / $ticks / ($t1 - $t0)") \
$(calc "($all1 - $all0) * 100 / $ticks / ($t1 - $t0)") $(calc "($n1 - $n0) / ($t1 - $t0)") $rss0 $rss1"
}

# run_live NAME WIDTH HEIGHT: the window at that size, the blocks a second from its own count.
run_live() {
    local name=$1 config="$work/config-$1" pid cpu all rate rss0 rss1 drawn elapsed
    mkdir -p "$config/orvanta2"
    printf '[picture]\nstyle = 0\nscheme = 3\n[window]\nwidth = %s\nheight = %s\n' "$2" "$3" \
        >"$config/orvanta2/live.ini"
    XDG_CONFIG_HOME="$config" "$live" --stats >"$work/$name.out" 2>"$work/$name.err" &
    pid=$!
    measure "$name" "$pid"
    kill -TERM "$pid"
    wait "$pid" || { cat "$work/$name.err" >&2; exit 1; }
    # "N blocks recorded in T s from the first to the last (R a second), D drawn, ..."
    drawn=$(sed -n 's/.*, \([0-9]*\) drawn,.*/\1/p' "$work/$name.out")
    elapsed=$(sed -n 's/.* recorded in \([0-9.]*\) s.*/\1/p' "$work/$name.out")
    read -r cpu all rate rss0 rss1 <<<"${result[$name]}"
    result[$name]="$cpu $all $(calc "($drawn - 1) / $elapsed") $rss0 $rss1"
    echo "  $name: $(sed 's/^orvanta2-live: //' "$work/$name.out")"
}

# run_cava: raw ASCII output, a line a frame.
run_cava() {
    cat >"$work/cava.conf" <<CONF
[general]
framerate = 43
[input]
method = pulse
source = orvanta.monitor
[output]
method = raw
raw_target = /dev/stdout
data_format = ascii
ascii_max_range = 255
bar_delimiter = 59
frame_delimiter = 10
CONF
    cava -p "$work/cava.conf" >"$work/cava.frames" 2>"$work/cava.err" &
    local pid=$!
    measure cava "$pid" "$work/cava.frames"
    kill -TERM "$pid"
    wait "$pid" 2>/dev/null || true
}

echo "Measuring for ${seconds} s each (first ${warmup} s not counted), the same tones playing:"
run_live live-250 250 250
run_live live-3x 780 780
run_cava

printf '\n%-28s %7s %16s %11s %19s\n' "" "CPU %" "CPU % +servers" "per second" "RSS MiB start/end"
row() {
    local cpu all rate rss0 rss1
    read -r cpu all rate rss0 rss1 <<<"${result[$2]}"
    printf '%-28s %7.2f %16.2f %11.2f %13s / %s\n' "$1" "$cpu" "$all" "$rate" "$rss0" "$rss1"
}
row "orvanta2-live 250x250" live-250
row "orvanta2-live 780x780 (3x)" live-3x
row "cava (raw, 43 fps)" cava
read -r cava_cpu cava_all _ _ _ <<<"${result[cava]}"
read -r l1_cpu l1_all l1_rate _ _ <<<"${result[live-250]}"
read -r l3_cpu l3_all l3_rate _ _ <<<"${result[live-3x]}"
echo
printf 'CPU, live 250x250 / cava: %.2f (goal <= 1); with the servers %.2f\n' \
    "$(calc "$l1_cpu / $cava_cpu")" "$(calc "$l1_all / $cava_all")"
printf 'CPU, live 3x / cava:      %.2f (goal <= 2); with the servers %.2f\n' \
    "$(calc "$l3_cpu / $cava_cpu")" "$(calc "$l3_all / $cava_all")"
printf 'Blocks drawn of the 11025/256 = 43.07 a second: %.2f %% at 250x250, %.2f %% at 3x\n' \
    "$(calc "$l1_rate * 100 * 256 / 11025")" "$(calc "$l3_rate * 100 * 256 / 11025")"
