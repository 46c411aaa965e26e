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
    mkdir -p "$tree/src/$from" "$tree/src/engine/pixels" "$tree/src/engine/drawing" \
        "$tree/src/windows/forms" "$tree/src/windows/mainwindow" "$tree/src/windows/app" \
        "$tree/src/windows/win32" "$tree/src/linux/live"
    printf '#pragma once\n%s\n' "$line" >"$tree/src/$from/probe.h"
    local output status=0
    output="$("$lint" layers "$tree" 2>&1)" || status=$?
    if [[ "$refused" == yes && ( "$status" -ne 1 || "$output" != *"src/$from/probe.h includes"* ) ]] ||
        [[ "$refused" == no && "$status" -ne 0 ]]; then
        echo "FAIL: $from: '$line' refused=$refused, got status $status: $output"
        failures=$((failures + 1))
    fi
}

#     folder              include                                       refused
check engine/drawing      '#include "engine/pixels/colour.h"'           no
check engine/drawing      '#include "windows/forms/form.h"'             yes
check engine/drawing      '#include <windows/mainwindow/skin.h>'        yes
check engine/drawing      '  #  include "windows/app/program.h"'        yes
check engine/drawing      '#include "linux/live/live_viewer.h"'         yes
check engine/drawing      '#include "engine/drawing/canvas.h"'          no
check engine/drawing      '#include <vector>'                           no
check windows/forms       '#include "engine/drawing/canvas.h"'          yes
check windows/capture     '#include "windows/forms/platform.h"'         yes
check windows/mainwindow  '#include "windows/app/program.h"'            yes
check windows/mainwindow  '#include "windows/forms/form.h"'             no
check windows/app         '#include "windows/mainwindow/skin.h"'        no
check windows/win32       '#include "windows/app/program.h"'            no
check windows/win32       '#include "linux/live/live_viewer.h"'         yes
check linux/live          '#include "windows/mainwindow/skin.h"'        yes
check linux/live          '#include "engine/drawing/canvas.h"'          no

[[ "$failures" -eq 0 ]] || exit 1
echo "all cases passed"
