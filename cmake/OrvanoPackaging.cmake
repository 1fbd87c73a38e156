# Debian packages: `cpack -G DEB` in the build folder makes
#   orvano      the libraries, the programs, the shipped catalog and the README
#   orvano-dev  headers, the CMake package, pkg-config, the Qt Designer plugin
# Configure with -DCMAKE_INSTALL_PREFIX=/usr for packages: the libraries then land in Debian's
# multiarch folder and the compiled-in data folder is the packaged one. The runtime
# dependencies come from dpkg-shlibdeps (dpkg-dev).
if(NOT PROJECT_IS_TOP_LEVEL)
  return()
endif()

set(CPACK_PACKAGE_NAME orvano)
set(CPACK_PACKAGE_VENDOR "Orvano")
set(CPACK_PACKAGE_CONTACT "Orvano developers <orvano@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_RESOURCE_FILE_README ${PROJECT_SOURCE_DIR}/README.md)
set(CPACK_STRIP_FILES OFF)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL Runtime Development)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
# dpkg-shlibdeps runs in each package's staging folder; our own libraries lie in the runtime
# package's, which the programs and the Designer plugin need.
string(REGEX REPLACE "^/" "" _staged_libdir "${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${_staged_libdir} ../Runtime/${_staged_libdir})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME orvano)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME orvano-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
# find_package(Orvano) looks for Qt 6 for the Qt targets, and the headers include Qt's.
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS
    "orvano (= ${PROJECT_VERSION}), qt6-base-dev (>= 6.4)")
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION
    "Label sheet controls and data classes: libraries, demo, catalog tool, shipped catalog")
set(CPACK_COMPONENT_DEVELOPMENT_DESCRIPTION
    "Label sheet controls and data classes: headers, CMake package, Qt Designer plugin")

include(CPack)
