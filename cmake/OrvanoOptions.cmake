# What Orvano builds, and how. As the top-level project it builds everything it has and is strict
# about warnings; as a part of another project (add_subdirectory, FetchContent) it builds the
# libraries and the shipped catalog only, and leaves the parent's flags and folders alone.
# A parent may set any of these options as a normal variable before adding Orvano.

set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

if(PROJECT_IS_TOP_LEVEL)
  set(CMAKE_EXPORT_COMPILE_COMMANDS ON)
  if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
    set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "Build type" FORCE)
  endif()
endif()

option(ORVANO_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" ${PROJECT_IS_TOP_LEVEL})
option(ORVANO_BUILD_TESTS "Build the test suite" ${PROJECT_IS_TOP_LEVEL})
option(ORVANO_BUILD_BENCH "Build the benchmarks" OFF)
option(ORVANO_BUILD_FUZZ "Build the libFuzzer targets (needs clang)" OFF)
option(ORVANO_BUILD_APPS "Build the demo and the example applications" ${PROJECT_IS_TOP_LEVEL})
option(ORVANO_BUILD_QT "Build the Qt front end (needs qt6-base-dev)" ON)
option(ORVANO_BUILD_CATALOG "Generate the shipped catalog from glabels-data" ON)
option(ORVANO_INSTALL "Add Orvano's install rules and packaging" ON)

# Shared libraries unless the project says otherwise through the usual BUILD_SHARED_LIBS.
if(PROJECT_IS_TOP_LEVEL)
  option(BUILD_SHARED_LIBS "Build shared libraries" ON)
endif()
if(NOT DEFINED BUILD_SHARED_LIBS OR BUILD_SHARED_LIBS)
  set(ORVANO_LIBRARY_TYPE SHARED)
else()
  set(ORVANO_LIBRARY_TYPE STATIC)
endif()

if(ORVANO_BUILD_QT)
  find_package(Qt6 REQUIRED COMPONENTS Widgets PrintSupport)
endif()

# Qt Designer loads plugins, and a plugin must share the widget classes with the application
# that loads its forms, so the plugin needs the shared libraries and Designer's headers.
set(_designer_default OFF)
if(PROJECT_IS_TOP_LEVEL AND ORVANO_BUILD_QT AND ORVANO_LIBRARY_TYPE STREQUAL "SHARED")
  find_package(Qt6 QUIET COMPONENTS UiPlugin)
  if(Qt6UiPlugin_FOUND)
    set(_designer_default ON)
  else()
    message(STATUS "Qt Designer plugin skipped: Qt6UiPlugin not found (install qt6-tools-dev)")
  endif()
endif()
option(ORVANO_BUILD_DESIGNER_PLUGIN "Build the Qt Designer plugin (needs qt6-tools-dev)"
       ${_designer_default})
if(ORVANO_BUILD_DESIGNER_PLUGIN AND NOT ORVANO_LIBRARY_TYPE STREQUAL "SHARED")
  message(FATAL_ERROR "The Qt Designer plugin needs shared libraries (BUILD_SHARED_LIBS=ON)")
endif()

add_compile_options(-Wall -Wextra)
if(ORVANO_WARNINGS_AS_ERRORS)
  add_compile_options(-Werror)
  # GCC 12 at -O3 (Release) reports string concatenation inside libstdc++ as overlapping copies
  # (GCC bug 105329); there it stays a warning instead of failing the build.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    add_compile_options($<$<CONFIG:Release>:-Wno-error=restrict>)
  endif()
endif()
# A fuzzing build instruments every library, so the fuzzers see coverage inside them.
if(ORVANO_BUILD_FUZZ AND CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# Every object ends up in a shared library; only what the export macros mark leaves it.
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
set(CMAKE_CXX_VISIBILITY_PRESET hidden)
set(CMAKE_VISIBILITY_INLINES_HIDDEN ON)

include(GNUInstallDirs)

# The build's own programs, libraries and plugins in fixed folders, so the programs find the
# shipped catalog beside them. A parent project keeps its own folders.
if(PROJECT_IS_TOP_LEVEL)
  set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)
  set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/lib)
  set(CMAKE_ARCHIVE_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/lib)
endif()

# The shipped catalog is generated into the component's folder: where the programs are built.
# A parent that sets no CMAKE_RUNTIME_OUTPUT_DIRECTORY gets it in Orvano's data folder of the
# build instead, as it would be installed (reachable through XDG_DATA_DIRS).
if(CMAKE_RUNTIME_OUTPUT_DIRECTORY)
  set(ORVANO_CATALOG_OUTPUT_DIR ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
else()
  set(ORVANO_CATALOG_OUTPUT_DIR ${PROJECT_BINARY_DIR}/share/orvano)
endif()

# Installed programs and plugins find the libraries through a relative RUNPATH, unless the
# libraries land in a folder the loader searches anyway.
list(FIND CMAKE_CXX_IMPLICIT_LINK_DIRECTORIES ${CMAKE_INSTALL_FULL_LIBDIR} _system_libdir)
if(_system_libdir EQUAL -1)
  set(ORVANO_LIBDIR_IS_SYSTEM OFF)
else()
  set(ORVANO_LIBDIR_IS_SYSTEM ON)
endif()

# Installed locations, relative to the prefix.
set(ORVANO_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/orvano)
set(ORVANO_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/Orvano)
set(ORVANO_INSTALL_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/orvano)
