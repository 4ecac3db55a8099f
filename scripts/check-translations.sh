#!/usr/bin/env bash
# scripts/check-translations.sh [BUILD_DIR]: checks that the translation
# sources are current and complete.  lupdate, run on the sources into copies
# of translations/*.ts, must change nothing and report no text it cannot
# extract; no entry may be unfinished, vanished or obsolete, or translated by
# nothing.  After a change of texts: cmake --build BUILD_DIR --target
# update_translations, then translate what it marks unfinished.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
cmake -S "$root" -B "$build" -G Ninja >/dev/null
copies="$build/translations/check"
mkdir -p "$copies"
cp "$root"/translations/*.ts "$copies/"
log=$(cmake --build "$build" --target ssv_translations_check_lupdate 2>&1) || { echo "$log" >&2; exit 1; }
status=0
# lupdate names the place of a text it cannot extract as FILE:LINE: ...
if grep -E '^/.*:[0-9]+: ' <<<"$log" >&2; then
    echo "lupdate cannot extract the texts above" >&2
    status=1
fi
for ts in "$root"/translations/*.ts; do
    name=$(basename "$ts")
    if ! diff -u "$ts" "$copies/$name" >&2; then
        echo "$name is not current: update it (target update_translations) and translate" >&2
        status=1
    fi
    if grep -nE 'type="(unfinished|vanished|obsolete)"|<(translation|numerusform)></(translation|numerusform)>|<(translation|numerusform)/>' \
        "$ts" >&2; then
        echo "$name: the entries above are not translated" >&2
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "translations: current and complete ($(ls "$root"/translations/*.ts | wc -l) languages)"
exit "$status"
