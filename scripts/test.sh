#!/usr/bin/env bash
# Builds and runs every test: the unit and tool tests, the same under AddressSanitizer and
# UndefinedBehaviorSanitizer, the fuzz targets (corpus replay and a short run) and a host consumer build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=2

echo "== formatting (.clang-format)"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

echo "== build and test"
# -O1 and line tables only: the tests need no faster code, and this halves the build.
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
  >/dev/null
cmake --build build/test -j"$jobs"
ctest --test-dir build/test -j"$jobs" --output-on-failure

echo "== the same under AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer (clang), with the fuzz targets"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:halt_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/lsan.supp:fast_unwind_on_malloc=0:print_suppressions=0"
# -O0: clang compiles the sanitized code in less than half the time it takes at -O1, and the tests and the
# short fuzz runs (which are timed) lose less than that in speed; the fuzz campaigns build with -O1.
# A unity build (eight sources a unit): the Qt, Boost and test headers are parsed and the shared templates
# compiled once a unit instead of once a source, which halves this build; the g++ build above compiles every
# source on its own, so a missing include still shows there.
cmake -S . -B build/sanitize -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O0 -gline-tables-only" -DTRV_SANITIZE=ON -DTRV_BUILD_FUZZERS=ON \
  -DTRV_TEST_CONSUMER=OFF -DTRV_TESTS_ONE_PROCESS=ON -DCMAKE_UNITY_BUILD=ON >/dev/null
cmake --build build/sanitize -j"$jobs"

echo "== short fuzz runs (libFuzzer)"
bash fuzz/run_short.sh build/sanitize 10

echo "== sanitizer tests"
ctest --test-dir build/sanitize -j"$jobs" --output-on-failure
