#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those that are missing.
set -euo pipefail

# clang and libclang-rt-14-dev (libFuzzer, clang's sanitizer runtimes) serve
# the fuzz build; clang-format the format check; dpkg-dev the Debian packages.
# qt6-svg-dev, libpng-dev and fonts-dejavu-core serve the sequence-diagram
# renderer; plantuml and graphviz draw the exported diagrams
# (scripts/check-diagrams.sh and the test of hostile names), chromium the
# Mermaid ones (scripts/check-mermaid.sh, with node and npm from the
# machine); qt6-tools-dev (Qt6LinguistTools for CMake) and qt6-l10n-tools
# (lupdate, lrelease) the translations; zlib1g-dev the test that decodes the
# viewer page's data; chromium, chromium-driver and python3-selenium the
# browser test and benchmark of the viewer page; help2man the tools' manual
# pages; debhelper builds the Debian packages and lintian checks them.
packages=(cmake ninja-build g++ perl qt6-base-dev qt6-5compat-dev qt6-svg-dev libpng-dev fonts-dejavu-core libgl-dev
    libgtest-dev libbenchmark-dev clang libclang-rt-14-dev clang-format dpkg-dev plantuml graphviz
    qt6-tools-dev qt6-l10n-tools zlib1g-dev chromium chromium-driver python3-selenium help2man debhelper lintian)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
