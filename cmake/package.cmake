# Debian packages made by CPack (cpack -G DEB in the build folder):
#   libstacksizeview      the libraries, the tools, translations and examples
#   libstacksizeview-dev  the headers and the CMake package
# Their dependencies on system libraries come from the binaries
# (dpkg-shlibdeps).  Configure with -DCMAKE_INSTALL_PREFIX=/usr for Debian's
# file layout; scripts/package.sh does.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME libstacksizeview)
set(CPACK_PACKAGE_VENDOR "StackSizeView")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Stack-size viewer plug-in and trace layer of a test workbench")
set(CPACK_PACKAGE_DESCRIPTION
    "A Qt 6 library loaded by a test workbench: a viewer of stack-size reports, and the trace layer of its sequence-diagram viewer (trace configurations, reader, writer, time formatting), with the command-line tools tracetool and stacksize-host.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "StackSizeView maintainers <maintainers@stacksizeview.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL runtime dev)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME libstacksizeview)
set(CPACK_DEBIAN_DEV_PACKAGE_NAME libstacksizeview-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
# The development package: the runtime of the same version, and Qt's
# development files that the CMake package finds.
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS
    "libstacksizeview (= ${PROJECT_VERSION}), qt6-base-dev, qt6-5compat-dev")
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_COMPONENT_DEV_DESCRIPTION "Headers and CMake package of libstacksizeview.")
include(CPack)
