#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number
# of seconds (default 30). Skips, saying so, when clang is not there.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}

if ! command -v clang++ >/dev/null; then
    echo "fuzz smoke test skipped: clang++ not found"
    exit 0
fi

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCORVID_BUILD_FUZZ=ON -DCORVID_BUILD_TESTS=OFF -DCORVID_BUILD_APP=OFF >/dev/null
cmake --build build-fuzz

corpus_root=build-fuzz/fuzz-corpus
for target in build-fuzz/bin/fuzz_*; do
    name=$(basename "$target")
    mkdir -p "$corpus_root/$name"
    # Seeds: the fuzz folder's own seeds for this target, if any.
    seeds=fuzz/seeds/${name#fuzz_}
    echo "fuzzing $name for ${seconds}s"
    if [ -d "$seeds" ]; then
        "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$corpus_root/$name-" \
            "$corpus_root/$name" "$seeds" >"$corpus_root/$name.log" 2>&1 ||
            { tail -50 "$corpus_root/$name.log"; exit 1; }
    else
        "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$corpus_root/$name-" \
            "$corpus_root/$name" >"$corpus_root/$name.log" 2>&1 ||
            { tail -50 "$corpus_root/$name.log"; exit 1; }
    fi
    tail -1 "$corpus_root/$name.log"
done
echo "fuzz smoke test passed"
