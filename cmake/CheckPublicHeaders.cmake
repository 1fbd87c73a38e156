# cmake -DSOURCE_DIR=<tree> -P CheckPublicHeaders.cmake
# Fails when a public header (cmake/OrvanoPublicHeaders.cmake) includes an Orvano header that is
# not public: an installed header must compile with only the installed headers beside it.
cmake_minimum_required(VERSION 3.25)
include(${SOURCE_DIR}/cmake/OrvanoPublicHeaders.cmake)
set(public ${ORVANO_CORE_HEADERS} ${ORVANO_HEADLESS_HEADERS} ${ORVANO_WIDGETS_HEADERS}
           ${ORVANO_PRINT_HEADERS} ${ORVANO_GENERATED_HEADERS})
set(problems)
foreach(header IN LISTS ORVANO_CORE_HEADERS ORVANO_HEADLESS_HEADERS ORVANO_WIDGETS_HEADERS
                        ORVANO_PRINT_HEADERS)
  if(NOT EXISTS ${SOURCE_DIR}/src/${header})
    list(APPEND problems "${header} is listed but does not exist")
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/src/${header} includes REGEX "^#include \"orvano/")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" included "${line}")
    if(NOT included IN_LIST public)
      list(APPEND problems "${header} includes the internal ${included}")
    endif()
  endforeach()
endforeach()
if(problems)
  list(JOIN problems "\n  " text)
  message(FATAL_ERROR "Public headers must include public headers only (make the included "
                      "header public in cmake/OrvanoPublicHeaders.cmake, or drop the include):\n"
                      "  ${text}")
endif()
