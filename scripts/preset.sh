# Sourced by the build scripts, with $root set to the source tree.
# ssv_use_build ARGUMENT sets $preset and $build from ARGUMENT: the name of
# a configure preset of CMakePresets.json, built in its folder (build for
# default, build-NAME for the others), or a build folder, configured with
# the default preset (and the options the caller adds).
ssv_use_build() {
    if (cd "$root" && cmake --list-presets=configure) | grep -q "^  \"$1\""; then
        preset=$1
        if [ "$preset" = default ]; then build=$root/build; else build=$root/build-$preset; fi
    else
        preset=default
        build=$1
    fi
}
