#!/usr/bin/env bash
# Regenerates docs/render-demo.gif, the README's example of orvanta2-render: a generated sound
# (a chord that swells and a falling whistle) drawn in the style "Кольца".
#
# Usage: tools/render-readme-gif.sh   (builds the native preset's renderer if needed)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build/native"
[[ -f "$build/build.ninja" ]] || cmake --preset native >/dev/null
cmake --build "$build" --target orvanta2-render >/dev/null
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

ffmpeg -v error -f lavfi \
    -i "aevalsrc=(0.3*sin(2*PI*220*t)+0.2*sin(2*PI*277*t)+0.2*sin(2*PI*330*t))*(0.4+0.6*abs(sin(PI*t/2)))+0.25*sin(2*PI*(1800-300*t)*t):s=22050:d=3" \
    -c:a pcm_s16le "$work/demo.wav"
"$build/src/linux/render/orvanta2-render" --quiet --overwrite --style "Кольца" --scheme "Радужный" \
    --zoom 2 "$work/demo.wav" "$root/docs/render-demo.gif"
echo "wrote docs/render-demo.gif"
