#!/usr/bin/env bash
# scripts/package.sh [BUILD_DIR]: builds the Debian packages of debian/
# with debhelper, from the package preset (release, under /usr) in BUILD_DIR
# (default ./build-package), and prints their paths:
#   libstacksizeview1, libhostsdk1  the shared libraries
#   libstacksizeview-l10n           the translations
#   stacksizeview-tools             tracetool and stacksize-host, with manual pages and the examples
#   libstacksizeview-dev            headers and the CMake package
# debhelper works in a copy of debian/ inside BUILD_DIR: the source tree stays clean.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-package}
"$root/scripts/install-deps.sh"
mkdir -p "$build"
build=$(cd "$build" && pwd)

version=$(sed -nE 's/^project\(StackSizeView VERSION ([0-9.]+).*/\1/p' "$root/CMakeLists.txt")
packaged=$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)
if [ "${packaged%-*}" != "$version" ]; then
    echo "$0: debian/changelog is at $packaged, the project at $version: add a changelog entry" >&2
    exit 1
fi

stage=$build/debian-source
rm -rf "$stage" "$build"/*.deb "$build"/*.ddeb
mkdir -p "$stage"
cp -r "$root/debian" "$stage/"
if ! (cd "$stage" && SSV_SOURCE_DIR="$root" SSV_BUILD_DIR="$build" debian/rules binary) >"$build/package.log" 2>&1; then
    tail -n 40 "$build/package.log" >&2
    echo "$0: the packages could not be built (log: $build/package.log)" >&2
    exit 1
fi
ls "$build"/*.deb
