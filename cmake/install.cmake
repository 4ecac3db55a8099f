# Installs both libraries, their public headers under
# include/stacksizeview/<folder>/ (internal headers end in _p.h),
# and an exported package: find_package(StackSizeView) gives
# StackSizeView::stacksizeview and StackSizeView::hostsdk.
include(CMakePackageConfigHelpers)

foreach(dir host ${SSV_SUBSYSTEMS})
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/${dir}/ DESTINATION ${SSV_INCLUDE_DIR}/${dir}
            FILES_MATCHING PATTERN "*.h" PATTERN "*_p.h" EXCLUDE)
endforeach()

install(TARGETS hostsdk stacksizeview EXPORT StackSizeViewTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        INCLUDES DESTINATION ${SSV_INCLUDE_DIR})
install(EXPORT StackSizeViewTargets NAMESPACE StackSizeView::
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/StackSizeView)

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/StackSizeViewConfig.cmake.in
    ${PROJECT_BINARY_DIR}/StackSizeViewConfig.cmake
    INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/StackSizeView)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/StackSizeViewConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/StackSizeViewConfig.cmake
              ${PROJECT_BINARY_DIR}/StackSizeViewConfigVersion.cmake
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/StackSizeView)
