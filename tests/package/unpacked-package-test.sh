#!/usr/bin/env bash
# Packs the build with `cpack -G DEB`, unpacks the package with dpkg-deb -x
# into a temporary folder and runs the programs from there: they must find
# their data, documents and translations in the installed layout, answer
# --version, resave a file as the build tree's corvid-cli does, and write
# nothing into the installed tree.
# Usage: unpacked-package-test.sh BUILD_DIR SAMPLE.eds
set -euo pipefail
build=$(realpath "$1")
sample=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# gzip: this test packs a large debug build and wants it fast; the package
# script keeps the configured xz.
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" \
    -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack"; }
debs=("$work"/out/corvid_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no corvid_<version>_<arch>.deb in $work/out"
deb=${debs[0]}
[[ $(basename "$deb") =~ ^corvid_[0-9.]+_[a-z0-9]+\.deb$ ]] || fail "package name $(basename "$deb")"
dpkg-deb -f "$deb" Depends | grep -q libc6 || fail "no dependencies from dpkg-shlibdeps"

root=$work/root
dpkg-deb -x "$deb" "$root"
share=$root/usr/share
for file in usr/bin/corvid usr/bin/corvid-cli usr/bin/corvid-drive-sim \
    usr/share/corvid/DataType.ini usr/share/corvid/ObjectType.ini usr/share/corvid/CANopen \
    usr/share/corvid/Corvid-Enu.html usr/share/corvid/Corvid-Chs.html usr/share/corvid/Corvid-Cht.html \
    usr/share/corvid/EDS_Revision_History_ENG.pdf usr/share/corvid/EDS_Revision_History_CHS.pdf \
    usr/share/corvid/EDS_Revision_History_CHT.pdf usr/share/corvid/EDS_Revision_History_ENG.md \
    usr/share/corvid/corvid_zh_CN.qm usr/share/corvid/corvid_zh_TW.qm \
    usr/share/applications/corvid.desktop usr/share/mime/packages/corvid-eds.xml \
    usr/share/icons/hicolor/scalable/apps/corvid.svg usr/share/icons/hicolor/256x256/apps/corvid.png \
    usr/share/icons/hicolor/16x16/apps/corvid.png usr/share/man/man1/corvid.1.gz \
    usr/share/man/man1/corvid-cli.1.gz usr/share/bash-completion/completions/corvid-cli \
    usr/share/doc/corvid/copyright usr/share/doc/corvid/changelog.gz; do
    [ -e "$root/$file" ] || fail "$file is not in the package"
done
[ -n "$(ls "$share"/metainfo/*.metainfo.xml)" ] || fail "no AppStream metainfo"

# The programs as a user runs them: no CORVID_HOME, a home of their own.
export HOME=$work/home
unset CORVID_HOME XDG_CONFIG_HOME
mkdir -p "$HOME"
find "$root" | sort >"$work/before"

"$root/usr/bin/corvid-cli" --version | grep -qx "corvid-cli [0-9.]*" || fail "corvid-cli --version"
"$root/usr/bin/corvid-cli" resave "$sample" "$work/installed.eds" >/dev/null ||
    fail "resave with the installed corvid-cli"
"$build/bin/corvid-cli" resave "$sample" "$work/built.eds" >/dev/null
cmp -s "$work/installed.eds" "$work/built.eds" || fail "the installed corvid-cli resaves differently"
QT_QPA_PLATFORM=offscreen "$root/usr/bin/corvid" --version | grep -q "[0-9]" || fail "corvid --version"

find "$root" | sort >"$work/after"
diff "$work/before" "$work/after" || fail "the programs wrote into the installed tree"

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$share/applications/corvid.desktop" || fail "desktop-file-validate"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$share"/metainfo/*.metainfo.xml >"$work/appstream.log" ||
        { cat "$work/appstream.log"; fail "appstreamcli validate"; }
fi
echo "$(basename "$deb"): $(du -k "$deb" | cut -f1) KiB, unpacked programs ran"
