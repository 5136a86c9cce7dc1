#!/usr/bin/env bash
# Installs what is missing, builds Corvid (Release) and starts the desktop
# program with the given EDS files open (the three shipped samples when none
# are given). Without a display it says how to start the program under
# xvfb-run and shows what the command line makes of the files instead.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh xvfb xauth
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVID_BUILD_TESTS=OFF
cmake --build build-release

bin=build-release/bin
if [ $# -gt 0 ]; then
    files=("$@")
else
    files=(data/samples/*.eds)
fi

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$bin/corvid" "${files[@]}"
fi

cat <<TEXT
No display found (neither DISPLAY nor WAYLAND_DISPLAY is set), so the desktop
program cannot show its window here. To start it on a virtual display:

    xvfb-run -a $bin/corvid ${files[*]}

Meanwhile, what the command line makes of the files: they are opened as File
Open would, then each is saved in Corvid's layout beside the build.

TEXT
"$bin/corvid-cli" open "${files[@]}"
mkdir -p build-release/resaved
for file in "${files[@]}"; do
    "$bin/corvid-cli" resave "$file" "build-release/resaved/$(basename "$file")" ||
        echo "(not saved: $file)"
done
echo "Saved in Corvid's layout: build-release/resaved/"
