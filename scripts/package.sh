#!/usr/bin/env bash
# scripts/package.sh [BUILD_DIR]: builds the Debian packages libstacksizeview
# and libstacksizeview-dev (release build, installed under /usr) and prints
# their paths.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-package}
"$root/scripts/build.sh" "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DSTACKSIZEVIEW_BUILD_TESTS=OFF
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/*.deb
