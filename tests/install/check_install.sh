#!/usr/bin/env bash
# Installs the native build into a scratch DESTDIR as a package would and checks what lands
# there: the programs (which run and give their version), man pages, completion, a valid
# desktop entry and the icon.
# Usage: check_install.sh BUILD_DIR
set -euo pipefail
build=$1
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null

expected=(
    usr/bin/orvanta2-render
    usr/bin/orvanta2-live
    usr/share/man/man1/orvanta2-render.1
    usr/share/man/man1/orvanta2-live.1
    usr/share/bash-completion/completions/orvanta2-render
    usr/share/bash-completion/completions/orvanta2-live
    usr/share/applications/orvanta2-live.desktop
    usr/share/icons/hicolor/scalable/apps/orvanta2-live.svg
)
status=0
for file in "${expected[@]}"; do
    [[ -s "$stage/$file" ]] || { echo "not installed: /$file"; status=1; }
done
for program in orvanta2-render orvanta2-live; do
    ASAN_OPTIONS=detect_leaks=0 "$stage/usr/bin/$program" --version | grep -q "^$program [0-9]" ||
        { echo "$program --version does not name it"; status=1; }
    grep -qF -- '\-\-style' "$stage/usr/share/man/man1/$program.1" ||
        { echo "$program.1 does not list the options"; status=1; }
done
desktop-file-validate "$stage/usr/share/applications/orvanta2-live.desktop" || status=1
exit "$status"
