#!/usr/bin/env bash
# Makes the packages of a Windows build with cpack (into OUT) and checks that the portable
# zip holds exactly the program, its readme and the ten images of every skin folder of the
# repository, under one top folder; that the program in it carries no debug data, whose file
# stays beside the build; and that the installer was made beside it.
#
# Usage: check_zip.sh BUILD_DIR SOURCE_DIR OUT_DIR PACKAGE_FILE_NAME OBJDUMP
set -euo pipefail
[[ $# -eq 5 ]] ||
    { echo "usage: $0 BUILD_DIR SOURCE_DIR OUT_DIR PACKAGE_FILE_NAME OBJDUMP" >&2; exit 2; }
build=$1 source=$2 out=$3 name=$4 objdump=$5

rm -rf "$out"
mkdir -p "$out"
cpack --config "$build/CPackConfig.cmake" -B "$out" -G "ZIP;NSIS"

zip="$out/$name.zip"
[[ -f $zip ]] || { echo "FAIL: no $zip" >&2; exit 1; }
[[ -f $out/$name.exe ]] || { echo "FAIL: no installer $out/$name.exe" >&2; exit 1; }

images=(kxMain kxStartN kxStartD kxStopN kxStopD kxAboutN kxAboutD kxBN kxBD kxBB)
expected=("$name/orvanta2.exe" "$name/readme.txt")
skins=0
for skin in "$source"/skins/*/; do
    skin=$(basename "$skin")
    skins=$((skins + 1))
    for image in "${images[@]}"; do expected+=("$name/Skin/$skin/$image.bmp"); done
done
((skins > 0)) || { echo "FAIL: the repository has no skin folders" >&2; exit 1; }

# unzip -Z1 lists one entry per line; folders end in "/" and are not files.
actual=$(unzip -Z1 "$zip" | grep -v '/$' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
if [[ $actual != "$wanted" ]]; then
    echo "FAIL: the zip's files differ from those expected (- expected, + in the zip):" >&2
    diff <(echo "$wanted") <(echo "$actual") >&2 || true
    exit 1
fi

# The readme opens readably in Notepad: UTF-8 with a byte-order mark, CRLF line ends.
unzip -p "$zip" "$name/readme.txt" >"$out/readme.txt"
[[ $(head -c3 "$out/readme.txt" | od -An -tx1 | tr -d ' ') == efbbbf ]] ||
    { echo "FAIL: readme.txt has no UTF-8 byte-order mark" >&2; exit 1; }
if grep -q $'[^\r]$' <(tail -c +4 "$out/readme.txt"); then
    echo "FAIL: readme.txt has lines not ended by CRLF" >&2
    exit 1
fi
# The packaged program is the built one.
unzip -p "$zip" "$name/orvanta2.exe" | cmp -s - "$build/src/windows/orvanta2.exe" ||
    { echo "FAIL: the zip's orvanta2.exe is not the built one" >&2; exit 1; }

# Shipped stripped: no symbols and no .debug_* sections, but a link to the kept debug file.
unzip -p "$zip" "$name/orvanta2.exe" >"$out/orvanta2.exe"
sections=$("$objdump" -h "$out/orvanta2.exe")
if grep -q ' \.debug_' <<<"$sections"; then
    echo "FAIL: the zip's orvanta2.exe carries debug sections" >&2
    exit 1
fi
if "$objdump" -t "$out/orvanta2.exe" | grep -q '^\[ *[0-9]'; then
    echo "FAIL: the zip's orvanta2.exe carries a symbol table" >&2
    exit 1
fi
grep -q ' \.gnu_debuglink' <<<"$sections" ||
    { echo "FAIL: the zip's orvanta2.exe does not name its debug file" >&2; exit 1; }
symbols="$build/src/windows/orvanta2.debug"
[[ -s $symbols ]] || { echo "FAIL: no debug file $symbols beside the build" >&2; exit 1; }
echo "shipped orvanta2.exe: $(stat -c %s "$out/orvanta2.exe") bytes;" \
    "its debug data beside the build (orvanta2.debug): $(stat -c %s "$symbols") bytes"
echo "zip holds the ${#expected[@]} expected files; installer $name.exe made"
