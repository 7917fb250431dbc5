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

# Public headers keep their source-tree paths, so includes read the same in the tree and installed.
set(TRV_PUBLIC_HEADER_DIRS
  lib/properties/control_param/src
  lib/properties/control_param/schema
  container/model
  serialization
  host/trv_qt host/trv_dbo host/trv_assert host/trv_qt2 host/trv_properties_qt host/trv_logging
  translation)
foreach(dir IN LISTS TRV_PUBLIC_HEADER_DIRS)
  install(DIRECTORY ${dir}/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/trv_control_param_table/${dir}
    FILES_MATCHING PATTERN "*.h")
endforeach()

install(EXPORT trv_control_param_tableTargets NAMESPACE trv::
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/trv_control_param_table)
configure_package_config_file(cmake/trv_control_param_tableConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/trv_control_param_tableConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/trv_control_param_table)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/trv_control_param_tableConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES
  ${CMAKE_CURRENT_BINARY_DIR}/trv_control_param_tableConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/trv_control_param_tableConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/trv_control_param_table)
