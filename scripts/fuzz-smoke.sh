#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number
# of inputs (default 15000) from a fixed random seed and a fresh corpus, so a
# run gives the same result on every machine: a smoke test that fails in CI
# fails the same way here. Longer, open-ended runs are for finding faults
# (see fuzz/README.md). Skips, saying so, when clang is not there.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15000}

if ! command -v clang++ >/dev/null; then
    echo "fuzz smoke test skipped: clang++ not found"
    exit 0
fi

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCORVID_BUILD_FUZZ=ON -DCORVID_BUILD_TESTS=OFF -DCORVID_BUILD_APP=OFF >/dev/null
cmake --build build-fuzz

corpus_root=build-fuzz/fuzz-corpus
rm -rf "$corpus_root"
for target in build-fuzz/bin/fuzz_*; do
    name=$(basename "$target")
    mkdir -p "$corpus_root/$name"
    # Seeds: the fuzz folder's own seeds for this target, if any.
    inputs=("$corpus_root/$name")
    seeds=fuzz/seeds/${name#fuzz_}
    [ -d "$seeds" ] && inputs+=("$seeds")
    # The check runs over what the readers read.
    if [ "$name" = fuzz_check ]; then
        inputs+=(fuzz/seeds/canopen_reader fuzz/seeds/devicenet_reader fuzz/seeds/ethernetip_reader)
    fi
    echo "fuzzing $name for $runs inputs"
    "$target" -seed=1 -runs="$runs" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$corpus_root/$name-" "${inputs[@]}" >"$corpus_root/$name.log" 2>&1 ||
        { tail -50 "$corpus_root/$name.log"; exit 1; }
    tail -1 "$corpus_root/$name.log"
done
echo "fuzz smoke test passed"
