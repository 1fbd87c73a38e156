# What `cmake --install` puts where (relative to the prefix):
#   lib/             the four libraries (lib/<multiarch>/ under /usr), cmake/Orvano/, pkgconfig/
#   include/orvano/  the public headers only (cmake/OrvanoPublicHeaders.cmake)
#   bin/             orvano-demo, orvano-catalog (with the apps)
#   share/orvano/    the shipped catalog ovAdrKit.def
#   share/doc/orvano the README
# Components: Runtime (libraries, programs, catalog, README) and Development (headers, the
# CMake package, the pkg-config file, the Designer plugin), one Debian package each.
include(CMakePackageConfigHelpers)

if(NOT ORVANO_LIBDIR_IS_SYSTEM)
  file(RELATIVE_PATH _bin_to_lib ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR})
  set(ORVANO_PROGRAM_RPATH "$ORIGIN/${_bin_to_lib}")
else()
  set(ORVANO_PROGRAM_RPATH "")
endif()

function(orvano_install_library_set export_name)
  install(TARGETS ${ARGN} EXPORT ${export_name}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Runtime
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Runtime
            NAMELINK_COMPONENT Development
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Development
    FILE_SET HEADERS DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT Development
    INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
  install(EXPORT ${export_name}
    NAMESPACE Orvano::
    DESTINATION ${ORVANO_INSTALL_CMAKEDIR}
    COMPONENT Development)
endfunction()

# Two export sets, so an application that wants only the toolkit-free core needs no Qt.
orvano_install_library_set(OrvanoCoreTargets OrvanoCore OrvanoHeadless)
if(TARGET OrvanoWidgets)
  orvano_install_library_set(OrvanoQtTargets OrvanoWidgets OrvanoPrint)
endif()

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/OrvanoConfig.cmake.in
  ${PROJECT_BINARY_DIR}/OrvanoConfig.cmake
  INSTALL_DESTINATION ${ORVANO_INSTALL_CMAKEDIR}
  PATH_VARS ORVANO_INSTALL_DATADIR)
# Before 1.0 a new minor version may break what compiled against the last one.
write_basic_package_version_file(${PROJECT_BINARY_DIR}/OrvanoConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/OrvanoConfig.cmake ${PROJECT_BINARY_DIR}/OrvanoConfigVersion.cmake
  DESTINATION ${ORVANO_INSTALL_CMAKEDIR} COMPONENT Development)

# pkg-config, for builds without CMake; relocatable through ${pcfiledir}.
file(RELATIVE_PATH ORVANO_PC_TO_PREFIX ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig ${CMAKE_INSTALL_PREFIX})
string(REGEX REPLACE "/$" "" ORVANO_PC_TO_PREFIX "${ORVANO_PC_TO_PREFIX}")
if(ORVANO_LIBRARY_TYPE STREQUAL "STATIC")
  set(ORVANO_PC_CFLAGS " -DORVANO_CORE_STATIC_DEFINE")
else()
  set(ORVANO_PC_CFLAGS "")
endif()
configure_file(${PROJECT_SOURCE_DIR}/cmake/orvano-core.pc.in ${PROJECT_BINARY_DIR}/orvano-core.pc
  @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/orvano-core.pc
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT Development)

if(ORVANO_BUILD_APPS)
  foreach(app IN ITEMS orvano-demo orvano-catalog)
    if(TARGET ${app})
      set_target_properties(${app} PROPERTIES INSTALL_RPATH "${ORVANO_PROGRAM_RPATH}")
      install(TARGETS ${app} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Runtime)
    endif()
  endforeach()
endif()

if(TARGET orvano_shipped_catalog)
  # OPTIONAL: without glabels-data the build has no catalog to ship, and says so.
  install(FILES ${ORVANO_CATALOG_OUTPUT_DIR}/ovAdrKit.def
    DESTINATION ${ORVANO_INSTALL_DATADIR} COMPONENT Runtime OPTIONAL)
endif()

install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${ORVANO_INSTALL_DOCDIR}
  COMPONENT Runtime)
