# The four public libraries, made of the folders' object libraries:
#   Orvano::Core      host interfaces, catalog, model, controls, dialog, class factory (no toolkit)
#   Orvano::Headless  the in-memory host, for application tests
#   Orvano::Widgets   the Qt host and the Qt-style widgets
#   Orvano::Print     printing a sheet of labels from a LabelDef
# Shared by default (hidden symbols, export macros, a SOVERSION), static with
# BUILD_SHARED_LIBS=OFF. The same names exist through find_package, add_subdirectory and
# FetchContent.
#
# Inside the tree, a folder's target (orvano_catalog, orvano_qt_widgets, ...) still names its
# layer: linking it links the folder's objects and, statically, everything below them, with
# nothing hidden. That is what the tests, benchmarks, fuzzers and the catalog tool use, so they
# may call internal functions whatever the public libraries export.
include(GenerateExportHeader)
include(OrvanoPublicHeaders)

set(ORVANO_GENERATED_INCLUDE_DIR ${PROJECT_BINARY_DIR}/include)
configure_file(${PROJECT_SOURCE_DIR}/cmake/version.h.in
               ${ORVANO_GENERATED_INCLUDE_DIR}/orvano/version.h @ONLY)
target_include_directories(orvano_host PUBLIC ${ORVANO_GENERATED_INCLUDE_DIR})

# Where the installed library finds the shipped catalog when its program's folder has none.
set_property(SOURCE ${PROJECT_SOURCE_DIR}/src/orvano/catalog/catalog_files.cpp
  TARGET_DIRECTORY orvano_catalog APPEND PROPERTY
  COMPILE_DEFINITIONS ORVANO_INSTALLED_DATA_DIR="${CMAKE_INSTALL_FULL_DATADIR}/orvano")

# Before 1.0 every minor release may change the binary interface.
if(PROJECT_VERSION_MAJOR EQUAL 0)
  set(ORVANO_SOVERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})
else()
  set(ORVANO_SOVERSION ${PROJECT_VERSION_MAJOR})
endif()

set(ORVANO_EXPORTED_TARGETS)

# orvano_public_library(<target> <Name> PARTS <object libraries> HEADERS <headers below src/>
#                       [LINK <public dependencies>] [INTERNAL <internal static dependencies>])
function(orvano_public_library target name)
  cmake_parse_arguments(arg "" "" "PARTS;HEADERS;LINK;INTERNAL" ${ARGN})
  string(TOLOWER ${name} lower)
  string(TOUPPER ${name} upper)
  set(internal orvano_internal_${lower})

  add_library(${target} ${ORVANO_LIBRARY_TYPE})
  add_library(Orvano::${name} ALIAS ${target})
  set_target_properties(${target} PROPERTIES
    EXPORT_NAME ${name}
    OUTPUT_NAME orvano-${lower}
    VERSION ${PROJECT_VERSION}
    SOVERSION ${ORVANO_SOVERSION}
    LINKER_LANGUAGE CXX)
  generate_export_header(${target}
    BASE_NAME ORVANO_${upper}
    EXPORT_FILE_NAME ${ORVANO_GENERATED_INCLUDE_DIR}/orvano/${lower}_export.h)
  target_compile_features(${target} PUBLIC cxx_std_20)
  target_link_libraries(${target} PUBLIC ${arg_LINK})
  # A symbol another library keeps hidden shows up here, not in some application's link. Not
  # under the sanitizers: their runtime comes with the program, not with each library.
  if(ORVANO_LIBRARY_TYPE STREQUAL "SHARED" AND NOT CMAKE_CXX_FLAGS MATCHES "-fsanitize")
    target_link_options(${target} PRIVATE LINKER:--no-undefined)
  endif()

  # The static variant of the same objects, for the tree's own tests and tools.
  add_library(${internal} STATIC)
  set_target_properties(${internal} PROPERTIES LINKER_LANGUAGE CXX)
  target_link_libraries(${internal} INTERFACE ${arg_INTERNAL})

  foreach(part IN LISTS arg_PARTS)
    if(NOT TARGET ${part})
      continue()
    endif()
    target_sources(${target} PRIVATE $<TARGET_OBJECTS:${part}>)
    target_sources(${internal} PRIVATE $<TARGET_OBJECTS:${part}>)
    target_compile_definitions(${part} PRIVATE ${target}_EXPORTS)
    # Only a target with a link step takes the archive; object libraries among themselves pass
    # on usage requirements only, which keeps the archive out of its own dependencies.
    target_link_libraries(${part} INTERFACE
      $<$<NOT:$<STREQUAL:$<TARGET_PROPERTY:TYPE>,OBJECT_LIBRARY>>:${internal}>)
    if(ORVANO_LIBRARY_TYPE STREQUAL "STATIC")
      target_compile_definitions(${part} PUBLIC ORVANO_${upper}_STATIC_DEFINE)
    endif()
  endforeach()
  if(ORVANO_LIBRARY_TYPE STREQUAL "STATIC")
    target_compile_definitions(${target} PUBLIC ORVANO_${upper}_STATIC_DEFINE)
  endif()

  list(TRANSFORM arg_HEADERS PREPEND ${PROJECT_SOURCE_DIR}/src/)
  set(generated ${ORVANO_GENERATED_INCLUDE_DIR}/orvano/${lower}_export.h)
  if(name STREQUAL "Core")
    list(APPEND generated ${ORVANO_GENERATED_INCLUDE_DIR}/orvano/version.h)
  endif()
  target_sources(${target} PUBLIC
    FILE_SET HEADERS
    BASE_DIRS ${PROJECT_SOURCE_DIR}/src ${ORVANO_GENERATED_INCLUDE_DIR}
    FILES ${arg_HEADERS} ${generated})

  set(ORVANO_EXPORTED_TARGETS ${ORVANO_EXPORTED_TARGETS} ${target} PARENT_SCOPE)
endfunction()

orvano_public_library(OrvanoCore Core
  PARTS orvano_host orvano_model orvano_catalog orvano_search orvano_print_data
        orvano_label_select orvano_preview orvano_address_label orvano_dialog orvano
  HEADERS ${ORVANO_CORE_HEADERS})

orvano_public_library(OrvanoHeadless Headless
  PARTS orvano_headless
  HEADERS ${ORVANO_HEADLESS_HEADERS}
  LINK Orvano::Core
  INTERNAL orvano_internal_core)

# The catalog tooling belongs to no public library; its objects link like a layer's.
if(TARGET orvano_importer)
  target_link_libraries(orvano_importer INTERFACE
    $<$<NOT:$<STREQUAL:$<TARGET_PROPERTY:TYPE>,OBJECT_LIBRARY>>:orvano_internal_core>)
endif()

if(ORVANO_BUILD_QT)
  orvano_public_library(OrvanoWidgets Widgets
    PARTS orvano_qt orvano_qt_widgets
    HEADERS ${ORVANO_WIDGETS_HEADERS}
    LINK Orvano::Core Qt6::Widgets
    INTERNAL orvano_internal_core Qt6::Widgets)

  orvano_public_library(OrvanoPrint Print
    PARTS orvano_qt_print
    HEADERS ${ORVANO_PRINT_HEADERS}
    LINK Orvano::Core Qt6::Gui Qt6::PrintSupport
    INTERNAL orvano_internal_core Qt6::Gui Qt6::PrintSupport)
endif()
