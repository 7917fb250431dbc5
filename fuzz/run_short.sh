#!/bin/bash
# Configures and builds the libFuzzer targets with clang in BUILD_DIR and fuzzes each for a short time
# (default 15 seconds), starting with every input of its corpora. Exits non-zero on any finding: a crash,
# a failed check, a sanitizer report, a leak, a timeout or running out of memory.
#   fuzz/run_short.sh BUILD_DIR [SECONDS]
set -euo pipefail
build=${1:?usage: run_short.sh BUILD_DIR [SECONDS]}
seconds=${2:-15}
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$source_dir/fuzz/targets.sh"

# A build folder configured already (for example the sanitizer build of the test command, which has the
# fuzz targets on) is used as it is; otherwise a fuzz-only build is configured.
if [[ ! -f "$build/CMakeCache.txt" ]]; then
  cmake -S "$source_dir" -B "$build" -G Ninja \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" \
    -DTRV_BUILD_FUZZERS=ON -DTRV_SANITIZE=ON -DTRV_BUILD_TESTS=OFF -DTRV_BUILD_BENCHMARKS=OFF >/dev/null
fi
cmake --build "$build" --target "${fuzz_targets[@]/%/_fuzzer}" -- -j2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=()

# Runs the fuzzer with its arguments, its output in a log; fails on a non-zero exit and on any report in
# the log, whatever the exit status says.
run() {
  local target=$1 log=$2
  shift 2
  local status=0
  fuzz_run "$target" "$build" "$@" >"$log" 2>&1 || status=$?
  grep -E '^(#[0-9]+ +DONE|Done [0-9]+ runs|stat::)' "$log" || true
  if ((status != 0)) || grep -qE "$fuzz_finding" "$log"; then
    echo "!! $target failed (exit status $status); the end of its output:"
    tail -60 "$log"
    return 1
  fi
}

# Replays a target's corpora, then fuzzes it; its report on standard output.
fuzz_target() {
  local target=$1
  local corpora=("$source_dir/fuzz/corpus/$target" $(fuzz_seeds "$target" "$build"))
  local found="$work/$target"
  mkdir -p "$found"
  echo "== $target: the corpora, then fuzzing for ${seconds}s"
  run "$target" "$work/$target.fuzz.log" -timeout=10 -rss_limit_mb=2048 $(fuzz_dictionary "$target") \
    -artifact_prefix="$build/fuzz/$target-" -max_total_time="$seconds" -print_final_stats=1 \
    "$found" "${corpora[@]}"
}

# Each fuzzer is one process on one core: the targets run side by side, as many at a time as there are
# cores, and their reports are printed in the targets' order.
for target in "${fuzz_targets[@]}"; do
  while (($(jobs -rp | wc -l) >= $(nproc))); do wait -n || true; done
  {
    status=0
    fuzz_target "$target" >"$work/$target.report" 2>&1 || status=$?
    echo "$status" >"$work/$target.status"
  } &
done
wait
for target in "${fuzz_targets[@]}"; do
  cat "$work/$target.report"
  (($(cat "$work/$target.status") == 0)) || failed+=("$target")
done

if ((${#failed[@]})); then
  echo "fuzzing found problems in: ${failed[*]} (inputs saved as $build/fuzz/<target>-crash-*, -leak-*, -timeout-*, -oom-*)"
  exit 1
fi
echo "fuzzing: nothing found"
