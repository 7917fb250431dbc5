# Install rules and the CMake package: a host does find_package(trv_control_param_table CONFIG) and links
# trv::control_param_table.
include(CMakePackageConfigHelpers)

set_target_properties(trv_control_param_table PROPERTIES EXPORT_NAME control_param_table)
set_target_properties(trv_host PROPERTIES EXPORT_NAME host)

install(TARGETS trv_control_param_table trv_host EXPORT trv_control_param_tableTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(TARGETS ctrlparam RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Public headers keep their source-tree paths, so includes read the same in the tree and installed. Only what
# a host compiles against is installed: the facade and the headers it includes, the codec's exported
# exceptions and theirs, the host interfaces the library implements with what they include in turn, and the
# translator a host's configure_xlator sets up (its Impl is part of the library's ABI: a change of its layout
# needs a new SOVERSION).
set(TRV_PUBLIC_HEADERS
  lib/properties/control_param/src/Data.h
  lib/properties/control_param/vocabulary/ProgrammTypes.h
  lib/properties/control_param/vocabulary/export.h
  lib/properties/control_param/schema/BRAX_Control_Properties.h
  lib/properties/control_param/schema/enumeration.h
  lib/properties/control_param/schema/reflection.h
  serialization/errors.h
  container/model/ObjectKey.h
  translation/Xlator.h
  translation/CatalogueGenerator.h)
file(GLOB TRV_HOST_HEADERS RELATIVE ${PROJECT_SOURCE_DIR} CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/host/*/*.h)
foreach(header IN LISTS TRV_PUBLIC_HEADERS TRV_HOST_HEADERS)
  get_filename_component(dir ${header} DIRECTORY)
  install(FILES ${header} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/trv_control_param_table/${dir})
endforeach()

install(EXPORT trv_control_param_tableTargets NAMESPACE trv::
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/trv_control_param_table)
configure_package_config_file(cmake/trv_control_param_tableConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/trv_control_param_tableConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/trv_control_param_table
  PATH_VARS CMAKE_INSTALL_DATADIR)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/trv_control_param_tableConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES
  ${CMAKE_CURRENT_BINARY_DIR}/trv_control_param_tableConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/trv_control_param_tableConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/trv_control_param_table)
