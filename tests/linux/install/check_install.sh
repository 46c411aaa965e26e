#!/usr/bin/env bash
# Checks what the native programs install, as a package would lay it out: the programs (which
# run and give their version), man pages, completion, a valid desktop entry, icon and AppStream
# data, and the package's copyright and changelog.
# Usage: check_install.sh BUILD_DIR         installs BUILD_DIR into a scratch DESTDIR
#        check_install.sh --deb PACKAGE     unpacks the Debian package and runs lintian on it
set -euo pipefail
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
status=0
if [[ $1 == --deb ]]; then
    dpkg-deb -x "$2" "$stage"
    lintian --fail-on error,warning "$2" || status=1
else
    DESTDIR="$stage" cmake --install "$1" --prefix /usr >/dev/null
fi

expected=(
    usr/bin/orvanta2-render
    usr/bin/orvanta2-live
    usr/share/man/man1/orvanta2-render.1.gz
    usr/share/man/man1/orvanta2-live.1.gz
    usr/share/bash-completion/completions/orvanta2-render
    usr/share/bash-completion/completions/orvanta2-live
    usr/share/applications/orvanta2-live.desktop
    usr/share/icons/hicolor/scalable/apps/orvanta2-live.svg
    usr/share/metainfo/org.example.orvanta.live.metainfo.xml
    usr/share/doc/orvanta2/copyright
    usr/share/doc/orvanta2/changelog.Debian.gz
)
for file in "${expected[@]}"; do
    [[ -s "$stage/$file" ]] || { echo "not installed: /$file"; status=1; }
done
for program in orvanta2-render orvanta2-live; do
    ASAN_OPTIONS=detect_leaks=0 "$stage/usr/bin/$program" --version | grep -q "^$program [0-9]" ||
        { echo "$program --version does not name it"; status=1; }
    zgrep -qF -- '\-\-style' "$stage/usr/share/man/man1/$program.1.gz" ||
        { echo "$program.1 does not list the options"; status=1; }
done
desktop-file-validate "$stage/usr/share/applications/orvanta2-live.desktop" || status=1
appstreamcli validate --no-net --pedantic \
    "$stage/usr/share/metainfo/org.example.orvanta.live.metainfo.xml" >/dev/null || status=1
exit "$status"
