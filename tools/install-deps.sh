#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Orvanta 2 need, when
# any is missing: with apt-get as root, or through sudo. Quick when all are there.
#
# Usage: tools/install-deps.sh
set -euo pipefail

packages=(
    # native build and unit tests
    cmake ninja-build g++ libgtest-dev libgmock-dev googletest libbenchmark-dev
    # the Windows build (googletest's sources are built with it too)
    g++-mingw-w64-x86-64
    # running and testing the Windows build: Wine, a display, sound input
    wine64 wine xvfb pulseaudio pulseaudio-utils
    # the live program's tests under PipeWire's PulseAudio server, on a private session bus
    pipewire pipewire-pulse wireplumber dbus
    # the art and glyph generators, screenshots, checks of sound files
    python3 python3-pil fonts-liberation imagemagick sox xdotool
    # the Windows packages (cpack: zip and NSIS installer) and their checks
    nsis unzip
    # installing the native Linux programs: man pages, checks of the desktop entry and AppStream data
    help2man desktop-file-utils appstream
    # the Debian package of the native programs: its dependencies and its check
    dpkg-dev lintian
    # source formatting and static analysis
    clang-format clang-tidy
    # the native Linux programs: sound files, resampling, PNG, options, settings file,
    # live window and sound server; ffmpeg encodes their videos, cava is the live peer
    libsndfile1-dev libsoxr-dev libpng-dev libcli11-dev libinih-dev libsdl2-dev libpulse-dev
    ffmpeg cava
    # the page: the engine in WebAssembly (emscripten minifies its loader with acorn)
    emscripten node-acorn
    # the page's tests: headless Chromium driven over its DevTools protocol from Python
    chromium python3-websocket
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q '^install ok installed$'; then
        missing+=("$package")
    fi
done
((${#missing[@]} == 0)) && exit 0

echo "install-deps: installing missing Debian packages: ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
    as_root=()
elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
    as_root=(sudo)
else
    echo "install-deps: these Debian packages are missing: ${missing[*]}" >&2
    echo "install-deps: run as root, or install them first:" >&2
    echo "    sudo apt-get install ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q "${missing[@]}"
