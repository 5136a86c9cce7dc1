#!/usr/bin/env bash
# Installs the Debian 12 packages Corvid builds with, only those missing.
# Usage: install-deps.sh [extra package...]
set -euo pipefail

# Qt 6 builds the desktop program and its offscreen tests, and translates
# its standard dialogs (qt6-translations-l10n); Liberation Serif stands in
# for the list font "Times New Roman" with the same metrics; WenQuanYi Micro
# Hei gives the Chinese revision history documents their characters when the
# build typesets them. The Debian package is made and checked with dpkg-dev
# (dpkg-shlibdeps), help2man (man pages), librsvg2-bin (the icon's sizes),
# lintian, desktop-file-utils and appstream.
packages=(cmake ninja-build g++ pkg-config googletest libgtest-dev libbenchmark-dev
          nlohmann-json3-dev libcli11-dev qt6-base-dev qt6-tools-dev qt6-l10n-tools
          qt6-translations-l10n libgl-dev fonts-liberation fonts-wqy-microhei
          dpkg-dev file help2man librsvg2-bin lintian desktop-file-utils appstream "$@")

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y --no-install-recommends "${missing[@]}"
fi
