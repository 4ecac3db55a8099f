#!/usr/bin/env bash
# scripts/check-package.sh [BUILD_DIR]: builds the Debian packages (in
# BUILD_DIR, see scripts/package.sh), unpacks them into a throwaway root,
# builds the consumer project against what they installed and runs it and
# tracetool from there, in English and in German.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-package}
"$root/scripts/package.sh" "$build" >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for package in "$build"/*.deb; do
    dpkg-deb --info "$package" >/dev/null
    dpkg -x "$package" "$work/root"
done
echo "packages: $(cd "$build" && ls *.deb | tr '\n' ' ')"
dpkg-deb --field "$build"/libstacksizeview_*.deb Depends
cmake -S "$root/tests/consumer" -B "$work/build" -G Ninja -DCMAKE_PREFIX_PATH="$work/root/usr" >/dev/null
cmake --build "$work/build" >/dev/null
env -u LD_LIBRARY_PATH "$work/build/consumer"
env -u LD_LIBRARY_PATH "$work/root/usr/bin/tracetool" --help >/dev/null
german=$(env -u LD_LIBRARY_PATH -u LANGUAGE LC_ALL=de_DE.UTF-8 "$work/root/usr/bin/tracetool" check 2>&1 || true)
if ! grep -q "keine Konfigurationsdatei angegeben" <<<"$german"; then
    echo "installed package: tracetool does not speak German: $german" >&2
    exit 1
fi
echo "installed package: consumer built and run, tracetool runs, translated"
