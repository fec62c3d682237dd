#!/usr/bin/env bash
# Every test: the normal build, then the same tests built with AddressSanitizer and
# UndefinedBehaviorSanitizer. Each run starts and stops its own PostgreSQL cluster.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=${JOBS:-$(nproc)}

cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j 1

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUV_SANITIZE=ON -DQUV_BUILD_BENCH=OFF \
    -DQUV_TEST_PG_PORT=55433 >/dev/null
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan --output-on-failure -j 1
