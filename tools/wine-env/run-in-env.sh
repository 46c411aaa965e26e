#!/usr/bin/env bash
# Runs a Windows program under Wine inside the test environment that start.sh DIR made;
# the emulator of the Windows-side tests. With ORVANTA_NO_PULSE=1 the program finds no
# PulseAudio server (a socket that does not exist, no autospawn), so Wine offers it no
# wave-input device; programs it starts inherit that.
#
# Usage: [ORVANTA_NO_PULSE=1] run-in-env.sh DIR PROGRAM.exe [ARGS...]
set -euo pipefail
[[ $# -ge 2 ]] || { echo "usage: $0 DIR PROGRAM.exe [ARGS...]" >&2; exit 2; }
[[ -f "$1/env.sh" ]] || { echo "run-in-env: no environment in $1 (run start.sh $1)" >&2; exit 2; }
# shellcheck source=/dev/null
. "$1/env.sh"
if [[ ${ORVANTA_NO_PULSE:-0} == 1 ]]; then
    export PULSE_SERVER="unix:$1/pulse/no-server-here"
fi
shift

# Wine starts its service processes (services.exe, explorer.exe, winedevice.exe...) on
# first need, and they would inherit our stdout and stderr and hold them open for as long
# as the prefix runs: a caller waiting for end-of-output (ctest) would wait for ever. So
# the program writes to a file that is relayed while it runs, and we return when the
# program itself exits. stdout and stderr arrive merged, on stdout.
output="$(mktemp "${TMPDIR:-/tmp}/orvanta-wine-output.XXXXXX")"
wine "$@" >"$output" 2>&1 </dev/null &
program=$!
trap 'kill -TERM "$program" 2>/dev/null' TERM INT HUP
tail -n +1 -s 0.1 -f --pid="$program" "$output" &
relay=$!
status=0
wait "$program" || status=$?
# A signal interrupts the first wait; wait again for the real exit.
while kill -0 "$program" 2>/dev/null; do wait "$program" || status=$?; done
wait "$relay" || true
# Wine's crash handler can end a crashed program with status 0: a crash is a failure.
if ((status == 0)) && grep -q '^wine: Unhandled' "$output"; then
    echo "run-in-env: the program crashed" >&2
    status=70
fi
rm -f "$output"
exit "$status"
