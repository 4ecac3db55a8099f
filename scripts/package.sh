#!/usr/bin/env bash
# scripts/package.sh [BUILD_DIR [cmake options...]]: builds the Debian
# packages libstacksizeview and libstacksizeview-dev (files under /usr) and
# prints their paths.  The default BUILD_DIR, build-package, is a release
# build without the tests; another folder keeps its own settings.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-package}
[ $# -gt 0 ] && shift
if [ $# -eq 0 ] && [ "$build" = "$root/build-package" ]; then
    set -- -DCMAKE_BUILD_TYPE=Release -DSTACKSIZEVIEW_BUILD_TESTS=OFF
fi
"$root/scripts/build.sh" "$build" -DCMAKE_INSTALL_PREFIX=/usr "$@"
(cd "$build" && rm -f ./*.deb && cpack -G DEB >/dev/null)
ls "$build"/*.deb
