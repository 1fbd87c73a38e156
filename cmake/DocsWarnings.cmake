# Tells how many of Doxygen's warnings (LOG) are about undocumented members, and how many others.
# An undocumented public member fails the docs target, so the reference stays complete; the
# offending lines are printed.
file(STRINGS "${LOG}" lines REGEX "warning:")
list(LENGTH lines total)
set(undocumented_lines ${lines})
list(FILTER undocumented_lines INCLUDE REGEX "is not documented|not documented")
list(LENGTH undocumented_lines undocumented)
math(EXPR other "${total} - ${undocumented}")
message(STATUS "docs: ${undocumented} undocumented members, ${other} other warnings (${LOG})")
if(undocumented GREATER 0)
  list(REMOVE_DUPLICATES undocumented_lines)
  list(JOIN undocumented_lines "\n" listing)
  message(FATAL_ERROR "docs: every public class, function, enumeration and data member needs a "
                      "doc comment (/// or ///<):\n${listing}")
endif()
