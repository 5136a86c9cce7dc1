#!/usr/bin/env bash
# Installs what is missing, builds Corvid (Release) and runs it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVID_BUILD_TESTS=OFF
cmake --build build-release

# Until the desktop program exists, show what the command line makes of the
# shipped samples.
bin=build-release/bin
for sample in data/samples/*.eds; do
    "$bin/corvid-cli" kind "$sample"
done
"$bin/corvid-cli" resave data/samples/servo_drive.eds build-release/servo_drive.resaved.eds
echo "Wrote build-release/servo_drive.resaved.eds"
