#!/usr/bin/env bash
# The run command: installs what is missing (tools/install-deps.sh), builds the Windows
# program (mingw-w64) and runs it under Wine on this desktop's display and sound input.
# Its settings are kept in a Wine prefix of its own (ORVANTA_WINEPREFIX, default
# ~/.local/share/orvanta2/wineprefix), apart from any other Wine programs.
#
# Usage: tools/run.sh [ARGS...]
# ORVANTA_BUILD_ROOT (default: build) holds the build folder windows/.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
"$root/tools/install-deps.sh"

if [[ -z ${DISPLAY:-} ]]; then
    echo "run.sh: no desktop display: DISPLAY is not set." >&2
    echo "run.sh: Orvanta 2 is a desktop program; run this from a graphical session." >&2
    exit 1
fi

dir="${ORVANTA_BUILD_ROOT:-$root/build}/windows"
mkdir -p "$(dirname "$dir")"
cmake --preset windows -B "$dir" >"$dir.configure.log" 2>&1 || { cat "$dir.configure.log" >&2; exit 1; }
cmake --build "$dir" --target orvanta2
exe="$(find "$dir" -name orvanta2.exe -type f -print -quit)"
[[ -n $exe ]] || { echo "run.sh: the build made no orvanta2.exe" >&2; exit 1; }

export WINEPREFIX="${ORVANTA_WINEPREFIX:-$HOME/.local/share/orvanta2/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
if [[ ! -f $WINEPREFIX/system.reg ]]; then
    echo "run.sh: creating the Wine prefix $WINEPREFIX (once)"
    mkdir -p "$(dirname "$WINEPREFIX")"
    WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1
fi
exec wine "$exe" "$@"
