#!/usr/bin/env bash
# Serves the page built by tools/build-web.sh (build/web/, or SITE) on this machine only, and
# prints its address. The microphone and the worklet need a secure context: localhost is one.
#
# Usage: tools/serve-web.sh [SITE] [PORT]
set -euo pipefail
cd "$(dirname "$0")/.."
site=${1:-build/web}
port=${2:-8025}
[[ -f $site/index.html ]] || { echo "serve-web: no page in $site/; run tools/build-web.sh" >&2; exit 1; }
echo "serve-web: http://127.0.0.1:$port/ (Ctrl+C stops)"
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory "$site"
