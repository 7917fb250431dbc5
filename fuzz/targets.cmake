# The fuzz targets (fuzz/<name>_fuzzer.cpp, corpus fuzz/corpus/<name>/) and the seeds taken from the
# stored-form reference vectors, shared by the libFuzzer build and the replay tests.
set(TRV_FUZZ_TARGETS insert_xml_data override_file calculation_method tool_input slot_calls)
set(TRV_FUZZ_LIBRARIES trv_control_param_core trv_host)

# The libraries a target links: the library core, or for tool_input the tool's own input checks.
function(trv_fuzz_libraries target out)
  if(target STREQUAL "tool_input")
    set(${out} ctrlparam_checks PARENT_SCOPE)
  else()
    set(${out} ${TRV_FUZZ_LIBRARIES} PARENT_SCOPE)
  endif()
endfunction()

# Every input of the stored-form reference vectors, as seeds of the insert_xml_data target.
set(TRV_WIRE_VECTORS ${PROJECT_SOURCE_DIR}/tests/data/wire/vectors.json CACHE FILEPATH
  "Reference vectors of the stored form, the fuzz seeds")
set(TRV_FUZZ_VECTOR_SEEDS ${PROJECT_BINARY_DIR}/fuzz_vector_seeds)
if(NOT TARGET trv_fuzz_vector_seeds)
add_custom_command(OUTPUT ${TRV_FUZZ_VECTOR_SEEDS}/.stamp
  COMMAND ${CMAKE_COMMAND} -DVECTORS=${TRV_WIRE_VECTORS} -DCORPUS=${TRV_FUZZ_VECTOR_SEEDS}
          -P ${PROJECT_SOURCE_DIR}/fuzz/extract_seeds.cmake
  DEPENDS ${TRV_WIRE_VECTORS} ${PROJECT_SOURCE_DIR}/fuzz/extract_seeds.cmake
  COMMENT "Extracting fuzz seeds from the stored-form vectors")
add_custom_target(trv_fuzz_vector_seeds DEPENDS ${TRV_FUZZ_VECTOR_SEEDS}/.stamp)
endif()

# What a program of a target links: the objects of its source, compiled once for both its libFuzzer program
# and its replay test, and its libraries (an object library passes on its compile settings, not its links).
function(trv_fuzz_links target out)
  set(objects ${target}_fuzz_objects)
  trv_fuzz_libraries(${target} libraries)
  if(NOT TARGET ${objects})
    add_library(${objects} OBJECT ${PROJECT_SOURCE_DIR}/fuzz/${target}_fuzzer.cpp)
    target_link_libraries(${objects} PRIVATE ${libraries})
    add_dependencies(${objects} trv_fuzz_vector_seeds)
    if(TRV_BUILD_FUZZERS)
      target_compile_options(${objects} PRIVATE -fsanitize=fuzzer-no-link)
    endif()
  endif()
  set(${out} ${objects} ${libraries} PARENT_SCOPE)
endfunction()

# The corpus folders of a target: its own, and for insert_xml_data the vector seeds.
function(trv_fuzz_corpora target out)
  set(corpora ${PROJECT_SOURCE_DIR}/fuzz/corpus/${target})
  if(target STREQUAL "insert_xml_data")
    list(APPEND corpora ${TRV_FUZZ_VECTOR_SEEDS})
  endif()
  set(${out} ${corpora} PARENT_SCOPE)
endfunction()
