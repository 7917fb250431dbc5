#!/bin/bash
# Configures and builds the libFuzzer targets with clang in BUILD_DIR, runs each for a short time (default
# 20 seconds) from the seed corpus, then replays the seed corpus once. Exits non-zero on any finding.
#   fuzz/run_short.sh BUILD_DIR [SECONDS]
set -euo pipefail
build=${1:?usage: run_short.sh BUILD_DIR [SECONDS]}
seconds=${2:-20}
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
targets=(insert_xml_data_fuzzer)

cmake -S "$source_dir" -B "$build" -G Ninja \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" \
  -DTRV_BUILD_FUZZERS=ON -DTRV_SANITIZE=ON -DTRV_BUILD_TESTS=OFF -DTRV_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --target "${targets[@]}" -- -j2

export QT_QPA_PLATFORM=offscreen
for target in "${targets[@]}"; do
  binary="$build/fuzz/$target"
  corpus="$build/fuzz/corpus"
  found=$(mktemp -d)
  trap 'rm -rf "$found"' EXIT
  echo "== $target: fuzzing for ${seconds}s"
  "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/fuzz/$target-" "$found" "$corpus" 2>&1 | grep -v "assertion failed: !xml_string" | tail -20
  echo "== $target: replaying the seed corpus"
  "$binary" -runs=0 "$corpus" 2>&1 | grep -v "assertion failed: !xml_string" | tail -3
  rm -rf "$found"
  trap - EXIT
done
