#!/bin/bash
# The long fuzzing campaign, outside the test command: each libFuzzer target runs on every core (-jobs and
# -workers) for a budget, starting from its committed corpus; the grown corpus is then minimised (-merge=1,
# see below) and replaces the committed one, so that the test command's corpus replay carries the coverage
# on. Prints per target the executions, the time, the corpus size and libFuzzer's final cov/ft figures;
# exits non-zero on any finding (the inputs are kept as BUILD_DIR/fuzz/<target>-crash-* and the like, the
# logs in the folder named).
#   fuzz/campaign.sh BUILD_DIR BUDGET [TARGET...]      (BUILD_DIR as for run_short.sh)
# BUDGET is the runs of each job (5000000: ten million on two cores) or, ending in "s", the seconds of each
# target (3600s).
set -euo pipefail
build=${1:?usage: campaign.sh BUILD_DIR BUDGET [TARGET...]}
build=$(realpath -m "$build")  # the fuzzers run in a folder of their own
budget=${2:?usage: campaign.sh BUILD_DIR BUDGET [TARGET...]}
shift 2
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$source_dir/fuzz/targets.sh"
targets=("$@")
((${#targets[@]})) || targets=("${fuzz_targets[@]}")
jobs=$(nproc)
limit=(-runs="$budget")
[[ $budget == *s ]] && limit=(-max_total_time="${budget%s}")
bash "$source_dir/fuzz/run_short.sh" "$build" 1 >/dev/null  # builds the targets (and checks them briefly)

found=0
for target in "${targets[@]}"; do
  fuzzer="$build/fuzz/${target}_fuzzer"
  work=$(mktemp -d)
  cp -r "$source_dir/fuzz/corpus/$target" "$work/grown"
  start=$(date +%s)
  # The timeout is wall-clock time: at low priority beside builds a run can wait for the CPU for seconds, so
  # it is a minute here (a run that loops for ever is still caught); the short runs take 10 s.
  (cd "$work" && fuzz_run "$target" "$build" -jobs="$jobs" -workers="$jobs" "${limit[@]}" -timeout=60 \
    -rss_limit_mb=2048 $(fuzz_dictionary "$target") -artifact_prefix="$build/fuzz/$target-" \
    -print_final_stats=1 grown $(fuzz_seeds "$target" "$build") >/dev/null 2>&1) || true
  seconds=$(($(date +%s) - start))
  compgen -G "$work/fuzz-*.log" >/dev/null || { echo "!! $target: the fuzzer did not start ($fuzzer)"; exit 2; }
  executions=$(cat "$work"/fuzz-*.log | sed -n 's/^stat::number_of_executed_units: *//p' | paste -sd+ | bc)
  figures=$(grep -h -E '^#[0-9]+[[:space:]]+DONE' "$work"/fuzz-*.log | sed -E 's/.*(cov: [0-9]+ ft: [0-9]+).*/\1/' |
    sort -t: -k2 -n | tail -1 || true)
  if grep -qE "$fuzz_finding" "$work"/fuzz-*.log; then
    echo "!! $target: a finding; see $work/fuzz-*.log"
    found=1
    continue
  fi
  # The committed corpus becomes the fewest inputs of the grown one that keep its coverage (-merge=1 into an
  # empty folder): every edge from any input (-use_counters=0), then the hit-count features from inputs of at
  # most 8 KiB, which keeps a corpus within 2 MB (not for the targets of fuzz_edges_only). Its named inputs
  # (seeds and regression cases) stay.
  corpus="$source_dir/fuzz/corpus/$target"
  mkdir "$work/minimal" "$work/small"
  fuzz_run "$target" "$build" -merge=1 -use_counters=0 "$work/minimal" "$work/grown" >/dev/null 2>&1
  if [[ -z ${fuzz_edges_only[$target]:-} ]]; then
    find "$work/grown" -type f -size -8193c -exec cp -t "$work/small" {} +
    fuzz_run "$target" "$build" -merge=1 "$work/minimal" "$work/small" >/dev/null 2>&1
  fi
  find "$corpus" -type f -regextype posix-extended -not -regex '.*/[0-9a-f]{40}' -print0 |
    while IFS= read -r -d '' named; do
      rm -f "$work/minimal/$(sha1sum <"$named" | cut -d' ' -f1)"
      cp "$named" "$work/minimal/"
    done
  rm -rf "$corpus"
  mv "$work/minimal" "$corpus"
  size=$(du -sk --apparent-size "$corpus" | cut -f1)
  files=$(find "$corpus" -type f | wc -l)
  echo "$target: $executions executions in ${seconds}s on $jobs cores, $figures, corpus $files files ${size} KiB"
  rm -rf "$work"
done
exit $found
