# Sourced by the measurement scripts that run a measuring program under Wine. Sets root, exe
# (build/windows/tools/measure/$1) and env_dir, starts a private test environment there, stops
# it on exit and puts it in effect.
# shellcheck shell=bash
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
exe="$root/build/windows/tools/measure/$1"
[[ -f "$exe" ]] || { echo "build it first: cmake --build --preset windows" >&2; exit 1; }
env_dir="$root/build/windows/measure-env"
"$root/tools/wine-env/start.sh" "$env_dir" >/dev/null
trap '"$root/tools/wine-env/stop.sh" "$env_dir" >/dev/null 2>&1' EXIT
# shellcheck source=/dev/null
. "$env_dir/env.sh"
