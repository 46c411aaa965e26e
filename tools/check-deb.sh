#!/usr/bin/env bash
# Builds the Debian package of the native Linux programs as the README's install section
# does (the release preset, then cpack) and checks it: lintian with no errors or warnings,
# and the files a user gets. Prints where the package is.
#
# Usage: tools/check-deb.sh
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
"$root/tools/install-deps.sh"
cmake --preset release >/dev/null
cmake --build --preset release
(cd build/release && cpack -G DEB)
package=(build/release/orvanta2_*.deb)
"$root/tests/linux/install/check_install.sh" --deb "${package[0]}"
echo "check-deb: ${package[0]} is clean"
