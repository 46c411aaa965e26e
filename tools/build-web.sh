#!/usr/bin/env bash
# Builds the page: the engine in WebAssembly with emscripten, and the static files beside it,
# into build/web/ or SITE (any static host can serve that folder).
#
# Usage: tools/build-web.sh [SITE]
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
# The machine's node may not look in Debian's module folder, where the minifier's acorn is.
export NODE_PATH=/usr/share/nodejs
site=${1:-build/web}
cmake_dir=$site-cmake
emcmake cmake -S . -B "$cmake_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_TESTING=OFF -DORVANTA_BENCHMARKS=OFF >/dev/null
ninja -C "$cmake_dir" orvanta_web
mkdir -p "$site"
cp "$cmake_dir"/src/web/wasm/orvanta.js "$cmake_dir"/src/web/wasm/orvanta.wasm src/web/page/* "$site"/
echo "build-web: the site is in $site/"
