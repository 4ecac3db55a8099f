#!/usr/bin/env bash
# scripts/check-package.sh [BUILD_DIR]: builds the Debian packages (in
# BUILD_DIR, see scripts/package.sh), checks every one with lintian (an
# error or a warning fails; overrides are in debian/*.lintian-overrides),
# unpacks them into a throwaway root, builds the consumer project against
# what they installed, runs it and tracetool from there, in English and in
# German, and reads tracetool's manual page as `man tracetool` finds it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-package}
"$root/scripts/package.sh" "$build" >/dev/null
packages=("$build"/*.deb)
echo "packages: $(basename -a "${packages[@]}" | tr '\n' ' ')"
lintian --fail-on error,warning "${packages[@]}"
echo "lintian: no error, no warning"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"  # man reads the pages as its own user
for package in "${packages[@]}"; do
    dpkg -x "$package" "$work/root"
done
dpkg-deb --field "$build"/libstacksizeview1_*.deb Package Depends
cmake -S "$root/tests/consumer" -B "$work/build" -G Ninja -DCMAKE_PREFIX_PATH="$work/root/usr" >/dev/null
cmake --build "$work/build" >/dev/null
env -u LD_LIBRARY_PATH "$work/build/consumer"
env -u LD_LIBRARY_PATH "$work/root/usr/bin/tracetool" --help >/dev/null
german=$(env -u LD_LIBRARY_PATH -u LANGUAGE LC_ALL=de_DE.UTF-8 "$work/root/usr/bin/tracetool" check 2>&1 || true)
if ! grep -q "keine Konfigurationsdatei angegeben" <<<"$german"; then
    echo "installed package: tracetool does not speak German: $german" >&2
    exit 1
fi
for tool in tracetool stacksize-host; do
    if ! MANPATH="$work/root/usr/share/man" man -P cat "$tool" 2>&1 | grep -qE "^ *$tool +- "; then
        echo "installed package: no manual page for $tool" >&2
        exit 1
    fi
done
echo "installed package: consumer built and run, tracetool runs, translated, manual pages found"
