#!/usr/bin/env bash
# Makes docs/screenshot.png: the main window under Xvfb with files of all
# three fieldbuses open and one page shown.
# Usage: screenshot.sh [--kind N --section NAME] CANOPEN.eds DEVICENET.eds ETHERNETIP.eds
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh xvfb xauth
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVID_BUILD_TESTS=OFF >/dev/null
cmake --build build-release --target corvid-screenshot corvid_data
mkdir -p docs
xvfb-run -a -s "-screen 0 1280x800x24" \
    build-release/bin/corvid-screenshot --out docs/screenshot.png "$@"
echo "Written: docs/screenshot.png"
