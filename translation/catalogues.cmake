# Message catalogues: every po/<language>/<domain>.po is compiled with msgfmt into
# <build>/share/locale/<language>/LC_MESSAGES/<domain>.mo and installed under the same relative path.
# Each domain also gets a list of the enumeration contexts it translates
# (share/trv_control_param_table/contexts/<domain>.txt), from which the translator set-up learns which
# choice lists belong to the domain.
find_program(TRV_MSGFMT msgfmt REQUIRED)

# Compiles `po` into `mo` at build time; appends `mo` to the list variable `outputs`.
function(trv_compile_catalogue po mo outputs)
  get_filename_component(dir ${mo} DIRECTORY)
  add_custom_command(OUTPUT ${mo}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${TRV_MSGFMT} --check-format -o ${mo} ${po}
    DEPENDS ${po}
    COMMENT "Compiling message catalogue ${mo}"
    VERBATIM)
  set(${outputs} ${${outputs}} ${mo} PARENT_SCOPE)
endfunction()

file(GLOB TRV_CATALOGUE_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/po/*/*.po)
set(TRV_CATALOGUES)
set(TRV_CONTEXT_FILES)
foreach(po IN LISTS TRV_CATALOGUE_SOURCES)
  get_filename_component(name ${po} NAME)
  string(REGEX REPLACE "\\.po$" "" domain ${name})
  get_filename_component(languageDir ${po} DIRECTORY)
  get_filename_component(language ${languageDir} NAME)
  set(relative locale/${language}/LC_MESSAGES)
  trv_compile_catalogue(${po} ${TRV_DATA_BUILD_DIR}/${relative}/${domain}.mo TRV_CATALOGUES)
  install(FILES ${TRV_DATA_BUILD_DIR}/${relative}/${domain}.mo DESTINATION ${CMAKE_INSTALL_DATADIR}/${relative})

  # The enumeration contexts of the domain (read again whenever the catalogue changes).
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${po})
  file(STRINGS ${po} contextLines REGEX "^msgctxt \"trv\\.control_param\\.[A-Za-z0-9_]+\"$")
  list(TRANSFORM contextLines REPLACE "^msgctxt \"(.*)\"$" "\\1")
  list(FILTER contextLines EXCLUDE REGEX "_Control_Properties")
  list(APPEND TRV_CONTEXTS_${domain} ${contextLines})
  list(APPEND TRV_DOMAINS ${domain})
endforeach()
list(REMOVE_DUPLICATES TRV_DOMAINS)
foreach(domain IN LISTS TRV_DOMAINS)
  list(REMOVE_DUPLICATES TRV_CONTEXTS_${domain})
  list(SORT TRV_CONTEXTS_${domain})
  list(JOIN TRV_CONTEXTS_${domain} "\n" text)
  set(file ${TRV_DATA_BUILD_DIR}/trv_control_param_table/contexts/${domain}.txt)
  file(CONFIGURE OUTPUT ${file} CONTENT "${text}\n" @ONLY)
  install(FILES ${file} DESTINATION ${CMAKE_INSTALL_DATADIR}/trv_control_param_table/contexts)
endforeach()
add_custom_target(trv_catalogues ALL DEPENDS ${TRV_CATALOGUES})
