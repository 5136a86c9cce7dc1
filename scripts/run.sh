#!/usr/bin/env bash
# Installs what is missing, builds Corvid (Release) and runs it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVID_BUILD_TESTS=OFF
cmake --build build-release

# Until the desktop program exists, show what the command line makes of the
# shipped samples: open them as File Open would, then save each in Corvid's
# layout beside the build.
bin=build-release/bin
"$bin/corvid-cli" open data/samples/*.eds
mkdir -p build-release/resaved
for sample in data/samples/*.eds; do
    "$bin/corvid-cli" resave "$sample" "build-release/resaved/$(basename "$sample")"
done
echo "Saved in Corvid's layout: build-release/resaved/"
