#!/usr/bin/env bash
# Style checks, run as tests of the native build:
#   lint.sh format        every C++ file of the repository is as clang-format lays it out;
#   lint.sh tidy BUILD    src/ is clang-tidy clean with .clang-tidy's checks: the portable code
#                         compiled as in BUILD/compile_commands.json, the Windows layer as the
#                         mingw-w64 build compiles it (configured, not built, in BUILD/win32-tidy);
#   lint.sh layers [DIR]  no folder of src/ (of DIR's, else the repository's) includes a folder
#                         above it or of another program (docs/architecture.md).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

# The repository's files when it is a git checkout, else every file under the source folders.
sources() {
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git ls-files -- "$@"
    else
        find src tests benchmarks tools -type f \( -name '*.cpp' -o -name '*.h' \) | grep -E "$(printf '%s|' "$@" | sed 's/\*/.*/g; s/|$//')"
    fi
}

# What the code of each folder of src/ (a program's folder and a layer, "engine/drawing") may
# include besides its own folder: only the layers below it. The engine knows no program; the
# Windows program's forms include each other in this order, and its Win32 layer, on top, all of
# the Windows program; the Linux programs build on the engine and their own shared folders.
pixels="engine/pixels"
program="windows/forms engine/drawing engine/blocks windows/capture windows/settings $pixels"
declare -A may_include=(
    [engine/pixels]=""
    [engine/blocks]=""
    [engine/drawing]="$pixels engine/blocks"
    [windows/settings]="engine/drawing $pixels"
    [windows/capture]="engine/blocks"
    [windows/forms]="$pixels"
    [windows/mainwindow]="$program"
    [windows/coloureditor]="windows/forms engine/drawing windows/settings $pixels"
    [windows/skinchooser]="$program windows/mainwindow"
    [windows/about]="windows/forms windows/mainwindow"
    [windows/app]="$program windows/mainwindow windows/coloureditor windows/skinchooser windows/about"
    [windows/win32]="$program windows/mainwindow windows/coloureditor windows/skinchooser windows/about windows/app engine/blocks"
    [linux/sound_files]="engine/blocks"
    [linux/command_line]="engine/drawing $pixels"
    [linux/render]="engine/drawing engine/blocks $pixels linux/sound_files linux/command_line"
    [linux/live]="engine/drawing engine/blocks $pixels linux/command_line"
    [web/wasm]="engine/drawing engine/blocks $pixels"
)

# Prints every include of a folder of src/ that its layer does not allow. The build's include
# roots refuse most of them too, but not where they fall back to src/ (no symbolic links).
wrong_includes() {
    local file folder included
    while read -r file; do
        folder="$(cut -d/ -f2,3 <<<"$file")"
        [[ -v "may_include[$folder]" ]] || continue
        while read -r included; do
            [[ -d "src/$included" && "$included" != "$folder" ]] || continue
            [[ " ${may_include[$folder]} " == *" $included "* ]] || echo "$file includes $included/"
        done < <(sed -n 's|^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]\([^/">]*/[^/">]*\)/.*|\1|p' "$file")
    done < <(sources 'src/*.cpp' 'src/*.h' 'src/*.inc')
}

# Writes the Windows build's compile commands into DIR by configuring (not building) the
# mingw-w64 build there, and puts in windows_args what clang-tidy needs besides to read them as
# mingw-w64 does: the target, and the cross compiler's C++ headers, which clang does not find.
windows_args=()
configure_windows() {
    local dir=$1 cxx
    cmake -S "$root" -B "$dir" -G Ninja --toolchain "$root/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DORVANTA_BENCHMARKS=OFF >"$dir.log" 2>&1 ||
        { cat "$dir.log" >&2; echo "lint: the mingw-w64 build does not configure (tools/install-deps.sh installs it)" >&2; exit 2; }
    cxx="$(sed -n 's/^ *"command": "\([^ ]*\) .*/\1/p' "$dir/compile_commands.json" | head -n1)"
    windows_args=(--extra-arg=--target=x86_64-w64-mingw32 --extra-arg=-Wno-unknown-warning-option)
    while read -r include; do
        windows_args+=("--extra-arg=-isystem$include")
    done < <("$cxx" -std=c++20 -x c++ -E -v - </dev/null 2>&1 |
        sed -n '/<\.\.\.> search starts/,/End of search/p' | grep '/include/c++')
}

case "${1:-}" in
    format)
        sources '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
        ;;
    tidy)
        [[ -f "${2:-}/compile_commands.json" ]] || { echo "lint: no compile_commands.json in '${2:-}'" >&2; exit 2; }
        windows="$2/win32-tidy"
        configure_windows "$windows"
        # clang-tidy's own chatter (counts of warnings it suppressed) is not a finding.
        findings="$({
            # The Win32 layer is read as mingw-w64 compiles it, below; the page's C interface
            # is compiled by emscripten only.
            sources 'src/*.cpp' | grep -v -E '^src/(windows/win32|web)/' |
                xargs -P "$(nproc)" -n 4 clang-tidy -p "$2" --quiet
            sources 'src/windows/win32/*.cpp' |
                xargs -P "$(nproc)" -n 4 clang-tidy -p "$windows" --quiet "${windows_args[@]}"
        } 2>&1 |
            grep -v -E '^[0-9]+ warnings? generated\.$|^Suppressed [0-9]+ warnings|^Use -header-filter' ||
            true)"
        [[ -z "$findings" ]] || { echo "$findings"; exit 1; }
        ;;
    layers)
        cd "${2:-.}"
        findings="$(wrong_includes)"
        [[ -z "$findings" ]] || { echo "$findings"; exit 1; }
        ;;
    *)
        echo "usage: $0 format | tidy BUILD_DIR | layers [DIR]" >&2
        exit 2
        ;;
esac
