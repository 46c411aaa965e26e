#!/usr/bin/env bash
# tools/lint.sh layers on small made-up trees: one include per case, from the folder named to the
# folder named, and whether the check must refuse it.
set -euo pipefail
lint="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

failures=0
check() {
    local from="$1" line="$2" refused="$3" tree="$work/$RANDOM$RANDOM"
    mkdir -p "$tree/src/$from" "$tree/src/pixels" "$tree/src/forms" "$tree/src/display" \
        "$tree/src/mainwindow" "$tree/src/app" "$tree/src/platform/win32"
    printf '#pragma once\n%s\n' "$line" >"$tree/src/$from/probe.h"
    local output status=0
    output="$("$lint" layers "$tree" 2>&1)" || status=$?
    if [[ "$refused" == yes && ( "$status" -ne 1 || "$output" != *"src/$from/probe.h includes"* ) ]] ||
        [[ "$refused" == no && "$status" -ne 0 ]]; then
        echo "FAIL: $from: '$line' refused=$refused, got status $status: $output"
        failures=$((failures + 1))
    fi
}

#     folder          include                            refused
check display         '#include "pixels/colour.h"'       no
check display         '#include "forms/form.h"'          yes
check display         '#include <mainwindow/skin.h>'     yes
check display         '  #  include "app/program.h"'     yes
check display         '#include "display/canvas.h"'      no
check display         '#include <vector>'                no
check forms           '#include "display/canvas.h"'      yes
check capture         '#include "forms/platform.h"'      yes
check mainwindow      '#include "app/program.h"'         yes
check mainwindow      '#include "forms/form.h"'          no
check app             '#include "mainwindow/skin.h"'     no
check platform/win32  '#include "app/program.h"'         no

[[ "$failures" -eq 0 ]] || exit 1
echo "all cases passed"
