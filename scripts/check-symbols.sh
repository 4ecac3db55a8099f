#!/usr/bin/env bash
# scripts/check-symbols.sh BUILD_DIR [--update]: checks the API that the
# installed libraries export.  BUILD_DIR (a build without sanitizers) is
# installed into a temporary prefix; the dynamic symbols each library
# defines (nm -D --defined-only, demangled, sorted) must
#   - belong to a class or function that an installed header marks with an
#     export macro: none may come from an internal header (*_p.h), a source
#     file or an anonymous namespace;
#   - equal the committed list api/LIBRARY.symbols, so that every change of
#     the public surface shows in review.
# --update rewrites the lists after an intended change of the API.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:?usage: scripts/check-symbols.sh BUILD_DIR [--update]}
update=${2:-}
if [ -n "$update" ] && [ "$update" != --update ]; then
    echo "usage: scripts/check-symbols.sh BUILD_DIR [--update]" >&2
    exit 2
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/prefix" >/dev/null
headers=$work/prefix/include/stacksizeview

# The names the installed headers export: classes declared
# "class MACRO Name" and functions declared "MACRO type name(...)".
{
    grep -rhoE '(class|struct) [A-Z]+_EXPORT [A-Za-z_][A-Za-z0-9_]*' "$headers" | awk '{print $3}'
    grep -rhoE '[A-Z]+_EXPORT [^;{(]*\(' "$headers" | grep -vE '^[A-Z]+_EXPORT (class|struct) ' |
        sed -E 's/\($//; s/.*[ *&]//'
} | LC_ALL=C sort -u >"$work/exported-names"

# The class or function a demangled symbol belongs to: "vtable for A" and
# "A::f(int) const" belong to A, "f(int)" to f.
owner_of() {
    sed -E 's/^(vtable|VTT|typeinfo name|typeinfo|construction vtable|guard variable) for //;
            s/^(non-virtual |virtual |covariant return )?thunk to //;
            s/\(.*//; s/::.*//; /^operator/!s/<.*//'
}

# Where a name is declared among the sources, to say why it may not be exported.
declared_in() {
    (cd "$root" && git grep -lE "(class|struct|enum|namespace) $1\b|[ *&]$1\(" -- '*.h' '*.cpp' | xargs)
}

status=0
for library in stacksizeview hostsdk; do
    file=$(find "$work/prefix" -name "lib$library.so" | head -n 1)
    # The linker's own markers of the data segment are in every library.
    nm -DC --defined-only --format=just-symbols "$file" | grep -vxE '_edata|_end|__bss_start' |
        LC_ALL=C sort -u >"$work/$library.symbols"
    while IFS= read -r symbol; do
        if [[ $symbol == *"(anonymous namespace)"* ]]; then
            echo "lib$library: exported from an anonymous namespace: $symbol" >&2
            status=1
            continue
        fi
        owner=$(owner_of <<<"$symbol")
        if ! grep -qxF -- "$owner" "$work/exported-names"; then
            echo "lib$library: exported, but $owner is not exported by an installed header" \
                "(declared in $(declared_in "$owner")): $symbol" >&2
            status=1
        fi
    done <"$work/$library.symbols"

    list=$root/api/$library.symbols
    {
        echo "# The API that lib$library.so exports: its dynamic symbols, demangled and sorted."
        echo "# A change here is a change of the public API.  Regenerate: scripts/check-symbols.sh BUILD_DIR --update"
        cat "$work/$library.symbols"
    } >"$work/$library.list"
    if [ -n "$update" ]; then
        mkdir -p "$root/api"
        cp "$work/$library.list" "$list"
        echo "lib$library: $(wc -l <"$work/$library.symbols") symbols written to api/$library.symbols"
    elif ! diff -u "$list" "$work/$library.list" >&2; then
        echo "lib$library: the exported API differs from api/$library.symbols (above);" \
            "if the change is intended: scripts/check-symbols.sh BUILD_DIR --update" >&2
        status=1
    else
        echo "lib$library: $(wc -l <"$work/$library.symbols") exported symbols, as in api/$library.symbols"
    fi
done
exit "$status"
