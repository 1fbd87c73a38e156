# Tells how many of Doxygen's warnings (LOG) are about undocumented members, and how many others.
file(STRINGS "${LOG}" lines REGEX "warning:")
list(LENGTH lines total)
list(FILTER lines INCLUDE REGEX "is not documented|not documented")
list(LENGTH lines undocumented)
math(EXPR other "${total} - ${undocumented}")
message(STATUS "docs: ${undocumented} undocumented members, ${other} other warnings (${LOG})")
