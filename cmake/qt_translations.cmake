# Qt translations of the texts the library, the host stand-ins and the tool show themselves (the option labels
# are gettext's, translation/po). Each <name>_<language>.ts is compiled at build time into
# <build>/share/locale/<language>/LC_MESSAGES/<name>_<language>.qm, beside the message catalogues, and
# installed under the same relative path. The .ts files are brought up to date with lupdate by
# scripts/update-translations.sh, never by the build.
find_package(Qt5LinguistTools REQUIRED)

# trv_add_qt_translations(TARGET TS...): the target that makes the .qm files of the .ts files.
function(trv_add_qt_translations target)
  set(qmFiles)
  foreach(ts IN LISTS ARGN)
    get_filename_component(name ${ts} NAME_WE)
    string(REGEX MATCH "[^_]+$" language ${name})
    set(folder ${TRV_DATA_BUILD_DIR}/locale/${language}/LC_MESSAGES)
    set_source_files_properties(${ts} PROPERTIES OUTPUT_LOCATION ${folder})
    qt5_add_translation(qm ${ts} OPTIONS -silent)
    list(APPEND qmFiles ${qm})
    install(FILES ${qm} DESTINATION ${CMAKE_INSTALL_DATADIR}/locale/${language}/LC_MESSAGES)
  endforeach()
  add_custom_target(${target} ALL DEPENDS ${qmFiles})
endfunction()
