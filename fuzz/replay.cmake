# Each fuzz target built with the test compiler and a replay main instead of libFuzzer, and run over its
# corpora as a test; in a sanitizer build the replays run sanitized too.
include(${PROJECT_SOURCE_DIR}/fuzz/targets.cmake)
foreach(target IN LISTS TRV_FUZZ_TARGETS)
  trv_fuzz_links(${target} links)
  add_executable(${target}_replay ${PROJECT_SOURCE_DIR}/fuzz/replay_main.cpp)
  target_link_libraries(${target}_replay PRIVATE ${links})
  trv_fuzz_corpora(${target} corpora)
  add_test(NAME fuzz_replay.${target} COMMAND ${target}_replay ${corpora})
  set_tests_properties(fuzz_replay.${target} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endforeach()
