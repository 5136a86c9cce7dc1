#!/usr/bin/env bash
# Installs what is missing, builds Corvid (Release, with Debian's hardening
# flags) and makes the Debian package build-package/package/corvid_<version>_<arch>.deb,
# then checks it with lintian, desktop-file-validate and appstreamcli.
# Install it with: apt install ./build-package/package/corvid_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
# Debian's own compiler and linker flags (fortify, stack protector, relro,
# bindnow), as a package built by Debian's tools gets them.
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVID_BUILD_TESTS=OFF \
      -DCMAKE_INSTALL_PREFIX=/usr
cmake --build build-package
rm -rf build-package/package
(cd build-package && cpack -G DEB -B "$PWD/package")
deb=$(ls build-package/package/corvid_*.deb)

unpacked=build-package/package/unpacked
dpkg-deb -x "$deb" "$unpacked"
desktop-file-validate "$unpacked"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$unpacked"/usr/share/metainfo/*.metainfo.xml
# Errors fail the script; warnings and notes are shown.
lintian --fail-on error --no-tag-display-limit "$deb" || { echo "lintian found errors"; exit 1; }
echo "Package: $deb ($(du -h "$deb" | cut -f1))"
