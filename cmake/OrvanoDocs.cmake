# `cmake --build <build> --target docs`: the API reference as HTML in <build>/docs/html, made by
# Doxygen from the public headers (the ones that are installed). Doxygen's warnings, among them
# every undocumented public member, go to <build>/docs/warnings.log; an undocumented public
# member fails the target (cmake/DocsWarnings.cmake).
find_package(Doxygen QUIET)
if(NOT DOXYGEN_FOUND)
  message(STATUS "No docs target: Doxygen not found (install doxygen)")
  return()
endif()

set(_doc_inputs)
foreach(header IN LISTS ORVANO_CORE_HEADERS ORVANO_HEADLESS_HEADERS)
  list(APPEND _doc_inputs ${PROJECT_SOURCE_DIR}/src/${header})
endforeach()
if(ORVANO_BUILD_QT)
  foreach(header IN LISTS ORVANO_WIDGETS_HEADERS ORVANO_PRINT_HEADERS)
    list(APPEND _doc_inputs ${PROJECT_SOURCE_DIR}/src/${header})
  endforeach()
endif()
list(APPEND _doc_inputs ${ORVANO_GENERATED_INCLUDE_DIR}/orvano/version.h)
list(JOIN _doc_inputs " \\\n    " ORVANO_DOXYGEN_INPUT)

set(ORVANO_DOXYGEN_OUTPUT ${PROJECT_BINARY_DIR}/docs)
configure_file(${PROJECT_SOURCE_DIR}/docs/Doxyfile.in ${ORVANO_DOXYGEN_OUTPUT}/Doxyfile @ONLY)
add_custom_target(docs
  COMMAND ${DOXYGEN_EXECUTABLE} ${ORVANO_DOXYGEN_OUTPUT}/Doxyfile
  COMMAND ${CMAKE_COMMAND} -DLOG=${ORVANO_DOXYGEN_OUTPUT}/warnings.log
          -P ${PROJECT_SOURCE_DIR}/cmake/DocsWarnings.cmake
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  DEPENDS ${_doc_inputs}
  COMMENT "Building the API reference into ${ORVANO_DOXYGEN_OUTPUT}/html"
  VERBATIM)
