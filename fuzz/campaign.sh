#!/bin/bash
# The long fuzzing campaign, outside the test command: each libFuzzer target runs on every core (-jobs and
# -workers) for a run budget, starting from its committed corpus; the grown corpus is then minimised into it
# (-merge=1: only inputs that add coverage), so that the test command's corpus replay carries the coverage on.
# Prints per target the executions, the time, the corpus size and libFuzzer's final cov/ft figures; exits
# non-zero on any finding (the inputs are kept as BUILD_DIR/fuzz/<target>-crash-* and the like).
#   fuzz/campaign.sh BUILD_DIR RUNS-PER-JOB [TARGET...]      (BUILD_DIR as for run_short.sh)
set -euo pipefail
build=${1:?usage: campaign.sh BUILD_DIR RUNS-PER-JOB [TARGET...]}
runs=${2:?usage: campaign.sh BUILD_DIR RUNS-PER-JOB [TARGET...]}
shift 2
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
targets=("$@")
((${#targets[@]})) || targets=(insert_xml_data override_file calculation_method)
declare -A dictionaries=([insert_xml_data]=json.dict [override_file]=ini.dict [calculation_method]=xml.dict)
jobs=$(nproc)
bash "$source_dir/fuzz/run_short.sh" "$build" 1 >/dev/null  # builds the targets (and checks them briefly)

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
found=0
for target in "${targets[@]}"; do
  fuzzer="$build/fuzz/${target}_fuzzer"
  work=$(mktemp -d)
  cp -r "$source_dir/fuzz/corpus/$target" "$work/grown"
  seeds=()
  [[ $target == insert_xml_data ]] && seeds=("$build/fuzz_vector_seeds")
  start=$(date +%s)
  (cd "$work" && "$fuzzer" -jobs="$jobs" -workers="$jobs" -runs="$runs" -timeout=10 -rss_limit_mb=2048 \
    -dict="$source_dir/fuzz/${dictionaries[$target]}" -artifact_prefix="$build/fuzz/$target-" \
    -print_final_stats=1 grown "${seeds[@]}" >/dev/null 2>&1) || true
  seconds=$(($(date +%s) - start))
  executions=$(cat "$work"/fuzz-*.log | sed -n 's/^stat::number_of_executed_units: *//p' | paste -sd+ | bc)
  figures=$(grep -h -E '^#[0-9]+[[:space:]]+DONE' "$work"/fuzz-*.log | sed -E 's/.*(cov: [0-9]+ ft: [0-9]+).*/\1/' |
    sort -t: -k2 -n | tail -1 || true)
  if grep -qE 'ERROR: (libFuzzer|AddressSanitizer|LeakSanitizer)|runtime error:|fuzz check failed' "$work"/fuzz-*.log; then
    echo "!! $target: a finding; see $work/fuzz-*.log"
    found=1
    continue
  fi
  # Only inputs that add coverage join the committed corpus; its named inputs stay as they are.
  "$fuzzer" -merge=1 "$source_dir/fuzz/corpus/$target" "$work/grown" >/dev/null 2>&1
  size=$(du -sk "$source_dir/fuzz/corpus/$target" | cut -f1)
  files=$(find "$source_dir/fuzz/corpus/$target" -type f | wc -l)
  echo "$target: $executions executions in ${seconds}s on $jobs cores, $figures, corpus $files files ${size} KiB"
  rm -rf "$work"
done
exit $found
