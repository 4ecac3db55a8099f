# Installs both libraries, their public headers under
# include/stacksizeview/<folder>/ (internal headers end in _p.h),
# and an exported package: find_package(StackSizeView) gives
# StackSizeView::stacksizeview and StackSizeView::hostsdk.
# Component "runtime": the libraries, the tools (installed by their own
# folders), the translations and the examples; component "dev": the
# headers and the CMake package.
include(CMakePackageConfigHelpers)

foreach(dir host ${SSV_SUBSYSTEMS})
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/${dir}/ DESTINATION ${SSV_INCLUDE_DIR}/${dir} COMPONENT dev
            FILES_MATCHING PATTERN "*.h" PATTERN "*_p.h" EXCLUDE)
endforeach()
install(FILES ${SSV_EXPORT_HEADER_DIR}/stacksizeview_export.h ${SSV_EXPORT_HEADER_DIR}/hostsdk_export.h
        DESTINATION ${SSV_INCLUDE_DIR} COMPONENT dev)

install(TARGETS hostsdk stacksizeview EXPORT StackSizeViewTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT dev
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime
        INCLUDES DESTINATION ${SSV_INCLUDE_DIR})
install(EXPORT StackSizeViewTargets NAMESPACE StackSizeView::
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/StackSizeView COMPONENT dev)

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/StackSizeViewConfig.cmake.in
    ${PROJECT_BINARY_DIR}/StackSizeViewConfig.cmake
    INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/StackSizeView)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/StackSizeViewConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/StackSizeViewConfig.cmake
              ${PROJECT_BINARY_DIR}/StackSizeViewConfigVersion.cmake
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/StackSizeView COMPONENT dev)

# The examples, with the documentation of the runtime package.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/libstacksizeview/examples
        COMPONENT runtime)
