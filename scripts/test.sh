#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer, runs every test, then runs each fuzz target
# briefly as a smoke test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh clang libclang-rt-14-dev

cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug \
      -DCORVID_SANITIZE=ON -DCORVID_WERROR=ON -DCORVID_BUILD_BENCH=ON
cmake --build build-test
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-test --output-on-failure -j"$(nproc)" --timeout 300

bash scripts/fuzz-smoke.sh "${CORVID_FUZZ_RUNS:-15000}"
