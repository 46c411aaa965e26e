#!/usr/bin/env bash
# The run command: installs what is missing (tools/install-deps.sh), builds the Windows
# program (mingw-w64) and runs it under Wine on this desktop's display and sound input.
# Its settings are kept in a Wine prefix of its own (ORVANTA_WINEPREFIX, default
# ~/.local/share/orvanta2/wineprefix), apart from any other Wine programs.
#
# With no display (DISPLAY unset) it shows what the program does instead: it runs it on a
# virtual display with a mix of tones playing into a virtual sound input, presses Start,
# and writes a screenshot and a short animation into build/demo/ (tools/screenshot.sh).
#
# Usage: tools/run.sh [ARGS...]
# ORVANTA_BUILD_ROOT (default: build) holds the build folder windows/ and demo/.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
"$root/tools/install-deps.sh"

dir="${ORVANTA_BUILD_ROOT:-$root/build}/windows"
mkdir -p "$(dirname "$dir")"
cmake --preset windows -B "$dir" >"$dir.configure.log" 2>&1 || { cat "$dir.configure.log" >&2; exit 1; }
cmake --build "$dir" --target orvanta2 orvanta2_skins
exe="$(find "$dir" -name orvanta2.exe -type f -print -quit)"
[[ -n $exe ]] || { echo "run.sh: the build made no orvanta2.exe" >&2; exit 1; }

if [[ -z ${DISPLAY:-} ]]; then
    demo="${ORVANTA_BUILD_ROOT:-$root/build}/demo"
    echo "run.sh: no desktop display (DISPLAY is not set): running a demo on a virtual display"
    "$root/tools/screenshot.sh" --exe "$exe" --png "$demo/screenshot.png" --gif "$demo/demo.gif"
    echo "run.sh: the demo's pictures are in $demo: screenshot.png and demo.gif"
    exit 0
fi

export WINEPREFIX="${ORVANTA_WINEPREFIX:-$HOME/.local/share/orvanta2/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
if [[ ! -f $WINEPREFIX/system.reg ]]; then
    echo "run.sh: creating the Wine prefix $WINEPREFIX (once)"
    mkdir -p "$(dirname "$WINEPREFIX")"
    WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1
fi
exec wine "$exe" "$@"
