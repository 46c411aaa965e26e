#!/usr/bin/env bash
# Style checks, run as tests of the native build:
#   lint.sh format        every C++ file of the repository is as clang-format lays it out;
#   lint.sh tidy BUILD    the portable code (src/ but the Windows layer) is clang-tidy clean
#                         with .clang-tidy's checks, compiled as in BUILD/compile_commands.json.
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

case "${1:-}" in
    format)
        sources '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
        ;;
    tidy)
        [[ -f "${2:-}/compile_commands.json" ]] || { echo "lint: no compile_commands.json in '${2:-}'" >&2; exit 2; }
        # clang-tidy's own chatter (counts of warnings it suppressed) is not a finding.
        findings="$(sources 'src/*.cpp' | grep -v '^src/platform/win32/' |
            xargs -P "$(nproc)" -n 4 clang-tidy -p "$2" --quiet 2>&1 |
            grep -v -E '^[0-9]+ warnings? generated\.$|^Suppressed [0-9]+ warnings|^Use -header-filter' ||
            true)"
        [[ -z "$findings" ]] || { echo "$findings"; exit 1; }
        ;;
    *)
        echo "usage: $0 format | tidy BUILD_DIR" >&2
        exit 2
        ;;
esac
