# The libFuzzer targets as the fuzzing scripts see them (sourced by run_short.sh and campaign.sh; the build's
# list is fuzz/targets.cmake): each target, its dictionary, the seeds beyond its corpus, the sanitizer
# settings of every run and what in a run's output is a finding.
fuzz_targets=(insert_xml_data override_file calculation_method tool_input slot_calls)
declare -A fuzz_dictionaries=([insert_xml_data]=json.dict [override_file]=ini.dict [calculation_method]=xml.dict
  [tool_input]=json.dict)

# The dictionary option of `target`, where it has a dictionary (source_dir: the project's folder).
fuzz_dictionary() {
  [[ -n ${fuzz_dictionaries[$1]:-} ]] && echo "-dict=$source_dir/fuzz/${fuzz_dictionaries[$1]}"
  return 0
}

# The seed folders of `target` in BUILD beyond fuzz/corpus/<target>: the stored-form vectors' inputs.
fuzz_seeds() {
  [[ $1 == insert_xml_data ]] && echo "$2/fuzz_vector_seeds"
  return 0
}

# Targets whose committed corpus keeps every edge but not the hit-count features (see campaign.sh): an input of
# the tool's target costs some 5 ms under AddressSanitizer, and the test command replays and loads each.
declare -A fuzz_edges_only=([tool_input]=1)

# Targets that start no Qt application. Their runs keep the sanitizers' fast unwinder at every allocation where
# the caller asked for the slow one (the test command's fast_unwind_on_malloc=0, so that the suppression of Qt's
# platform plugin finds the plugin in an allocation's stack): they have no plugin, and the slow unwinder makes
# them five times slower.
declare -A fuzz_without_application=([override_file]=1 [calculation_method]=1 [tool_input]=1)

# Runs the libFuzzer program of `target` in BUILD with the arguments that follow, under its LeakSanitizer
# settings.
fuzz_run() {
  local target=$1 build=$2 options=${LSAN_OPTIONS:-}
  shift 2
  [[ -n ${fuzz_without_application[$target]:-} ]] && options+="${options:+:}fast_unwind_on_malloc=1"
  LSAN_OPTIONS=$options "$build/fuzz/${target}_fuzzer" "$@"
}

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
fuzz_finding='ERROR: (libFuzzer|AddressSanitizer|LeakSanitizer)|runtime error:|fuzz check failed'
