#!/usr/bin/env bash
# Frames per second of orvanta2-render against ffmpeg's showwaves filter, on the same generated
# ten-minute sound in the same run: 1080p30 video, a PNG sequence and drawing alone; and the
# renderer's peak memory at 3840 x 2160 against the sound's length.
# Prints the figures and the ratios; asserts nothing.
#
# Usage: tools/measure/render-speed.sh [SECONDS]   (default 600; builds the bench preset's renderer)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
seconds="${1:-600}"
work="$root/build/measure-render"
mkdir -p "$work"

cmake --preset bench >/dev/null
cmake --build "$root/build/bench" --target orvanta2-render >/dev/null
render="$root/build/bench/src/linux/render/orvanta2-render"

# A sound that keeps every style busy: two sweeping tones and a pulsing noise, 44.1 kHz stereo.
sound="$work/sound-$seconds.wav"
if [[ ! -f "$sound" ]]; then
    ffmpeg -v error -y -f lavfi \
        -i "aevalsrc=0.45*sin(2*PI*(120+80*sin(t/7))*t)+0.3*sin(2*PI*(900+600*sin(t/3))*t)|0.4*sin(2*PI*330*t)*abs(sin(t*2)):s=44100:d=$seconds" \
        -c:a pcm_s16le "$sound"
fi
frames=$(( (seconds * 11025 + 255) / 256 ))

# The encoder settings the renderer gives ffmpeg for an .mp4, used for showwaves too.
x264=(-c:v libx264 -preset veryfast -crf 20 -pix_fmt yuv420p -threads 2)
showwaves="showwaves=s=250x250:rate=43.066"

# Wall seconds of a command, its output thrown away.
timed() {
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null
    end=$(date +%s.%N)
    awk -v a="$start" -v b="$end" 'BEGIN { print b - a }'
}
fps() { awk -v n="$1" -v t="$2" 'BEGIN { printf "%.1f", n / t }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

echo "sound: $seconds s, $frames frames of 260x260 (showwaves: 250x250); $(nproc) cores"
echo

# (a) frames drawn and dropped. Each style on the first minute, then the median style whole.
declare -a style_fps
for style in $(seq 0 24); do
    t=$(timed "$render" --quiet --to 60 --style "$style" "$sound" /dev/null)
    style_fps+=("$(fps $(( (60 * 11025 + 255) / 256 )) "$t") $style")
done
median=$(printf '%s\n' "${style_fps[@]}" | sort -n | sed -n 13p | cut -d' ' -f2)
echo "per style, first minute (fps style): $(printf '%s\n' "${style_fps[@]}" | sort -n | tr '\n' ';')"

# (a) 1920 x 1080 at 30 frames a second to H.264 with the sound, the same encoder settings.
hd_frames=$(( seconds * 30 ))
ours=$(timed "$render" --quiet --overwrite --fps 30 --size 1920x1080 --style "$median" "$sound" "$work/ours.mp4")
theirs=$(timed ffmpeg -v error -y -i "$sound" -filter_complex "[0:a]showwaves=s=1920x1080:rate=30[v]" \
    -map "[v]" -map 0:a "${x264[@]}" -c:a aac -b:a 160k "$work/theirs.mp4")
echo "(a) 1920x1080 at 30 fps, H.264 + AAC: orvanta2-render $(fps $hd_frames "$ours") fps," \
    "showwaves $(fps $hd_frames "$theirs") fps, ratio $(ratio "$theirs" "$ours") (goal 1)  (x264: ${x264[*]})"
rm -f "$work/ours.mp4" "$work/theirs.mp4"

# (b) a PNG sequence at the pane's size.
rm -rf "$work/ours" "$work/theirs" && mkdir -p "$work/ours" "$work/theirs"
ours=$(timed "$render" --quiet --style "$median" "$sound" "$work/ours/f%06d.png")
theirs=$(timed ffmpeg -v error -i "$sound" -filter_complex "$showwaves" "$work/theirs/f%06d.png")
echo "(b) PNG sequence: orvanta2-render $(fps $frames "$ours") fps ($(du -sm "$work/ours" | cut -f1) MB)," \
    "showwaves $(fps $frames "$theirs") fps ($(du -sm "$work/theirs" | cut -f1) MB), ratio $(ratio "$theirs" "$ours") (goal 1.5)"
rm -rf "$work/ours" "$work/theirs"

# (c) no output: drawing only.
ours=$(timed "$render" --quiet --style "$median" "$sound" /dev/null)
theirs=$(timed ffmpeg -v error -i "$sound" -filter_complex "$showwaves" -f null -)
echo "(c) no output, median style $median: orvanta2-render $(fps $frames "$ours") fps," \
    "showwaves $(fps $frames "$theirs") fps, ratio $(ratio "$theirs" "$ours") (goal 2)"

# Memory: the renderer's peak resident size at 3840 x 2160 for a tenth of the sound and for all
# of it (raw frames to a pipe, so that ffmpeg's encoder is not counted).
peak() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1; }
uhd=(--quiet --fps 30 --size 3840x2160 --style "$median")
short=$(peak "$render" "${uhd[@]}" --to $(( seconds / 10 )) "$sound" -)
long=$(peak "$render" "${uhd[@]}" "$sound" -)
echo "memory at 3840x2160: peak $short KB for $(( seconds / 10 )) s, $long KB for $seconds s"
