#!/usr/bin/env bash
# Runs a native command inside the test environment that start.sh DIR made (its display and
# sound server), e.g. the native Linux programs and their tests.
#
# Usage: with-env.sh DIR COMMAND [ARGS...]
set -euo pipefail
[[ $# -ge 2 ]] || { echo "usage: $0 DIR COMMAND [ARGS...]" >&2; exit 2; }
[[ -f "$1/env.sh" ]] || { echo "with-env: no environment in $1 (run start.sh $1)" >&2; exit 2; }
# shellcheck source=/dev/null
. "$1/env.sh"
shift
exec "$@"
